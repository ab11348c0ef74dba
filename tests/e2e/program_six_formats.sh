#!/usr/bin/env bash
# One and the same picture of the program saved as BMP, PDF, PostScript, WMF, PNG and SVG: each
# file rasterised at low resolution by its outside reader, and the elements found by
# colour (the axis box, the green path, the red circle around the Earth, the Sun) must
# lie at the same places relative to the box. The pages differ in size and margins, the
# PostScript page is turned onto portrait paper, and libwmf sizes its image to the drawn
# extent with x and y scaled separately, so only relative places are compared.
source "$(dirname "$0")/lib/program_session.bash"
elements="$(dirname "$0")/lib/picture_elements.py"

run_session $'3\n00433\n10,0.1\nP,6,-6,4,N\n1\n2\n3\n4\n9\n10\n8\n'
[ "$status" = 0 ] || fail "session: exit status $status"
cd "$scratch/run"
accept_bmp '00433  .bmp'
accept_pdf '00433  .pdf' 40
cp "$scratch/render.png" "$scratch/pdf.png"
accept_ps '00433  .ps' 40
cp "$scratch/render.png" "$scratch/ps.png"
accept_wmf '00433  .wmf'
cp "$scratch/render.png" "$scratch/wmf.png"
accept_png '00433  .png'
accept_svg '00433  .svg' 800
cp "$scratch/render.png" "$scratch/svg.png"

# Nearest-pixel sampling keeps the BMP's palette colours unmixed; the renderers draw
# without anti-aliasing. The PostScript page is turned back to landscape.
convert '00433  .bmp' -sample 50% "$scratch/bmp.ppm"
convert "$scratch/pdf.png" "$scratch/pdf.ppm"
convert "$scratch/ps.png" -rotate 90 "$scratch/ps.ppm"
convert "$scratch/wmf.png" "$scratch/wmf.ppm"
convert '00433  .png' -sample 50% "$scratch/png.ppm"
convert "$scratch/svg.png" "$scratch/svg.ppm"
cd - >/dev/null

# In the 8-bit BMP the box is red (the nearest colour of the rainbow table) and the Sun
# yellow (menu 1); in the paper formats the Sun is drawn with WHITE, which is black there.
bmp=$(python3 "$elements" "$scratch/bmp.ppm" red yellow)
pdf=$(python3 "$elements" "$scratch/pdf.ppm" magenta black)
ps=$(python3 "$elements" "$scratch/ps.ppm" magenta black)
wmf=$(python3 "$elements" "$scratch/wmf.ppm" magenta black)
# The PNG keeps the screen's colours: a magenta box and a yellow Sun; the SVG is paper.
png=$(python3 "$elements" "$scratch/png.ppm" magenta yellow)
svg=$(python3 "$elements" "$scratch/svg.ppm" magenta black)
printf 'ratio  path x0 y0 x1 y1  circle x y  Sun x y\nBMP %s\nPDF %s\nPS  %s\nWMF %s\nPNG %s\nSVG %s\n' \
  "$bmp" "$pdf" "$ps" "$wmf" "$png" "$svg"

# agree NAME REFERENCE OTHER FIRST_FIELD [X_TOLERANCE Y_TOLERANCE]: every field from
# FIRST_FIELD on that both found ("-" = not found) within the tolerance, in units of the
# box (0.02 unless given; x fields are the even ones, y fields the odd ones after the
# ratio); the Sun must be found in both.
agree() {
  awk -v name="$1" -v first="$4" -v a="$2" -v b="$3" -v xtol="${5:-0.02}" -v ytol="${6:-0.02}" 'BEGIN {
    n = split(a, ra, " "); split(b, rb, " "); bad = 0
    if (ra[n] == "-" || rb[n] == "-") { print "FAIL " name ": Sun not found"; bad = 1 }
    for (i = first; i <= n; i++) {
      if (ra[i] == "-" || rb[i] == "-") continue
      d = ra[i] - rb[i]; if (d < 0) d = -d
      # The ratio (about 2) moves twice as far as a y field when the height is off.
      tol = i == 1 ? 2 * ytol : (i % 2 == 1 ? ytol : xtol)
      if (d > tol) { printf "FAIL %s: field %d is %s, PDF has %s\n", name, i, rb[i], ra[i]; bad = 1 }
    }
    exit bad }' || failures=$((failures + 1))
}
agree BMP "$pdf" "$bmp" 1
agree PS "$pdf" "$ps" 1
agree WMF "$pdf" "$wmf" 1
# The new formats are held to 2 pixels of the PDF's picture: its box is 225 x 114 pixels
# at 40 dpi, so 2/225 across and 2/114 down.
agree PNG "$pdf" "$png" 1 0.0089 0.0175
agree SVG "$pdf" "$svg" 1 0.0089 0.0175

finish
