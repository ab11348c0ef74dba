#!/usr/bin/env bash
# cmake --install into a temporary prefix: the installed program finds Apophis in the
# installed sample catalogue and its installed screen plug-in, and man reads the
# installed page, subcommands included.
source "$(dirname "$0")/lib/work_folder.bash"
: "${SKYTRAK_BIN_DIR:?folder of the built program}"
build="$SKYTRAK_BIN_DIR/.."
[ -f "$build/skytrak3d.1" ] || { echo "SKIPPED: no manual page (help2man missing)"; exit 77; }
cmake --install "$build" --prefix "$work/prefix" >install.log
docs="$work/prefix/share/doc/skytrak3d"
fail=0
for file in bin/skytrak3d share/man/man1/skytrak3d.1 share/doc/skytrak3d/README.md share/doc/skytrak3d/docs/command-line.md \
  share/doc/skytrak3d/fetch-catalogue; do
  [ -s "$work/prefix/$file" ] || { echo "not installed: $file"; fail=1; }
done
mkdir run && cd run && cp "$docs/nea.dat" .
"$work/prefix/bin/skytrak3d" find apophis >found.txt || fail=1
grep -q '^99942 .*Apophis' found.txt || { echo "installed find:"; cat found.txt; fail=1; }
# The installed program finds its installed screen plug-in (the window's device).
SDL_VIDEODRIVER=dummy "$work/prefix/bin/skytrak3d" run --planet 3 --elements 1.2,0.3,5,10,20,30,2458666.5 --name P \
  --span 1 --step 0.1 --show >shown.txt 2>shown.err || true
grep -q "there is no display (video driver dummy)" shown.err || { echo "installed window:"; cat shown.err; fail=1; }
MANWIDTH=100 man -l -P cat "$work/prefix/share/man/man1/skytrak3d.1" >page.txt 2>man.err || { cat man.err; fail=1; }
for text in 'skytrak3d - 3D views' 'skytrak3d version 5' 'SUBCOMMANDS' 'skytrak3d survey --catalogue nea.dat'; do
  grep -q -- "$text" page.txt || { echo "manual page lacks: $text"; fail=1; }
done
exit "$fail"
