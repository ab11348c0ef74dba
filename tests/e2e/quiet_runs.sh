#!/usr/bin/env bash
# --quiet on run and survey: nothing on stdout and stderr but the survey's table and the
# errors, and the same files as without it.
source "$(dirname "$0")/lib/work_folder.bash"
export SOURCE_DATE_EPOCH=1700000000 TZ=UTC
unset DISPLAY
fail=0
for mode in loud quiet; do
  mkdir "$mode" && flag=() && [ "$mode" = quiet ] && flag=(--quiet)
  "$SKYTRAK3D" run "${flag[@]}" --planet 3 --object apophis --span 1 --step 0.1 --save svg,png --out "$mode" \
    >"$mode.out" 2>"$mode.err"
  "$SKYTRAK3D" survey "${flag[@]}" --catalogue nea.dat --from 2020-01-01 --to 2025-01-01 >"$mode.csv" 2>"$mode.summary"
done
grep -q 'END OF PLOTIX' loud.out && grep -q '^survey: 21 objects' loud.summary || { echo "no protocol or summary without --quiet"; fail=1; }
for file in quiet.out quiet.err quiet.summary; do [ -s "$file" ] && { echo "--quiet printed:"; cat "$file"; fail=1; }; done
diff -r loud quiet || { echo "run --quiet wrote other files"; fail=1; }
cmp loud.csv quiet.csv && [ "$(wc -l <quiet.csv)" -gt 1 ] || { echo "survey --quiet: another table"; fail=1; }
# Errors stay.
"$SKYTRAK3D" survey --quiet --catalogue missing.dat --from 2020-01-01 --to 2021-01-01 >out.txt 2>err.txt && fail=1
grep -q '^skytrak3d: .*missing.dat' err.txt || { echo "survey --quiet hid its error:"; cat err.txt; fail=1; }
exit "$fail"
