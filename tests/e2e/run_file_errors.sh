#!/usr/bin/env bash
# A result file that cannot be written ends the program with a message naming the file
# and the reason on stderr and exit status 1: the coordinates file beyond the file-size
# limit (ulimit -f, as a full disk would), and a close-approach file that cannot be put
# in place (a folder of that name is in the way). The files of an earlier run stay as
# they were and no temporary file is left. A successful run then replaces them.
source "$(dirname "$0")/lib/work_folder.bash"

# Eros (00433) with the Earth as reference: 10 years, output every 0.05 year.
answers='3\n00433\n10,0.05\n'

expect_failure() {  # what-the-message-names
  local status=0
  printf "$answers" | "$SKYTRAK3D" >out.txt 2>err.txt || status=$?
  if [ "$status" -ne 1 ]; then echo "exit status $status, expected 1"; cat err.txt; exit 1; fi
  grep -q "^skytrak3d: .*($1)" err.txt || { echo "message does not name $1:"; cat err.txt; exit 1; }
}

expect_untouched() {
  [ "$(cat "00433  .xyz")" = "earlier coordinates" ] || { echo "the earlier coordinates file was changed"; exit 1; }
  [ -z "$(ls -A | grep -v -x -e nea.dat -e out.txt -e err.txt -e '00433  .xyz' -e '00433  .clo')" ] || {
    echo "files left behind:"; ls -A; exit 1; }
}
echo "earlier coordinates" >"00433  .xyz"

(ulimit -f 4; expect_failure "./00433  .xyz")
grep -q "File too large" err.txt || { echo "no reason given:"; cat err.txt; exit 1; }
expect_untouched

mkdir "00433  .clo"
expect_failure "./00433  .clo"
expect_untouched
rmdir "00433  .clo"

# Left-overs of a longer earlier run are overwritten, not appended to.
printf 'old line\n%.0s' $(seq 1000) >"00433  .xyz"
printf "$answers" | "$SKYTRAK3D" >out.txt 2>err.txt || true
lines=$(wc -l <"00433  .xyz")
[ "$lines" -eq 202 ] || { echo "coordinates file has $lines lines, expected 202"; exit 1; }
! grep -q "old line" "00433  .xyz" || { echo "old lines left in the file"; exit 1; }
head -1 "00433  .clo" | grep -qx "   JDclose      Dmin/Rplan   Vp(K/s)    energy  Planet"
echo "file errors reported; files overwritten"
