#!/usr/bin/env bash
# Whole-program sessions without a display: (433) Eros from the sample catalogue, a
# ten-year run, a still view from above the Sun, then every save answer of the menu.
# Checks the transcript byte for byte, the names of the files written (the blanks of the
# seven-character name kept, versions "_1" on a second save), each file through its
# outside reader, the Sun's colour per save, and that a save after an animated screen
# plot holds one still frame.
source "$(dirname "$0")/lib/program_session.bash"

cycle_start() { greeting; planet_question; earth_accepted; name_prompt; eros_summary; run_block "$1"; view_block; }

# --- Every save answer, then BMP and PDF once more (version names), then quit. -------
run_session $'3\n00433\n10,0.1\nS,-1,0,5,N\n1\n2\n3\n4\n1\n2\n8\n'
mapfile -t vec < <(vector_counts "$scratch/out")
if [ "${#vec[@]}" != 7 ]; then fail "saves: ${#vec[@]} protocols, expected 7"; vec=(0 0 0 0 0 0 0); fi
# One and the same still picture: the same number of vectors on the screen and in every file.
for v in "${vec[@]}"; do [ "$v" = "${vec[0]}" ] && [ "$v" -gt 1000 ] || fail "saves: vector counts ${vec[*]}"; done
{
  cycle_start 0.1
  protocol CONS "${vec[0]}"; menu_block
  protocol "BMP " "${vec[1]}" '00433  .bmp'; menu_block
  protocol "PDF " "${vec[2]}" '00433  .pdf'; menu_block
  protocol "PS  " "${vec[3]}" '00433  .ps'; menu_block
  protocol "WMF " "${vec[4]}" '00433  .wmf'; menu_block
  protocol "BMP " "${vec[5]}" '00433 _1.bmp'; menu_block
  protocol "PDF " "${vec[6]}" '00433 _1.pdf'; menu_block
} >"$scratch/expected"
no_display_line >"$scratch/expected_err"
compare "every save" 0 "$scratch/expected" "$scratch/expected_err"

# The files of the session: result files and pictures, the 7-character stem with its
# blanks, no trailing blank after "ps", version 1 of the second BMP and PDF.
(cd "$scratch/run" && ls -1) >"$scratch/files"
printf '%s\n' '00433  .bmp' '00433  .clo' '00433  .pdf' '00433  .ps' '00433  .wmf' '00433  .xyz' \
  '00433 _1.bmp' '00433 _1.pdf' 'nea.dat' | LC_ALL=C sort >"$scratch/expected_files"
LC_ALL=C sort "$scratch/files" | cmp -s - "$scratch/expected_files" || {
  fail "files written:"; LC_ALL=C sort "$scratch/files" | diff "$scratch/expected_files" -
}

cd "$scratch/run"
accept_bmp '00433  .bmp'
accept_bmp '00433 _1.bmp'
cmp -s '00433  .bmp' '00433 _1.bmp' || fail "the two BMP saves of the same picture differ"
accept_pdf '00433  .pdf'
accept_pdf '00433 _1.pdf'
accept_ps '00433  .ps'
accept_wmf '00433  .wmf'

# The Sun: yellow in the BMP save (menu 1), drawn with WHITE in a PDF save, which is
# black on paper: every filled patch of the page (the Sun is the only filled shape when
# the Earth is the reference planet) is filled with 0 0 0, and nothing is yellow.
yellow=$(convert '00433  .bmp' -format %c histogram:info:- | grep -ci '#FFFF00' || true)
[ "$yellow" -ge 1 ] || fail "no yellow Sun in the BMP save"
qpdf --qdf --object-streams=disable '00433  .pdf' "$scratch/plain.pdf"
fills=$(grep -a -c '^f\*$' "$scratch/plain.pdf" || true)
before=$(awk '/ rg$/ { fill = $0 } /^f\*$/ { print fill }' "$scratch/plain.pdf" | sort -u)
[ "$fills" -ge 1 ] || fail "no filled Sun in the PDF save"
[ "$before" = "0 0 0 rg" ] || fail "PDF Sun fill colours: $before"
! grep -a -q '^1 1 0 rg$' "$scratch/plain.pdf" || fail "a yellow fill in the PDF save"
cd - >/dev/null

# --- Animated screen plot of a one-year run, then a PDF save and a REPLOT. --------------
rm -f "$scratch/run/00433"*
run_session $'3\n00433\n1,0.1\nS,-1,0,5,Y\n2\n0\n8\n'
mapfile -t vec < <(vector_counts "$scratch/out")
if [ "${#vec[@]}" != 3 ]; then fail "animated: ${#vec[@]} protocols, expected 3"; vec=(0 0 0); fi
# Eleven frames on the screen: the first whole, then each adds its segment, the last is
# the whole picture again; far fewer vectors than eleven whole frames. The save and the
# REPLOT after it are one still frame.
[ "${vec[0]}" -gt $((2 * ${vec[1]})) ] && [ "${vec[0]}" -lt $((4 * ${vec[1]})) ] ||
  fail "animated plot of 11 frames: vector counts ${vec[*]}"
[ "${vec[1]}" = "${vec[2]}" ] || fail "save and REPLOT after it: vector counts ${vec[*]}"
{
  cycle_start 0.1
  protocol CONS "${vec[0]}"; menu_block
  protocol "PDF " "${vec[1]}" '00433  .pdf'; menu_block
  protocol CONS "${vec[2]}"; menu_block
} >"$scratch/expected"
{ no_display_line; no_display_line; } >"$scratch/expected_err"
compare "animated, save, replot" 0 "$scratch/expected" "$scratch/expected_err"
accept_pdf "$scratch/run/00433  .pdf"
mv "$scratch/run/00433  .pdf" "$scratch/after_animation.pdf"

# The same PDF, byte for byte, as the save after a still view.
rm -f "$scratch/run/00433  ".*
run_session $'3\n00433\n1,0.1\nS,-1,0,5,N\n2\n8\n'
[ "$status" = 0 ] || fail "still view and save: exit status $status"
cmp -s "$scratch/run/00433  .pdf" "$scratch/after_animation.pdf" ||
  fail "the PDF saved after an animated plot differs from the one saved after a still plot"

finish
