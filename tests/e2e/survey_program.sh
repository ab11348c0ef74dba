#!/usr/bin/env bash
# The survey subcommand end to end: a catalogue with bad records survives (one line each
# on stderr, counted in the summary), the table on stdout equals the --csv file, is the
# same on 1 and 2 threads and on 2 MPI ranks (where only rank 0 writes and draws), --save
# draws it in every format, --objects keeps the named objects, and an unreadable catalogue
# ends with status 1.
set -euo pipefail
: "${SKYTRAK3D:?path of the program}"
: "${SKYTRAK_SOURCE_DIR:?source folder}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
cp "$SKYTRAK_SOURCE_DIR/data/nea.dat" cat.txt
echo "this line is no orbit" >>cat.txt
sed -n 2p "$SKYTRAK_SOURCE_DIR/data/nea.dat" | sed 's/^\(.\{30\}\).../\1x.y/' >>cat.txt
good=$(grep -c . "$SKYTRAK_SOURCE_DIR/data/nea.dat")

fail() { echo "$@"; exit 1; }
# A year around the catalogue's epoch, so that both legs run; every planet, 0.5 AU.
survey() { "$SKYTRAK3D" survey --catalogue cat.txt --from 2458566.5 --to 2458931.5 --planet all --distance 0.5 "$@"; }

survey --jobs 1 >table1.csv 2>err1.txt
[ "$(grep -c 'bad record skipped' err1.txt)" -eq 2 ] || fail "bad records not reported once each:" "$(cat err1.txt)"
grep -q "^skytrak3d: bad record skipped (cat.txt, line $((good + 2)), columns 26-35)$" err1.txt ||
  fail "bad record line does not name file, line and field:" "$(cat err1.txt)"
grep -Eq "^survey: $good objects, 2 bad records skipped, [0-9]+ approaches, [0-9.]+ s wall, [0-9]+ object-steps/s$" err1.txt ||
  fail "summary line:" "$(cat err1.txt)"
[ "$(head -1 table1.csv)" = "designation,packed,planet,jd_tdb,calendar_tdb,dist_au,v_rel_kms,event" ] || fail "header"
rows=$(($(wc -l <table1.csv) - 1))
[ "$rows" -gt 10 ] || fail "only $rows rows"
approaches=$(grep -c ',approach$' table1.csv)
grep -q " $approaches approaches," err1.txt || fail "summary does not count the $approaches approaches"
# Sorted by time: the jd_tdb column never decreases.
tail -n +2 table1.csv | awk -F, 'NR > 1 && $4 < last { bad = 1 } { last = $4 } END { exit bad }' || fail "not sorted"

survey --jobs 2 --csv table2.csv 2>err2.txt
cmp table1.csv table2.csv || fail "2 threads and --csv differ from 1 thread on stdout"
[ ! -e table2.csv.partial ] || fail "partial file left"

if command -v mpirun >/dev/null; then
  # The ranks share blocks of 64 lines: ten records in the first block, the rest in the second.
  { head -10 cat.txt; printf '\n%.0s' $(seq 54); tail -n +11 cat.txt; } >shared.txt
  mkdir mpi_pictures
  mpirun --allow-run-as-root --oversubscribe -np 2 "$SKYTRAK3D" survey --catalogue shared.txt --from 2458566.5 \
    --to 2458931.5 --planet all --distance 0.5 --jobs 1 --save png --out mpi_pictures >table_mpi.csv 2>err_mpi.txt
  cmp table1.csv table_mpi.csv || fail "2 MPI ranks differ from 1 thread"
  # The rank that writes the table draws its picture, once.
  [ "$(ls mpi_pictures)" = "survey-approaches.png" ] || fail "pictures of 2 ranks:" "$(ls mpi_pictures)"
  [ "$(grep -c '^survey: ' err_mpi.txt)" -eq 1 ] || fail "not one summary from 2 ranks:" "$(cat err_mpi.txt)"
  [ "$(grep -c 'bad record skipped' err_mpi.txt)" -eq 2 ] || fail "bad records reported by both ranks"
  # Each rank would read a part of a pipe's lines: refused, and no rank left waiting.
  mkfifo pipe.txt
  status=0
  timeout 60 mpirun --allow-run-as-root --oversubscribe -np 2 "$SKYTRAK3D" survey --catalogue pipe.txt \
    --from 2458566.5 --to 2458931.5 >out_pipe.txt 2>err_pipe.txt || status=$?
  [ "$status" -eq 2 ] || fail "a pipe under 2 ranks: status $status"
  grep -qx "skytrak3d: --catalogue: under MPI every rank reads the file itself, so it must be a regular file (pipe.txt)" \
    err_pipe.txt || fail "a pipe under 2 ranks:" "$(cat err_pipe.txt)"
fi

# The picture of the table in every format; a second one never replaces the first; an
# empty table still gets its picture.
mkdir pictures
survey --save png,svg,pdf,ps --out pictures >/dev/null 2>&1
survey --save png --out pictures >/dev/null 2>&1
"$SKYTRAK3D" survey --catalogue cat.txt --from 2458566.5 --to 2458931.5 --distance 1e-9 --save png --out pictures \
  --background black >empty.csv 2>/dev/null
[ "$(grep -c . empty.csv)" -eq 1 ] || fail "rows within 1e-9 AU"
[ "$(ls pictures | tr '\n' ' ')" = "survey-approaches.pdf survey-approaches.png survey-approaches.ps survey-approaches.svg survey_1.png survey_2.png " ] ||
  fail "pictures:" "$(ls pictures)"
status=0
survey --save bmp >/dev/null 2>err.txt || status=$?
[ "$status" -eq 2 ] || fail "--save bmp: status $status"

printf '99942\n(433) Eros\n' >list.txt
survey --objects list.txt >some.csv 2>/dev/null
grep -v '^designation' table1.csv | grep -E '^(\(433\) Eros|\(99942\) Apophis),' >expected.csv || true
[ "$(tail -n +2 some.csv)" = "$(cat expected.csv)" ] || fail "--objects rows differ from the full table's"

status=0
"$SKYTRAK3D" survey --catalogue missing.txt --from 2458849.5 --to 2459031.5 >out.txt 2>err.txt || status=$?
[ "$status" -eq 1 ] || fail "unreadable catalogue: status $status"
grep -qx "skytrak3d: cannot read the catalogue (missing.txt): No such file or directory" err.txt || fail "message:" "$(cat err.txt)"
echo "survey: $rows rows, bad records skipped, threads and ranks agree"
