#!/usr/bin/env bash
# Hostile input to run and survey, one table: exit status, a text stderr must hold, the
# files left besides the fixtures (no temporary file); the private devices stay devices.
source "$(dirname "$0")/lib/work_folder.bash"

fail() { echo "$@"; exit 1; }
mknod null c 1 3 && mknod full c 1 7 || fail "cannot make private device nodes"
mkdir folder
truncate -s 256M sparse.dat
printf '  \n\n' >blank.txt
printf 'zzzqqq\nyyyxxx\n' >none.txt
echo "victim" >victim
ln -s victim out.csv.partial
echo "old table" >target.csv
ln -s target.csv link.csv
fixtures=$(ls -A)
window=(--catalogue nea.dat --from 2458566.5 --to 2458600.5)
elements=(--planet 3 --elements 1.2,0.3,5,10,20,30,2458666.5 --name HOSTILE)
# status | text on stderr | files left (space-separated) | command line
cases=(
  "0|||survey ${window[*]} --csv null"
  "0|||survey ${window[*]} --csv link.csv"
  "1|cannot write the table: write error on full: No space left on device||survey ${window[*]} --csv full"
  "2|--from: \"nan\" is neither a Julian date||survey --catalogue nea.dat --from nan --to 2458600.5"
  "2|--from: \"\" is neither a Julian date||survey --catalogue nea.dat --from '' --to 2458600.5"
  "2|--from: \"-inf\" is neither a Julian date||survey --catalogue nea.dat --from -inf --to inf"
  "2|needs more than 100000000 integration steps||survey --catalogue nea.dat --from 2458566.5 --to 1e308"
  "2|(epoch JD 2458666.5) needs more than 100000000 integration steps||survey --catalogue nea.dat --from 1e15 --to 1.0000001e15"
  "2|--from: -2e8 would be Julian date -2e8 (552295 BC)||survey --catalogue nea.dat --from -2e8 --to -1.99e8"
  "2|--from: 2020 would be Julian date 2020 (4708 BC); write 2020-01-01 for the year||survey --catalogue nea.dat --from 2020 --to 2021"
  "2|--to: 2021 would be Julian date 2021 (4708 BC); write 2021-01-01 for the year||survey --catalogue nea.dat --from 2020-01-01 --to 2021"
  "2|--distance: not a number||survey ${window[*]} --distance nan"
  "2|--distance: must be above 0||survey ${window[*]} --distance 0"
  "2|--jobs: must be above 0||survey ${window[*]} --jobs 0"
  "0|survey: 21 objects|out.csv|survey ${window[*]} --jobs 100000 --csv out.csv"
  "2|--objects: the list names no object (blank.txt)||survey ${window[*]} --objects blank.txt"
  "1|--objects: no object matches \"zzzqqq\"||survey ${window[*]} --objects none.txt"
  "1|cannot read the catalogue (folder): Is a directory||survey --catalogue folder --from 2458566.5 --to 2458567.5"
  "1|a line is longer than 4096 characters (sparse.dat, line 1)||survey --catalogue sparse.dat --from 2458566.5 --to 2458567.5"
  "2|--objects: empty, a file name is needed||survey ${window[*]} --objects ''"
  "2|--objects: empty, a file name is needed||coorbital --catalogue nea.dat --objects ''"
  "1|no usable record in the catalogue (none.txt)||survey --catalogue none.txt --from 2458566.5 --to 2458567.5"
  "1|no usable record in the catalogue (blank.txt)||coorbital --catalogue blank.txt"
  "2|--csv: empty, a file name is needed||survey ${window[*]} --csv ''"
  "0|||survey ${window[*]} --csv - --quiet"
  "2|unknown option --bogus||survey ${window[*]} --bogus"
  "2|unknown option --bogus||run --bogus=1"
  "2|unknown option --bogus||--bogus"
  "0|||survey ${window[*]} --planet Moon --quiet"
  "0|||survey ${window[*]} --planet ALL --quiet"
  "0|||coorbital --catalogue nea.dat --planet EARTH --quiet"
  "2|unknown command: bogus||bogus --planet 3"
  "2|unknown command: \\x1B[2J||$'\\e[2J'"
  "2|--colour: \\x07 not in {plain,time}||run ${elements[*]} --span 1 --step 0.1 --colour $'\\a'"
  "2|--elements: not a number||run --planet 3 --elements nan,0.3,5,10,20,30,2458666.5 --name N --span 1 --step 0.1"
  "2|--elements: not finite||run --planet 3 --elements 1.2,0.3,inf,10,20,30,2458666.5 --name N --span 1 --step 0.1"
  "2|--elements: beyond 3.4e38 in size||run --planet 3 --elements 1.2,0.3,5,3.4e38,20,30,2458666.5 --name N --span 1 --step 0.1"
  "2|--view: the focus must be S, P or A||run ${elements[*]} --span 1 --step 0.1 --view P,nan,nan,nan"
  "2|--span: empty, a number is needed||run ${elements[*]} --span '' --step 0.1"
  "2|--span: not a number||run ${elements[*]} --span nan --step 0.1"
  "2|--step: the output step must be above 0||run ${elements[*]} --span 1 --step 0"
  "2|--step: not a number||run ${elements[*]} --span 1 --step nan"
)

for entry in "${cases[@]}"; do
  IFS='|' read -r want text files command <<<"$entry"
  status=0
  eval "\"\$SKYTRAK3D\" $command" >out.txt 2>err.txt || status=$?
  [ "$status" -eq "$want" ] || fail "$command: status $status, expected $want:" "$(cat err.txt)"
  [ -z "$text" ] || grep -qF -- "$text" err.txt || fail "$command: stderr lacks \"$text\":" "$(cat err.txt)"
  left=$(comm -13 <(echo "$fixtures" | sort) <(ls -A | grep -v -x -e out.txt -e err.txt | sort) | tr '\n' ' ')
  [ "$left" = "${files:+$files }" ] || fail "$command: files left: $left (expected: $files)"
  case "$command" in *"--csv - "*) head -1 out.txt | grep -q '^designation,' || fail "$command: no table on stdout" ;; esac
  rm -f out.csv
  [ -c null ] && [ -c full ] || fail "$command: a device node was replaced"
done
[ "$(cat victim)" = "victim" ] || fail "the link planted at out.csv.partial was followed"
[ -L link.csv ] && head -1 target.csv | grep -q '^designation,' || fail "link.csv replaced, or its target not written"

# A link to a pipe (as /dev/stdout may be) is written in place, the pipe and link kept.
mkfifo fifo && ln -s fifo fifo.link && { cat fifo >from_fifo.csv & }
"$SKYTRAK3D" survey "${window[@]}" --csv fifo.link 2>err.txt && wait || fail "--csv to a pipe:" "$(cat err.txt)"
grep -q '^designation,' from_fifo.csv && [ -p fifo ] && [ -L fifo.link ] || fail "the pipe was not written in place"
# The standard output on a full device, and a save beyond the file-size limit: status 1.
status=0
"$SKYTRAK3D" survey "${window[@]}" >full 2>err.txt || status=$?
[ "$status" -eq 1 ] && grep -q "standard output: No space left on device" err.txt || fail "stdout full: $status"
status=0
(ulimit -f 60; "$SKYTRAK3D" run "${elements[@]}" --span 1 --step 0.05 --save bmp >out.txt 2>err.txt) || status=$?
[ "$status" -eq 1 ] && grep -q "File too large" err.txt || fail "save beyond the limit: $status" "$(cat err.txt)"
[ -z "$(ls -A | grep '\.part$')" ] || fail "temporary files left after a failed save"

# No room for a 2nd thread's 1 GB stack: one goes on, and says so (ASan's shadow won't fit).
if [ "${SKYTRAK_SANITIZED:-OFF}" != ON ]; then
  # More objects than a work unit takes, so that a second thread has work.
  for copy in $(seq 13); do cat nea.dat; done >many.dat
  (ulimit -s 1000000; ulimit -v 1600000
   "$SKYTRAK3D" survey --catalogue many.dat --from 2458566.5 --to 2458600.5 --jobs 2 >out.txt 2>err.txt) ||
    fail "survey with one thread failed:" "$(cat err.txt)"
  grep -q "only 1 of 2 threads could be started" err.txt || fail "no word of the missing thread:" "$(cat err.txt)"
fi

env -u DISPLAY -u WAYLAND_DISPLAY "$SKYTRAK3D" run "${elements[@]}" --span 1 --step 0.1 --show >out.txt 2>err.txt
grep -q -- "--save FORMAT writes the picture" err.txt || fail "no display: --save not named:" "$(cat err.txt)"
# SIGTERM in the middle of a run: the signal's own status, no temporary file left.
"$SKYTRAK3D" run "${elements[@]}" --span 4000 --step 0.1 >out.txt 2>err.txt &
run=$!
for _ in $(seq 50); do [ -n "$(ls -A | grep '\.part$')" ] && break; sleep 0.1; done
kill -TERM "$run"
status=0
wait "$run" || status=$?
[ "$status" -eq 143 ] || fail "SIGTERM: status $status"
[ -z "$(ls -A | grep '\.part$')" ] || fail "temporary files left after SIGTERM:" "$(ls -A)"
