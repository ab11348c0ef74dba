#!/usr/bin/env bash
# The coorbital subcommand end to end on the sample catalogue: its Earth candidates
# (Cruithne, Kamo`oalewa, 2002 AA29), bad records skipped with one line each, the summary
# line, one row marked at the epoch per object, the same table on 1 and 2 threads and in
# --csv, the pictures of --save, and the exit statuses of the survey.
source "$(dirname "$0")/lib/work_folder.bash"
cp nea.dat cat.txt
echo "this line is no orbit" >>cat.txt
fail() { echo "$@"; exit 1; }
coorbital() { "$SKYTRAK3D" coorbital --catalogue cat.txt --span 100 "$@"; }

coorbital --jobs 1 >table1.csv 2>err1.txt
[ "$(grep -c 'bad record skipped' err1.txt)" -eq 1 ] || fail "bad record not reported once:" "$(cat err1.txt)"
grep -Eq '^coorbital: 3 objects, 1 bad records skipped, [0-3] co-orbitals \([0-9]+ horseshoe, [0-9]+ quasi-satellite, [0-9]+ trojan-L4, [0-9]+ trojan-L5\), [0-3] compound, [0-3] sensitive, [0-9.]+ s wall, [0-9]+ object-steps/s$' err1.txt ||
  fail "summary line:" "$(cat err1.txt)"
[ "$(head -1 table1.csv)" = "designation,packed,planet,class,centre_deg,amplitude_deg,period_yr,episode_from_yr,episode_to_yr,min_dist_au,stability" ] ||
  fail "header"
[ "$(cut -d, -f2 table1.csv | tail -n +2 | sort -u | tr '\n' ' ')" = "03753 K02A29A k9219 " ] || fail "candidates:" "$(cat table1.csv)"
[ "$(grep -c '^[^,]*,[^,]*,Earth,[a-zL45-]*\*,' table1.csv)" -eq 3 ] || fail "not one epoch row per object:" "$(cat table1.csv)"
grep -q '^(469219) Kamo`oalewa,k9219,Earth,quasi-satellite\*,' table1.csv || fail "Kamo\`oalewa:" "$(cat table1.csv)"

coorbital --jobs 2 --csv table2.csv --quiet 2>err2.txt
cmp table1.csv table2.csv || fail "2 threads and --csv differ from 1 thread on stdout"
[ "$(grep -vc 'bad record skipped' err2.txt)" -eq 0 ] || fail "--quiet still says:" "$(cat err2.txt)"
# Under an MPI launcher the first rank alone writes the table and the summary.
if command -v mpirun >/dev/null; then
  mpirun --allow-run-as-root --oversubscribe -np 2 "$SKYTRAK3D" coorbital --catalogue cat.txt --span 100 --jobs 1 \
    >table_mpi.csv 2>err_mpi.txt
  cmp table1.csv table_mpi.csv || fail "2 MPI ranks: not the table of one process"
  [ "$(grep -c '^coorbital: ' err_mpi.txt)" -eq 1 ] || fail "not one summary from 2 ranks:" "$(cat err_mpi.txt)"
fi

echo kamo >list.txt
mkdir pictures
coorbital --objects list.txt --save png,svg,pdf,ps --out pictures --quiet >table3.csv
for file in k9219-path.png k9219-path.svg k9219-path.pdf k9219-path.ps k9219-phi.png k9219-phi.svg k9219-phi.pdf k9219-phi.ps; do
  [ -s "pictures/$file" ] || fail "no picture $file:" "$(ls pictures)"
done
[ "$(grep -c . table3.csv)" -ge 2 ] || fail "table of the listed object"

status() { set +e; "$@" >/dev/null 2>err.txt; echo $?; set -e; }
[ "$(status coorbital --planet 0)" -eq 2 ] || fail "--planet 0"
[ "$(status coorbital --span 0)" -eq 2 ] || fail "--span 0"
[ "$(status coorbital --save bmp)" -eq 2 ] || fail "--save bmp"
[ "$(status "$SKYTRAK3D" coorbital --catalogue missing.txt)" -eq 1 ] || fail "missing catalogue"
grep -q '^skytrak3d: cannot read the catalogue (missing.txt): ' err.txt || fail "missing catalogue message:" "$(cat err.txt)"
echo nothing-like-this >none.txt
[ "$(status coorbital --objects none.txt)" -eq 1 ] || fail "no name matched"
: >empty.txt
[ "$(status coorbital --objects empty.txt)" -eq 2 ] || fail "empty object list"
