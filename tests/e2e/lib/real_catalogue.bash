# Sourced by the whole-program tests that need the published catalogue: sets
# $catalogue, or ends the test as skipped (status 77, CTest's skip code), with a message,
# when it is not available.
catalogue="${SKYTRAK_SHARED_DATA:-$(dirname "${BASH_SOURCE[0]}")/../../../../shared/data}/NEA-2019-07-02.txt"
if [ ! -r "$catalogue" ]; then
  echo "SKIPPED: $catalogue is not available"
  exit 77
fi
: "${SKYTRAK3D:?path of the program}"
