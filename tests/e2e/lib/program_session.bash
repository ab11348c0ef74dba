# Shared by the whole-program session scripts: the texts of one cycle for the sample
# catalogue's (433) Eros with the Earth as reference planet, the end-of-run protocol of
# the plotting library, and checks of the saved pictures by their outside readers.
source "$(dirname "${BASH_SOURCE[0]}")/transcript.bash"

# Fixed dates in the page header and the protocol: 1700000000 s is 14.11.2023 22:13:20 UTC.
export SOURCE_DATE_EPOCH=1700000000 TZ=UTC
# No display: the screen plot says so on stderr and returns at once.
export SDL_VIDEODRIVER=x11
unset DISPLAY

mkdir -p "$scratch/run"
cp "$SKYTRAK_SOURCE_DIR/data/nea.dat" "$scratch/run/nea.dat"

no_display_line() {
  echo 'skytrak3d: the plot cannot be shown, there is no display (x11 not available); the menu'"'"'s save answers still work'
}

# The summary of the catalogue record of 433 Eros (first line of data/nea.dat).
eros_summary() {
  cat <<'TEXT'
 ASTEROID:00433  
     NAME:   (433) Eros               
        a:  1.4581823
        e:  0.2227385
        i:  10.82858
 long nod:  304.30424
 arg perh:  178.83549
        M:  84.1719
    epoch:  2458666.5
TEXT
}

# The time-span dialogue and the start line of a run with output step $1 (as printed).
run_block() {
  cat <<'TEXT'
  
 NUMERICAL INTEGRATION >>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>
                      T=0 corresponds to JD=  2458666.5
                  time is in Julian years (365.25 days)
 please indicate in one line:
 -> time span to plot in years (negative for backwards)
 -> output timestep in years
 example: -100,0.02
TEXT
  echo " ...numerical integration going on with output   $1 years"
}

view_block() {
  cat <<'TEXT'
  
 3D VIEW OPTIONS >>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>
                    plane XY = Planet's orbital plane
                             Sun's position: (-1,0,0)
                           Planet's position: (0,0,0)
 please indicate in one line:
 -> view's focus: Sun (S), Planet (P) or Asteroid (A)
 -> observer's position in relative units: x,y,z
 -> animated plot key (Y or N)
 example: P,3,-3,1.5,Y
 from above the Sun: S,-1,0,5,Y
TEXT
}

menu_block() {
  cat <<'TEXT'
 CHOOSE AN OPTION
          REPLOT: 0
     SAVE AS BMP: 1
     SAVE AS PDF: 2
     SAVE AS  PS: 3
     SAVE AS WMF: 4
        NEW VIEW: 5
   NEW TIME SPAN: 6
         NEW NEA: 7
            QUIT: 8
     SAVE AS PNG: 9
     SAVE AS SVG: 10
TEXT
}

# protocol FORMAT VECTORS [FILE]: the end-of-run protocol of one plot, no warnings.
protocol() {
  local line
  line=$(printf '%66s' '' | tr ' ' '<')
  printf '\n %s' "$line"
  printf '\n <<                END OF PLOTIX / VERSION %4.1f %s                <<' 9.3 B
  printf '\n <<  Date    : %10s  Time    : %8s  Pageformat: %4s  <<' 14.11.2023 22:13:20 DA4L
  printf '\n <<  Vectors : %-10s  Warnings: %-8s  Fileformat: %4s  <<' "$2" 0 "$1"
  printf '\n <<  %-58s  <<' "Metafile: ${3:-}"
  printf '\n %s\n\n' "$line"
}

# The vector counts of the protocols in a transcript, in order. They depend on the
# whole drawing (font, clipping, dashing), so the scripts take them from the output and
# check how they relate: the same picture gives the same count on every device.
vector_counts() { sed -n 's/^ <<  Vectors : \([0-9]*\) .*/\1/p' "$1"; }

# run_session INPUT: runs the program in $scratch/run; stdout, stderr and the status
# end up in $scratch/out, $scratch/err and $status.
run_session() {
  status=0
  (cd "$scratch/run" && printf '%s' "$1" | "$SKYTRAK3D" >"$scratch/out" 2>"$scratch/err") || status=$?
}

# compare NAME EXPECTED_STATUS EXPECTED_STDOUT EXPECTED_STDERR: checks the last session.
compare() {
  if [ "$status" != "$2" ]; then
    echo "FAIL $1: exit status $status, expected $2"; failures=$((failures + 1))
  fi
  if ! cmp -s "$scratch/out" "$3"; then
    echo "FAIL $1: stdout differs"; diff "$3" "$scratch/out" | head -20 || true; failures=$((failures + 1))
  fi
  if ! cmp -s "$scratch/err" "$4"; then
    echo "FAIL $1: stderr differs"; diff "$4" "$scratch/err" | head -20 || true; failures=$((failures + 1))
  fi
}

fail() { echo "FAIL $*"; failures=$((failures + 1)); }

# Outside readers, one per format; each returns non-zero and says why when the file is
# not accepted. The rendered PNG (if any) is left in $scratch/render.png.
accept_bmp() {
  local got
  got=$(identify -format '%m %wx%h %z %[type]' "$1" 2>&1) || { fail "identify $1: $got"; return 1; }
  [ "$got" = "BMP3 1600x1200 8 Palette" ] || { fail "identify $1: $got"; return 1; }
}

accept_pdf() {
  qpdf --check "$1" >"$scratch/qpdf.txt" 2>&1 || { fail "qpdf --check $1"; cat "$scratch/qpdf.txt"; return 1; }
  pdftoppm -png -r ${2:-20} -singlefile "$1" "$scratch/render" 2>"$scratch/reader.err" || { fail "pdftoppm $1"; return 1; }
  [ ! -s "$scratch/reader.err" ] || { fail "pdftoppm $1 says:"; cat "$scratch/reader.err"; return 1; }
}

accept_ps() {
  gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=png16m -r${2:-20} -o "$scratch/render.png" "$1" \
    >"$scratch/reader.err" 2>&1 || { fail "gs $1"; cat "$scratch/reader.err"; return 1; }
  [ ! -s "$scratch/reader.err" ] || { fail "gs $1 says:"; cat "$scratch/reader.err"; return 1; }
  [ -s "$scratch/render.png" ] || { fail "gs $1: no page"; return 1; }
}

accept_wmf() {
  rm -f "$scratch/render.png"
  wmf2gd -t png -o "$scratch/render.png" "$1" >"$scratch/reader.err" 2>&1 || { fail "wmf2gd $1"; cat "$scratch/reader.err"; return 1; }
  [ -s "$scratch/render.png" ] || { fail "wmf2gd $1: no picture"; return 1; }
}

accept_png() {
  local got
  pngcheck -q "$1" >"$scratch/reader.err" 2>&1 || { fail "pngcheck $1"; cat "$scratch/reader.err"; return 1; }
  got=$(identify -format '%m %wx%h %[png:IHDR.color_type] %[png:pHYs] %[Software]' "$1" 2>&1) || { fail "identify $1: $got"; return 1; }
  [ "$got" = "PNG 1600x1131 2 (Truecolor) x_res=5715, y_res=5715, units=1 PLOTIX" ] || { fail "identify $1: $got"; return 1; }
}

# accept_svg FILE WIDTH: xmllint parses it, rsvg-convert draws it WIDTH pixels wide.
accept_svg() {
  xmllint --noout "$1" >"$scratch/reader.err" 2>&1 || { fail "xmllint $1"; cat "$scratch/reader.err"; return 1; }
  rsvg-convert -w "$2" -o "$scratch/render.png" "$1" >"$scratch/reader.err" 2>&1 || { fail "rsvg-convert $1"; cat "$scratch/reader.err"; return 1; }
  [ ! -s "$scratch/reader.err" ] || { fail "rsvg-convert $1 says:"; cat "$scratch/reader.err"; return 1; }
}
