#!/usr/bin/env bash
# The run subcommand on real records: its result files and pictures equal, byte for
# byte, those of the dialogue given the same answers (catalogue object and hand-entered elements); its
# pictures pass their outside readers; a wrong command line exits 2 and writes nothing.
set -euo pipefail

source "$(dirname "$0")/lib/real_catalogue.bash"
export SOURCE_DATE_EPOCH=1700000000 TZ=UTC
unset DISPLAY

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/dialogue" "$work/hand" "$work/cli" "$work/cli-hand" "$work/refused"
cp "$catalogue" "$work/dialogue/nea.dat"
cp "$catalogue" "$work/hand/nea.dat"
fail=0

# The dialogue: Earth, Apophis by its packed designation, one year in steps of 0.01, the
# run's default view, then the menu's saves as BMP, PDF, PNG and SVG.
(cd "$work/dialogue" && printf '3\n99942\n1,0.01\nP,3,-3,1.5,N\n1\n2\n9\n10\n8\n' | "$SKYTRAK3D" >/dev/null 2>&1)
"$SKYTRAK3D" run --planet Earth --object apophis --span 1 --step 0.01 --catalogue "$catalogue" \
  --save pdf,bmp,png,svg --style classic --out "$work/cli" >"$work/cli.out"
for ext in xyz clo bmp pdf png svg; do
  cmp "$work/dialogue/99942  .$ext" "$work/cli/99942  .$ext" || { echo "run: .$ext differs from the dialogue's"; fail=1; }
done
# The clear style, run's default, is the dialogue's when started with --style clear.
mkdir "$work/dialogue-clear" "$work/cli-clear"
cp "$catalogue" "$work/dialogue-clear/nea.dat"
(cd "$work/dialogue-clear" && printf '3\n99942\n1,0.01\nP,3,-3,1.5,N\n2\n10\n8\n' | "$SKYTRAK3D" --style clear >/dev/null 2>&1)
"$SKYTRAK3D" run --planet Earth --object apophis --span 1 --step 0.01 --catalogue "$catalogue" \
  --save pdf,svg --out "$work/cli-clear" >/dev/null
for ext in pdf svg; do
  cmp "$work/dialogue-clear/99942  .$ext" "$work/cli-clear/99942  .$ext" || { echo "run: clear .$ext differs from the dialogue's"; fail=1; }
  cmp -s "$work/cli/99942  .$ext" "$work/cli-clear/99942  .$ext" && { echo "run: clear .$ext is the classic one"; fail=1; }
done
qpdf --check "$work/cli/99942  .pdf" >/dev/null || { echo "run: PDF refused by qpdf"; fail=1; }
[ "$(identify -format '%w x %h' "$work/cli/99942  .bmp")" = "1600 x 1200" ] || { echo "run: BMP size"; fail=1; }

# An observer inside the box: classic warns once on stderr (two pictures, one line),
# clear moves the observer back and says nothing. PNG on white paper when asked.
mkdir "$work/inside"
"$SKYTRAK3D" run --planet 3 --object apophis --span 1 --step 0.01 --catalogue "$catalogue" --view P,0.5,0.3,0.1 \
  --save svg,pdf --style classic --out "$work/inside" >/dev/null 2>"$work/inside.err"
[ "$(cat "$work/inside.err")" = "skytrak3d: warning: the observer is inside or against the box, so the classic picture is cut by the page; --style clear keeps the whole box" ] ||
  { echo "run: classic observer inside the box:"; cat "$work/inside.err"; fail=1; }
"$SKYTRAK3D" run --planet 3 --object apophis --span 1 --step 0.01 --catalogue "$catalogue" --view P,0.5,0.3,0.1 \
  --save png --background white --out "$work/inside" >/dev/null 2>"$work/inside.err"
[ ! -s "$work/inside.err" ] || { echo "run: clear observer inside the box:"; cat "$work/inside.err"; fail=1; }
[ "$(convert "$work/inside/99942  .png" -format '%[pixel:p{5,1125}]' info:)" = "srgb(255,255,255)" ] ||
  { echo "run: --background white did not give white paper"; fail=1; }

# Hand-entered elements: the record's own, through the dialogue's answer 1 and --elements.
elements="0.9225169,0.1914724,3.33690,204.05444,126.67983,236.64021,2458666.5"
(cd "$work/hand" && printf '3\n1\n%s\nROCK\n1,0.01\n' "${elements//,/$'\n'}" | "$SKYTRAK3D" >/dev/null 2>&1 || true)
"$SKYTRAK3D" run --planet 3 --elements "$elements" --name ROCK --span 1 --step 0.01 --out "$work/cli-hand" >/dev/null
for ext in xyz clo; do
  cmp "$work/hand/ROCK   .$ext" "$work/cli-hand/ROCK   .$ext" || { echo "run --elements: .$ext differs"; fail=1; }
done

# A name holding "/" or "..": the files take the dialogue's stem, the run reads back its
# own file, and nothing lands beside the folder.
for name in "a/b test" "../up/p"; do
  rm -rf "$work/slash" && mkdir -p "$work/slash/out"
  "$SKYTRAK3D" run --planet 3 --elements "$elements" --name "$name" --span 1 --step 0.01 \
    --out "$work/slash/out" >/dev/null 2>"$work/err" || { echo "run --name \"$name\" failed"; cat "$work/err"; fail=1; }
  stem=$(printf '%-7.7s' "${name//\//_}")
  [ "$(ls -A "$work/slash/out")" = "$(printf '%s\n' "$stem.clo" "$stem.xyz")" ] && [ "$(ls -A "$work/slash")" = out ] ||
    { echo "run --name \"$name\" left other files:"; ls -AR "$work/slash"; fail=1; }
  cmp <(tail -n +2 "$work/cli-hand/ROCK   .xyz") <(tail -n +2 "$work/slash/out/$stem.xyz") ||
    { echo "run --name \"$name\": .xyz differs"; fail=1; }
done

# A readable number at the dialogue's name prompt, and in parentheses on the command line.
mkdir "$work/number" "$work/cli-number"
cp "$catalogue" "$work/number/nea.dat"
(cd "$work/number" && printf '3\n360191\n1,0.01\n' | "$SKYTRAK3D" >/dev/null 2>&1 || true)
"$SKYTRAK3D" run --planet 3 --object "(360191)" --span 1 --step 0.01 --catalogue "$catalogue" \
  --out "$work/cli-number" >/dev/null
cmp "$work/number/a0191  .xyz" "$work/cli-number/a0191  .xyz" || { echo "readable number: .xyz differs"; fail=1; }

# Wrong command lines: status 2, two lines on stderr, nothing written.
refuse() {
  local status=0
  "$SKYTRAK3D" run "$@" --catalogue "$catalogue" --out "$work/refused" >/dev/null 2>"$work/err" || status=$?
  if [ "$status" -ne 2 ] || [ "$(wc -l <"$work/err")" -ne 2 ] || [ -n "$(ls -A "$work/refused")" ]; then
    echo "not refused as it should be (status $status): $*"; cat "$work/err"; fail=1
  fi
}
refuse --planet 3 --object "no such rock" --span 1 --step 0.01
refuse --planet Vulcan --object 99942 --span 1 --step 0.01
refuse --planet 3 --object 99942 --span 1 --step 0.01 --save gif
refuse --planet 3 --object 99942 --span x --step 0.01
refuse --planet 3 --object 99942 --span 1000 --step 0.001
refuse --planet 3 --elements 1,1.5,3,4,5,6,2458666.5 --name BAD --span 1 --step 0.01
refuse --planet 3 --object 99942 --span 1 --step 0.01 --view P,3abc,1,1
exit $fail
