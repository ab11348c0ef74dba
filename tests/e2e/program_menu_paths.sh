#!/usr/bin/env bash
# Whole-program session through the menu's other paths without a display: a new view
# (5), a new time span for the same object (6), a new object (7), then quit (8).
source "$(dirname "$0")/lib/program_session.bash"

# The summary of the catalogue record of 3200 Phaethon (fourth line of data/nea.dat).
phaethon_summary() {
  cat <<'TEXT'
 ASTEROID:03200  
     NAME:  (3200) Phaethon           
        a:  1.271346
        e:  0.8898946
        i:  22.26029
 long nod:  265.21623
 arg perh:  322.18571
        M:  359.31608
    epoch:  2458666.5
TEXT
}

run_session $'3\n00433\n1,0.1\nS,-1,0,5,N\n5\nP,3,-3,1.5,N\n6\n2,0.5\nA,1,1,1,N\n7\n03200\n1,0.5\nS,-1,0,5,N\n8\n'
mapfile -t vec < <(vector_counts "$scratch/out")
if [ "${#vec[@]}" != 4 ]; then fail "menu paths: ${#vec[@]} protocols, expected 4"; vec=(0 0 0 0); fi
{
  greeting; planet_question; earth_accepted; name_prompt; eros_summary
  run_block 0.1; view_block; protocol CONS "${vec[0]}"; menu_block
  view_block; protocol CONS "${vec[1]}"; menu_block                # 5: the view dialogue only
  run_block 0.5; view_block; protocol CONS "${vec[2]}"; menu_block # 6: span, run, view
  name_prompt; phaethon_summary                                     # 7: no planet question
  run_block 0.5; view_block; protocol CONS "${vec[3]}"; menu_block
} >"$scratch/expected"
for _ in 1 2 3 4; do no_display_line; done >"$scratch/expected_err"
compare "menu 5, 6, 7, 8" 0 "$scratch/expected" "$scratch/expected_err"

# Menu 6 ran the same object again over two years in steps of 0.5: the heading and the
# five points T = 0 .. 2, the same file as a first run with that span, since every run
# starts again from the epoch elements.
cd "$scratch/run"
[ "$(wc -l <'00433  .xyz')" = 6 ] || fail "coordinates file after menu 6: $(wc -l <'00433  .xyz') lines, expected 6"
[ "$(wc -l <'03200  .xyz')" = 4 ] || fail "coordinates file of the new object: $(wc -l <'03200  .xyz') lines, expected 4"
mv '00433  .xyz' "$scratch/after_menu6.xyz"
cd - >/dev/null
run_session $'3\n00433\n2,0.5\nS,-1,0,5,N\n8\n'
[ "$status" = 0 ] || fail "first run of two years: exit status $status"
cmp -s "$scratch/run/00433  .xyz" "$scratch/after_menu6.xyz" ||
  fail "the run of menu 6 differs from a first run over the same span"

# Menu answers outside 0..7, 9 and 10 end the program like 8, silently.
for answer in -1 11 12; do
  run_session $'3\n00433\n1,0.5\nS,-1,0,5,N\n'"$answer"$'\n'
  [ "$status" = 0 ] || fail "menu $answer: exit status $status"
  [ "$(tail -n 1 "$scratch/out")" = "     SAVE AS SVG: 10" ] || fail "menu $answer: output after the menu"
done

finish
