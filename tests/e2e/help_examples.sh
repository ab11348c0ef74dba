#!/usr/bin/env bash
# Every example that ends a subcommand's --help runs as printed, in a folder holding the
# sample catalogue as nea.dat: status 0, and output or files to show for it.
source "$(dirname "$0")/lib/work_folder.bash"
unset DISPLAY
fail=0
for command in find run survey coorbital; do
  mapfile -t examples < <("$SKYTRAK3D" "$command" --help | sed -n '/^Examples/,$ s/^  skytrak3d //p')
  [ "${#examples[@]}" -ge 2 ] && [ "${#examples[@]}" -le 3 ] ||
    { echo "$command --help: ${#examples[@]} examples"; fail=1; }
  for example in "${examples[@]}"; do
    rm -rf out && mkdir out && cd out && cp ../nea.dat .
    eval "\"\$SKYTRAK3D\" $example" >stdout.txt 2>stderr.txt && status=0 || status=$?
    # What the example leaves: its output, and any files beside the catalogue.
    made=$(find . -type f ! -name nea.dat ! -name 'std*.txt' -size +0 | wc -l)
    if [ "$status" -ne 0 ] || { [ ! -s stdout.txt ] && [ "$made" -eq 0 ]; }; then
      echo "skytrak3d $example: status $status, $made files"; cat stderr.txt; fail=1
    fi
    cd ..
  done
done
exit "$fail"
