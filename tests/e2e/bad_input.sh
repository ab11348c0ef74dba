#!/usr/bin/env bash
# Hostile sessions: a picture save beyond the file-size limit, a standard output that
# cannot be written, integer answers too long for an int, a catalogue without line ends
# and a catalogue that is a folder. Each ends as the page "What happens on bad
# input" of docs/ says.
source "$(dirname "$0")/lib/work_folder.bash"
fail() { echo "FAIL: $*"; exit 1; }
run() {  # answers; sets status, out.txt, err.txt
  status=0
  printf "$1" | "$SKYTRAK3D" >out.txt 2>err.txt || status=$?
}

# A BMP save (1.9 MB) beyond a 200 KB file-size limit: the warning on stdout, the
# reason on stderr, no picture and no temporary file, and the protocol names no file.
(ulimit -f 200; run '3\n00433\n10,0.1\nS,-1,0,5,N\n1\n8\n'; echo "$status" >status.txt)
[ "$(cat status.txt)" = 0 ] || fail "save beyond the limit: exit status $(cat status.txt)"
grep -q "Warning  36" out.txt || fail "no warning 36 on stdout"
grep -q "^skytrak3d: .*00433  .bmp: File too large" err.txt || { cat err.txt; fail "no reason on stderr"; }
grep -q "Metafile: *<<$" out.txt || { grep Metafile out.txt; fail "the protocol names a file"; }
[ -z "$(ls -A | grep -v -x -e nea.dat -e out.txt -e err.txt -e status.txt -e '00433  .xyz' -e '00433  .clo')" ] ||
  { ls -A; fail "a picture or a temporary file was left"; }

# Standard output on a full device: status 1 and a message on stderr.
status=0
printf '3\n00433\n' | "$SKYTRAK3D" >/dev/full 2>err.txt || status=$?
[ "$status" = 1 ] || fail "stdout on /dev/full: exit status $status"
grep -qx "skytrak3d: cannot write to the standard output: No space left on device" err.txt || { cat err.txt; fail "stdout message"; }

# 99999999999 as the planet is out of range: asked again. As the menu answer it is
# above the last option: the program quits with status 0.
run '99999999999\n3\n00433\n1,0.1\nS,-1,0,5,N\n99999999999\n'
[ "$status" = 0 ] || { cat err.txt; fail "huge answers: exit status $status"; }
[ "$(grep -c "Reference Planet?" out.txt)" = 2 ] || fail "the planet was not asked again"

# A catalogue of 3 MB without a line end: refused, naming the file and the line.
head -c 3000000 /dev/zero | tr '\0' 'x' >nea.dat
run '3\n00433\n'
[ "$status" = 1 ] || fail "catalogue without line ends: exit status $status"
grep -qx "skytrak3d: a line is longer than 4096 characters (nea.dat, line 1)" err.txt || { cat err.txt; fail "long line message"; }
# A catalogue that is a folder: the message gives the system's reason.
rm nea.dat && mkdir nea.dat
run '3\n00433\n'
[ "$status" = 1 ] || fail "catalogue folder: exit status $status"
grep -qx "skytrak3d: cannot read the catalogue (nea.dat): Is a directory" err.txt || { cat err.txt; fail "catalogue folder message"; }
echo "bad input answered"
