#!/usr/bin/env bash
# A result file that cannot be written ends the program with a message naming the file
# on stderr and exit status 1: the coordinates file on a full disk (/dev/full), and a
# close-approach file that cannot be created (a folder of that name is in the way).
# A successful run then overwrites files left by an earlier one.
set -euo pipefail
: "${SKYTRAK3D:?path of the program}"
: "${SKYTRAK_SOURCE_DIR:?source folder}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$SKYTRAK_SOURCE_DIR/data/nea.dat" "$work/nea.dat"
cd "$work"

# Eros (00433) with the Earth as reference: 10 years, output every 0.05 year.
answers='3\n00433\n10,0.05\n'

expect_failure() {  # what-the-message-names
  local status=0
  printf "$answers" | "$SKYTRAK3D" >out.txt 2>err.txt || status=$?
  if [ "$status" -ne 1 ]; then echo "exit status $status, expected 1"; cat err.txt; exit 1; fi
  grep -q "^skytrak3d: .*($1)" err.txt || { echo "message does not name $1:"; cat err.txt; exit 1; }
}

ln -s /dev/full "00433  .xyz"
expect_failure "./00433  .xyz"
rm -f "00433  .xyz" "00433  .clo"

mkdir "00433  .clo"
expect_failure "./00433  .clo"
rmdir "00433  .clo"

# Left-overs of a longer earlier run are overwritten, not appended to.
printf 'old line\n%.0s' $(seq 1000) >"00433  .xyz"
printf "$answers" | "$SKYTRAK3D" >out.txt 2>err.txt || true
lines=$(wc -l <"00433  .xyz")
[ "$lines" -eq 202 ] || { echo "coordinates file has $lines lines, expected 202"; exit 1; }
! grep -q "old line" "00433  .xyz" || { echo "old lines left in the file"; exit 1; }
head -1 "00433  .clo" | grep -qx "   JDclose      Dmin/Rplan   Vp(K/s)    energy  Planet"
echo "file errors reported; files overwritten"
