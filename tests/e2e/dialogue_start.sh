# Transcripts of the program's start: the planet question, Pluto, unreadable answers
# and the end of the input.
source "$(dirname "$0")/lib/transcript.bash"

mkdir -p "$scratch/run"
cp "$SKYTRAK_SOURCE_DIR/data/nea.dat" "$scratch/run/nea.dat"

# 0 and 10 repeat the question alone; 3 is taken; then the input ends at the name prompt.
{ greeting; planet_question; planet_question; planet_question; earth_accepted; name_prompt; } >"$scratch/expected"
echo 'skytrak3d: end of input (NEA name (for example 00433, K02A29A))' >"$scratch/expected_err"
check "planet 0, 10, 3" $'0\n10\n3\n' 1 "$scratch/expected" "$scratch/expected_err"

# Pluto: the two lines, then the line for a planet drawn not at scale.
{
  greeting; planet_question
  echo ' HEY! that boy is no longer a planet!!!!'
  echo ' ... all right, it is ok'
  printf '  \n distance unit = Sun-planet distance\n     * diameters of Sun and planet NOT at scale *\n'
  name_prompt
} >"$scratch/expected"
check "planet 9" $'9\n' 1 "$scratch/expected" "$scratch/expected_err"

# Letters for the planet: a message naming the question, no repeated question.
{ greeting; planet_question; } >"$scratch/expected"
echo 'skytrak3d: cannot read "three" as an integer (Reference Planet? (from 1 to 9, Earth=3))' >"$scratch/expected_err"
check "garbage" $'three\n3\n' 1 "$scratch/expected" "$scratch/expected_err"

echo 'skytrak3d: end of input (Reference Planet? (from 1 to 9, Earth=3))' >"$scratch/expected_err"
check "no input" '' 1 "$scratch/expected" "$scratch/expected_err"

finish
