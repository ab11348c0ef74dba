# Transcripts of the name prompt with the sample catalogue: a designation typed after a
# blank, the listing with exactly 20 lines and with a_min > a_max, a missing catalogue.
source "$(dirname "$0")/lib/transcript.bash"

mkdir -p "$scratch/run"
cp "$SKYTRAK_SOURCE_DIR/data/nea.dat" "$scratch/run/nea.dat"

not_found() { echo ' I did not find that object, try again...'; }
range_question() { echo '  please enter: a_min,a_max (example: 0.9,1.1 )'; }
heading() { echo ' NAME        a         e         i'; }
end_at_name_prompt() { echo 'skytrak3d: end of input (NEA name (for example 00433, K02A29A))'; }

# " 00433" with a leading blank is not 00433.
{ greeting; planet_question; earth_accepted; name_prompt; not_found; name_prompt; } >"$scratch/expected"
end_at_name_prompt >"$scratch/expected_err"
check "leading blank" $'3\n 00433\n' 1 "$scratch/expected" "$scratch/expected_err"

# Every sample object but 4179 Toutatis has 0.9 <= a <= 2: twenty lines, one pause.
{
  greeting; planet_question; earth_accepted; name_prompt; range_question; heading
  cat <<'TEXT'
00433     1.458182 0.222739  10.82858
99942     0.922517 0.191472   3.33690
a7943     0.910347 0.089357  11.60901
03200     1.271346 0.889895  22.26029
A1955     1.125927 0.203697   6.03414
G2173     1.189574 0.190376   5.88422
25143     1.324125 0.280145   1.62135
01566     1.078078 0.826959  22.82684
01620     1.245344 0.335461  13.33726
03122     1.768983 0.423016  22.14155
65803     1.644288 0.383993   3.40856
03753     0.997692 0.514804  19.80561
k9219     1.001309 0.103439   7.78189
35396     1.442687 0.483950   4.09889
U8635     1.157125 0.430506   0.34025
F3814     1.712053 0.467115   1.92013
D7108     1.458696 0.562134  39.93100
04660     1.488683 0.360249   1.43214
01862     1.470035 0.559843   6.35521
K02A29A   0.992514 0.013005  10.74814
 press enter to continue...
TEXT
  name_prompt; range_question; heading; name_prompt
} >"$scratch/expected"
check "listings" $'3\n2\n0.9 2\n\n2\n2,1\n' 1 "$scratch/expected" "$scratch/expected_err"

# No catalogue: an empty one is created, with one hint naming the folder.
rm "$scratch/run/nea.dat"
{ greeting; planet_question; earth_accepted; name_prompt; not_found; name_prompt; not_found; name_prompt; } \
  >"$scratch/expected"
folder=$(cd "$scratch/run" && pwd -P)
{
  echo "skytrak3d: no catalogue in $folder: created an empty nea.dat there; put one-line MPC orbits into it"
  end_at_name_prompt
} >"$scratch/expected_err"
check "missing catalogue" $'3\n00433\n00433\n' 1 "$scratch/expected" "$scratch/expected_err"
if [ ! -f "$scratch/run/nea.dat" ] || [ -s "$scratch/run/nea.dat" ]; then
  echo "FAIL missing catalogue: nea.dat was not created empty"; failures=$((failures + 1))
fi

finish
