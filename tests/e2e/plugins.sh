#!/usr/bin/env bash
# The optional parts are plug-ins loaded only when wanted: --version, find and a survey
# run alone load neither SDL2 nor MPI, a window loads SDL2, only a survey loads the vector
# code of its batches. A plug-in that is missing or
# cannot load is named on one line, and the run ends as it does where no window can
# open; a survey under an MPI launcher without its plug-in says so and exits 1.
# SKYTRAK_PLUGIN_DIR points the program at a folder of our own.
source "$(dirname "$0")/lib/work_folder.bash"
fail() { echo "$@"; exit 1; }
elements=(--planet 3 --elements 1.2,0.3,5,10,20,30,2458666.5 --name PLUG --span 1 --step 0.1)

# The shared libraries a command loads, from the dynamic loader's own trace.
loaded() { LD_DEBUG=files "$@" 2>&1 >/dev/null | grep -o 'file=[^ ]*' | sort -u || true; }
loaded "$SKYTRAK3D" --version >version.libs
loaded "$SKYTRAK3D" find apophis >find.libs
SDL_VIDEODRIVER=dummy loaded "$SKYTRAK3D" run "${elements[@]}" --show >show.libs
loaded "$SKYTRAK3D" survey --catalogue nea.dat --from 2458666.5 --to 2458667.5 >survey.libs
while read -r libs pattern expected; do
  found=no
  grep -q "$pattern" "$libs" && found=yes
  [ "$found" = "$expected" ] || fail "$libs: $pattern loaded: $found, expected $expected:" "$(cat "$libs")"
done <<'CASES'
version.libs libSDL2 no
version.libs libmpi no
version.libs libhwy no
version.libs skytrak3d- no
find.libs libSDL2 no
find.libs libmpi no
find.libs libhwy no
show.libs libSDL2 yes
show.libs skytrak3d-screen.so yes
show.libs libmpi no
survey.libs libmpi no
survey.libs libSDL2 no
survey.libs skytrak3d-batch.so yes
CASES

# The window as it ends without a display: its exit status and its last line.
status=0
SDL_VIDEODRIVER=dummy "$SKYTRAK3D" run "${elements[@]}" --show >out.txt 2>no_display.txt || status=$?
mkdir missing bad
: >bad/skytrak3d-screen.so
: >bad/skytrak3d-mpi.so
: >bad/skytrak3d-batch.so
while read -r folder reason; do
  plugins="$work/$folder"
  got=0
  SKYTRAK_PLUGIN_DIR="$plugins" "$SKYTRAK3D" run "${elements[@]}" --show >out.txt 2>err.txt || got=$?
  [ "$got" -eq "$status" ] || fail "$folder: status $got, $status without a display"
  [ "$(head -1 err.txt)" = "skytrak3d: the window needs skytrak3d-screen.so: $plugins/skytrak3d-screen.so: $reason" ] ||
    fail "$folder: window:" "$(cat err.txt)"
  [ "$(tail -1 err.txt)" = "$(tail -1 no_display.txt)" ] || fail "$folder: last line:" "$(cat err.txt)"
  got=0
  OMPI_COMM_WORLD_SIZE=1 SKYTRAK_PLUGIN_DIR="$plugins" "$SKYTRAK3D" survey --catalogue nea.dat --from 2458666.5 \
    --to 2458667.5 >out.txt 2>err.txt || got=$?
  [ "$got" -eq 1 ] || fail "$folder: survey under a launcher: status $got"
  [ "$(cat err.txt)" = "skytrak3d: the survey under an MPI launcher needs skytrak3d-mpi.so: $plugins/skytrak3d-mpi.so: $reason" ] ||
    fail "$folder: survey:" "$(cat err.txt)"
  # Run alone, the survey goes on without its batches, in groups, and says so.
  SKYTRAK_PLUGIN_DIR="$plugins" "$SKYTRAK3D" survey --catalogue nea.dat --from 2458666.5 --to 2458667.5 \
    --quiet >out.txt 2>err.txt || fail "$folder: survey alone failed"
  [ "$(cat err.txt)" = "skytrak3d: the survey's batches need skytrak3d-batch.so: $plugins/skytrak3d-batch.so: $reason; stepping the objects in groups instead" ] ||
    fail "$folder: survey alone:" "$(cat err.txt)"
done <<'CASES'
missing cannot open shared object file: No such file or directory
bad file too short
CASES

# A plug-in is loaded only from a file and folder that no other user can change; else the
# survey says why on one line and steps in groups. Each case: the folder's mode, the
# file's mode, the file's owner, the path refused and its reason (- when loaded).
plugin_dir=$(dirname "$SKYTRAK3D")
while read -r name folder_mode file_mode owner refused reason; do
  mkdir "$name"
  cp "$plugin_dir/skytrak3d-batch.so" "$name/"
  chmod "$file_mode" "$name/skytrak3d-batch.so"
  if [ "$owner" != me ]; then
    [ "$(id -u)" -eq 0 ] || continue  # Only root can give a file away.
    chown "$owner" "$name/skytrak3d-batch.so"
  fi
  chmod "$folder_mode" "$name"
  SKYTRAK_PLUGIN_DIR="$work/$name" "$SKYTRAK3D" survey --catalogue nea.dat --from 2458666.5 --to 2458667.5 \
    --quiet >out.txt 2>err.txt || fail "$name: survey failed:" "$(cat err.txt)"
  expected=""
  [ "$refused" = - ] ||
    expected="skytrak3d: the survey's batches need skytrak3d-batch.so: $work/$refused: $reason; stepping the objects in groups instead"
  [ "$(cat err.txt)" = "$expected" ] || fail "$name: plug-in check:" "$(cat err.txt)"
done <<'CASES'
private 0755 0755 me - -
shared 1777 0755 me shared writable by group or others
group 0775 0755 me group writable by group or others
open_file 0755 0666 me open_file/skytrak3d-batch.so writable by group or others
stranger 0755 0755 nobody stranger/skytrak3d-batch.so owned by another user
CASES
# Seen by nobody, root's plug-in and nobody's own are both trusted.
[ "$(id -u)" -eq 0 ] || exit 0
chmod 0755 "$work"
for name in private stranger; do
  setpriv --reuid=nobody --regid=nogroup --clear-groups env SKYTRAK_PLUGIN_DIR="$work/$name" "$SKYTRAK3D" survey \
    --catalogue nea.dat --from 2458666.5 --to 2458667.5 --quiet >out.txt 2>err.txt || fail "nobody: survey failed"
  [ ! -s err.txt ] || fail "nobody: the plug-in in $name refused:" "$(cat err.txt)"
done
exit 0
