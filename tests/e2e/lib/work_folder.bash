# Shared by the shell tests that run the program directly: checks that the program and
# the sources are named, then works in a fresh folder with the sample catalogue, removed
# at the end.
set -euo pipefail
: "${SKYTRAK3D:?path of the program}"
: "${SKYTRAK_SOURCE_DIR:?source folder}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$SKYTRAK_SOURCE_DIR/data/nea.dat" "$work/nea.dat"
cd "$work"
