// PostScript writer: see ps_device.h. The header is written line by line; everything
// after it goes through the word assembly of put_words.
#include "devices/ps_device.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>

#include "devices/versioned_file.h"

namespace devices {

namespace {

constexpr double kPointsPerUnit = 0.1417322835;  // 72/508: 1/20 mm in PostScript points
constexpr int kSheetOriginX = 150;               // margin of the page on the sheet: 7.5 mm
constexpr int kSheetOriginY = 200;               // and 10 mm
constexpr double kVersion = 9.3;
constexpr double kBorderOverhang = 0.5;          // points: half the 0.709 pt line, rounded up
constexpr int kResetPath = 0;           // path code at the header: empty buffer, last point (0, 0)
constexpr int kFinishAndRelease = 999;  // path code at the trailer

// Device coordinates to the integer units of the file: + 0.5 and truncation.
int to_unit(double v) { return static_cast<int>(v + 0.5); }

// The drawing procedures. `u`, `d`, `p`, `f`, `tri` and `e` draw this library's
// pictures; `text`, `font`, `c`, `sec` and the font re-encoding are there for
// PostScript programs that build on the prolog.
constexpr const char* kProlog[] = {
    "/cm { 0.1417322835 mul } bind def",
    "/rgb { 255 div } bind def",
    "/lc ( ) def",
    "/u { newpath cm exch cm exch moveto } bind def",
    "/d { cm exch cm exch lineto } bind def",
    "/p { stroke } bind def",
    "/f { rgb 3 1 roll rgb 3 1 roll rgb 3 1 roll setrgbcolor } bind def",
    "/e { gsave f cm 4 1 roll cm 4 1 roll cm 4 1 roll cm 4 1 roll",
    "  newpath 3 index 3 index moveto 3 index 1 index lineto",
    "  1 index 1 index lineto 1 index 3 index lineto closepath fill",
    "  pop pop pop pop grestore } bind def",
    "/text { gsave /tc exch def /ta exch def cm exch cm exch translate ta rotate",
    "  tc 0 gt { dup stringwidth pop -2 div 0 moveto } { 0 0 moveto } ifelse",
    "  show grestore } bind def",
    "/font { cm exch findfont exch scalefont setfont } bind def",
    "/c { gsave 4 1 roll cm exch cm exch translate exch rotate lc 0 3 -1 roll put",
    "  lc dup stringwidth pop -2 div 0 moveto show grestore } bind def",
    "/sec { gsave f /sa2 exch def /sa1 exch def cm /sr2 exch def cm /sr1 exch def",
    "  cm exch cm exch translate newpath 0 0 sr2 sa1 sa2 arc",
    "  0 0 sr1 sa2 sa1 arcn closepath fill grestore } bind def",
    "/tri { gsave u d d closepath fill grestore } bind def",
    "/ReEncodeSmall { findfont dup length dict begin",
    "  { 1 index /FID ne { def } { pop pop } ifelse } forall",
    "  /Encoding Encoding 256 array copy def",
    "  exch 0 exch { dup type /integertype eq { exch pop }",
    "  { Encoding 2 index 3 -1 roll put 1 add } ifelse } forall pop",
    "  currentdict end definefont pop } bind def",
    "/GermanVec [ 8#177 /Adieresis 8#200 /Odieresis /Udieresis /adieresis",
    "  /odieresis /udieresis /germandbls /Aring /Oslash /AE /aring /oslash /ae",
    "  /Ntilde /ntilde /Ccedilla /ccedilla /Edieresis /Idieresis /edieresis",
    "  /idieresis /Aacute /Eacute /Iacute /Oacute /Uacute /aacute /eacute",
    "  /iacute /oacute /uacute /Agrave /Egrave /Igrave /Ograve /Ugrave /agrave",
    "  /egrave /igrave /ograve /ugrave /Acircumflex /Ecircumflex /Icircumflex",
    "  /Ocircumflex /Ucircumflex /acircumflex /ecircumflex /icircumflex",
    "  /ocircumflex /ucircumflex /Atilde /atilde /Otilde /otilde /Yacute",
    "  /yacute /ydieresis /exclamdown /questiondown ] def",
};

std::string format_text(const char* format, std::va_list args) {
  char buffer[256];
  const int n = std::vsnprintf(buffer, sizeof buffer, format, args);
  return std::string(buffer, n < 0 ? 0 : std::min<std::size_t>(n, sizeof buffer - 1));
}

std::string format_line(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string format_line(const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  std::string text = format_text(format, args);
  va_end(args);
  return text;
}

}  // namespace

bool PsDevice::turned() const { return params_.landscape && params_.iorient != 2; }

DeviceOpenResult PsDevice::open(const DeviceOpenParams& params) {
  params_ = params;
  line_.clear();
  page_count_ = 1;
  colour_r_ = colour_g_ = colour_b_ = -1;
  DeviceOpenResult result;
  result.colour_depth = 24;
  error_.clear();
  if (!open_chosen_version(sink_, params)) {
    error_ = sink_.error();
    result.status = kStatusFileError;
    return result;
  }
  is_open_ = true;
  write_header();
  move_draw(0, 0, kResetPath);
  return result;
}

void PsDevice::header_line(std::string_view text) {
  sink_.write(text);
  sink_.put('\n');
}

void PsDevice::write_header() {
  const double s = params_.xdevfac;
  const double scaled = s * params_.xpsscl;
  const int across = turned() ? params_.nypage : params_.nxpage;  // along the sheet's x
  const int up = turned() ? params_.nxpage : params_.nypage;
  // The comments of the document structuring conventions 3.0: viewers turn a landscape
  // page drawn across the portrait sheet upright, and know the sheet is A4.
  header_line(params_.idev == kFormatEps ? "%!PS-Adobe-3.0 EPSF-3.0" : "%!PS-Adobe-3.0");
  // The page border is drawn on the page's edges: half the default line width (and its
  // square caps) lies outside them, so the box is widened by kBorderOverhang and rounded
  // outward.
  header_line(format_line(
      "%s %d %d %d %d", "%%BoundingBox:",
      static_cast<int>(std::floor(kSheetOriginX * kPointsPerUnit - kBorderOverhang)),
      static_cast<int>(std::floor(kSheetOriginY * kPointsPerUnit - kBorderOverhang)),
      static_cast<int>(std::ceil((kSheetOriginX + across * scaled) * kPointsPerUnit + kBorderOverhang)),
      static_cast<int>(std::ceil((kSheetOriginY + up * scaled) * kPointsPerUnit + kBorderOverhang))));
  header_line("%%Creator: PLOTIX " + format_line(turned() ? " %4.1f L" : " %4.1f P", kVersion));
  header_line(format_line("%s %s , %s", "%%CreationDate:", params_.date.c_str(),
                          params_.time.c_str()));
  const char* orientation = turned() ? "Landscape" : "Portrait";
  header_line(std::string("%%Orientation: ") + orientation);
  if (params_.idev != kFormatEps) {
    header_line("%%DocumentMedia: A4 595 842 0 () ()");
    header_line("%%Pages: (atend)");
  }
  header_line("%%EndComments");
  header_line("%%BeginProlog");
  for (const char* line : kProlog) header_line(line);
  header_line("  150 cm   200 cm translate" +
              format_line(" %10.6f%10.6f scale", params_.xpsscl, params_.xpsscl));
  header_line("%%EndProlog");
  header_line("%%Page: 1 1");
  header_line(std::string("%%PageOrientation: ") + orientation);
  const bool black_page = (params_.idev == 502 || params_.idev == 503 || params_.idev == 504) &&
                          params_.background_mode != Background::light;
  if (black_page) {
    // Page height and width in device units: the corners of the page on the sheet.
    const int nypage_units = to_unit(params_.nypage * s);
    const int nxpage_units = to_unit(params_.nxpage * s);
    header_line(format_line(turned() ? "0 0 %d %d 0 0 0 e " : "0 %d %d 0 0 0 0 e ",
                            nypage_units, nxpage_units));
  } else if (params_.idev != kFormatEps) {
    // An EPS is placed inside another document, whose page it must not wipe.
    header_line("erasepage");
  }
  header_line("2 setlinecap 2 setlinejoin 5 cm setlinewidth");
}

void PsDevice::add_word(std::string_view word) {
  if (!line_.empty() && line_.size() + word.size() > kLineLength) end_line();
  line_.append(word);
}

void PsDevice::put_words(std::string_view text) {
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t blank = text.find(' ', start);
    const std::size_t end = blank == std::string_view::npos ? text.size() : blank + 1;
    const std::string_view word = text.substr(start, end - start);
    if (word != " ") add_word(word);
    start = end;
  }
}

void PsDevice::end_line() {
  sink_.write(line_);
  sink_.put('\n');
  line_.clear();
}

void PsDevice::command(const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  const std::string text = format_text(format, args);
  va_end(args);
  put_words(text);
}

void PsDevice::write_pending_path() {
  if (path_count_ == 0) return;
  command("%5d %5d u ", path_x_[0], path_y_[0]);
  for (int i = 1; i < path_count_; ++i) command("%5d %5d d ", path_x_[i], path_y_[i]);
  put_words("p ");
  last_x_ = path_x_[path_count_ - 1];
  last_y_ = path_y_[path_count_ - 1];
}

void PsDevice::move_draw(double x, double y, int code) {
  if (!is_open_) return;
  const int ix = to_unit(x);
  const int iy = to_unit(y);
  switch (code) {
    case kResetPath:
      path_count_ = 0;
      last_x_ = 0;
      last_y_ = 0;
      return;
    case kDraw:
      if (path_count_ == 0) {
        path_x_[0] = last_x_;
        path_y_[0] = last_y_;
        path_count_ = 1;
      }
      path_x_[path_count_] = ix;
      path_y_[path_count_] = iy;
      ++path_count_;
      if (path_count_ == kPathCapacity) {
        write_pending_path();
        path_x_[0] = ix;
        path_y_[0] = iy;
        path_count_ = 1;
      }
      return;
    default:
      write_pending_path();
      path_count_ = 0;
      if (code == kMove) {
        path_x_[0] = ix;
        path_y_[0] = iy;
        path_count_ = 1;
      }
      return;
  }
}

void PsDevice::set_colour_rgb(int r, int g, int b) {
  if (!is_open_) return;
  move_draw(0, 0, kFinishPath);
  command("%3d %3d %3d f ", r, g, b);
  colour_r_ = r;
  colour_g_ = g;
  colour_b_ = b;
}

void PsDevice::set_line_width(double width, bool integer_form) {
  if (!is_open_) return;
  move_draw(0, 0, kFinishPath);
  if (integer_form)
    command("%5d cm ", static_cast<int>(width));
  else
    command("%8.2f cm ", width);
  put_words("setlinewidth ");
}

// Fills finish the pending path first so that lines drawn before a fill are not
// written after it (and painted over it).
void PsDevice::fill_triangle(const double xs[3], const double ys[3], int /*value*/, int r, int g,
                             int b) {
  if (!is_open_) return;
  if (r != colour_r_ || g != colour_g_ || b != colour_b_) set_colour_rgb(r, g, b);
  move_draw(0, 0, kFinishPath);
  command("%5d %5d %5d %5d %5d %5d tri ", to_unit(xs[0]), to_unit(ys[0]), to_unit(xs[1]),
          to_unit(ys[1]), to_unit(xs[2]), to_unit(ys[2]));
}

void PsDevice::begin_polygon(int /*n*/) {
  if (!is_open_) return;
  move_draw(0, 0, kFinishPath);
  polygon_started_ = false;
}

void PsDevice::polygon_point(double x, double y) {
  if (!is_open_) return;
  const int ix = to_unit(x);
  const int iy = to_unit(y);
  if (!polygon_started_) {
    polygon_first_x_ = ix;
    polygon_first_y_ = iy;
    polygon_started_ = true;
    command("%5d %5d u ", ix, iy);
  } else {
    command("%5d %5d d ", ix, iy);
  }
}

void PsDevice::end_polygon() {
  if (!is_open_ || !polygon_started_) return;
  command("%5d %5d d ", polygon_first_x_, polygon_first_y_);
  put_words("eofill ");
  polygon_started_ = false;
}

void PsDevice::fill_rectangle(double x1, double y1, double x2, double y2, int /*value*/, int r,
                              int g, int b) {
  if (!is_open_) return;
  move_draw(0, 0, kFinishPath);
  command("%5d %5d %5d %5d %3d %3d %3d e ", to_unit(x1), to_unit(y1), to_unit(x2), to_unit(y2),
          r, g, b);
}

void PsDevice::write_trailer() {
  move_draw(0, 0, kFinishAndRelease);
  put_words("gsave showpage grestore ");
  if (params_.idev != kFormatEps) {
    end_line();
    put_words("%%Trailer ");
    end_line();
    command("%s %8d ", "%%Pages:", page_count_);
    end_line();
    put_words("%%EOF ");
  }
  end_line();
}

int PsDevice::close() {
  if (!is_open_) return kStatusOk;
  write_trailer();
  is_open_ = false;
  if (sink_.close()) return kStatusOk;
  error_ = sink_.error();
  return kStatusFileError;
}

}  // namespace devices
