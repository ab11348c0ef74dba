#!/usr/bin/env bash
# scripts/fetch-catalogue fed local files (never the network): a good catalogue replaces
# run/nea.dat; one with a record that does not read, too few records or no file at all
# leaves the old file as it was, and no temporary file stays behind.
source "$(dirname "$0")/lib/work_folder.bash"
mkdir -p tree/scripts tree/run
cp "$SKYTRAK_SOURCE_DIR/scripts/fetch-catalogue" tree/scripts/
(head -5 nea.dat; printf '%s\n' "00433   11.16  0.46 K1972  84.1719x  not an orbit") >broken.dat
head -3 nea.dat >short.dat
echo old >old
fail=0
fetch() { SKYTRAK_MIN_RECORDS="$1" tree/scripts/fetch-catalogue "$2" >fetch.out 2>fetch.err; }
while read -r minimum source status; do
  cp old tree/run/nea.dat
  fetch "$minimum" "$source" && got=0 || got=$?
  expected=old; [ "$status" -eq 0 ] && expected=$source
  if [ "$got" -ne "$status" ] || ! cmp -s tree/run/nea.dat "$expected" || [ "$(ls tree/run)" != nea.dat ]; then
    echo "fetch-catalogue $source (minimum $minimum): status $got, run/ holds $(ls tree/run)"; cat fetch.err; fail=1
  fi
done <<'CASES'
21 nea.dat 0
22 nea.dat 1
1 broken.dat 1
1 short.dat 0
1 missing.dat 1
CASES
exit "$fail"
