# Shared by the transcript scripts: run the program on a stdin script in a scratch
# folder and compare stdout, stderr and the exit status with what is expected.
set -euo pipefail

: "${SKYTRAK3D:?set SKYTRAK3D to the program}"
: "${SKYTRAK_SOURCE_DIR:?set SKYTRAK_SOURCE_DIR to the source folder}"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0

# The greeting and the planet question, as the program writes them.
greeting() {
  cat <<'TEXT'
 --------------------SKYTRAK3D----------------------
         home page: https://example.org/skytrak3d
             version 5 - Mar. 26, 2022
      written by the SKYTRAK3D developers, C++20
          3D views of small bodies orbits 
     SKYTRAK uses the numerical integrator ZENTO 
            and PLOTIX graphic library
 ----------------------------------------------------
  
 SKYTRAK needs the file NEA.DAT, you can download it
 from  https://minorplanetcenter.net/iau/MPCORB/NEA.txt
                   OR  
 You can introduce orbital elements by hand or 
 append to NEA.DAT any file with MPC format. 
  
TEXT
}

planet_question() { echo ' Reference Planet? (from 1 to 9, Earth=3)'; }

earth_accepted() {
  printf '  \n distance unit = Sun-planet distance\n               * scale is preserved *         \n'
}

name_prompt() {
  printf '  \n     NEA name (for example 00433, K02A29A)\n or  type 1  to introduce elements by hand\n'
  printf ' or type 2 to see a selection of asteroids\n'
}

# check NAME INPUT EXPECTED_STATUS EXPECTED_STDOUT_FILE EXPECTED_STDERR_FILE
# runs the program in $scratch/run (which the caller prepares) with INPUT on stdin.
check() {
  local name=$1 input=$2 status=$3 out=$4 err=$5 got=0
  (cd "$scratch/run" && printf '%s' "$input" | "$SKYTRAK3D" >"$scratch/out" 2>"$scratch/err") || got=$?
  if [ "$got" != "$status" ]; then
    echo "FAIL $name: exit status $got, expected $status"; failures=$((failures + 1))
  fi
  if ! cmp -s "$scratch/out" "$out"; then
    echo "FAIL $name: stdout differs"; diff "$out" "$scratch/out" | head -20; failures=$((failures + 1))
  fi
  if ! cmp -s "$scratch/err" "$err"; then
    echo "FAIL $name: stderr differs"; diff "$err" "$scratch/err" | head -20; failures=$((failures + 1))
  fi
}

finish() {
  if [ "$failures" -ne 0 ]; then echo "$failures failure(s)"; exit 1; fi
  echo "all transcripts match"
}
