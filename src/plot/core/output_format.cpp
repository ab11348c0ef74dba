// The output-format keyword table and the routines that choose the format, the
// file name and the window size for the next disini (metafl, setfil, winsiz).
#include "plot/core/output_format.h"

#include <cstring>

#include "plot/core/levels.h"
#include "plot/core/warnings.h"

namespace plotix {
namespace {

struct Format {
  const char* keyword;
  int code;
};

// Searched in this order; the first equal keyword wins.
constexpr Format kFormats[37] = {
    {"GKSL", 201}, {"CGM ", 211}, {"KYOC", 301}, {"HPGL", 401}, {"HPA4", 402}, {"HPA3", 403},
    {"HPA2", 404}, {"HPA1", 405}, {"CONS", 101}, {"TEKT", 151}, {"VT34", 103}, {"LN03", 161},
    {"POST", 501}, {"PSCL", 502}, {"XWIN", 72},  {"XWI1", 72},  {"XWI2", 73},  {"XWI3", 74},
    {"XWI4", 75},  {"XWI5", 76},  {"XWI6", 77},  {"XWI7", 78},  {"XWI8", 79},  {"XWND", 80},
    {"TIFF", 601}, {"IMAG", 602}, {"VIRT", 603}, {"PNG ", 604}, {"JAVA", 701}, {"WMF ", 221},
    {"PPM ", 605}, {"PDF ", 511}, {"EPS ", 503}, {"BMP ", 606}, {"PS  ", 504}, {"SVG ", 801},
    {"GIF ", 607},
};

struct Extension {
  int code;
  const char* ext;
};

constexpr Extension kExtensions[23] = {
    {201, "met"}, {211, "cgm"}, {301, "kyo"}, {401, "hpg"}, {402, "hpg"}, {403, "hpg"},
    {404, "hpg"}, {405, "hpg"}, {151, "tek"}, {161, "ln3"}, {501, "psc"}, {502, "psc"},
    {601, "tif"}, {602, "img"}, {604, "png"}, {701, "java"}, {221, "wmf"}, {605, "ppm"},
    {511, "pdf"}, {503, "eps"}, {606, "bmp"}, {504, "ps"}, {801, "svg"},
};

// The code the table's "CONS" entry is stored as: the screen window.
constexpr int kConsoleEntry = 101;

}  // namespace

int format_code(std::string_view keyword4) {
  if (keyword4 >= "MET1" && keyword4 <= "MET9") return devices::kFormatScreen;
  for (const Format& f : kFormats) {
    if (keyword4 == f.keyword) return f.code;
  }
  return 0;
}

const char* format_extension(int idev) {
  for (const Extension& e : kExtensions) {
    if (e.code == idev) return e.ext;
  }
  return "   ";
}

void metafl(std::string_view keyword) {
  PlotState* st = jqqlev(0, 0, "metafl");
  if (st == nullptr) return;
  char key[5] = "    ";
  char given[5];
  int n = qqcopy(given, keyword, 4);
  std::memcpy(key, given, static_cast<std::size_t>(n));
  upstr(key, 4);
  int code = format_code(key);
  if (code == 0) {
    warnc1(*st, 2, given);
    return;
  }
  st->page.idev = code == kConsoleEntry ? devices::kFormatScreen : code;
  std::memcpy(st->page.cfmt, key, 5);
}

void setfil(std::string_view name) {
  PlotState* st = jqqlev(0, 0, "setfil");
  if (st == nullptr) return;
  qqcopy(st->page.cfilnam, name, 256);
  st->page.ifilset = 1;
}

void winsiz(int nw, int nh) {
  PlotState* st = jqqlev(0, 3, "winsiz");
  if (st == nullptr) return;
  if (nw <= 0 || nh <= 0) {
    warni1(*st, 2, nw < nh ? nw : nh);
    return;
  }
  st->core.nwinmode = 2;
  st->page.nwsizw = nw;
  st->page.nwsizh = nh;
}

void png_quick() {
  PlotState* st = jqqlev(0, 0, "png_quick");
  if (st == nullptr) return;
  st->page.quick_png = true;
}

void scrmod(std::string_view mode) {
  PlotState* st = jqqlev(0, 0, "scrmod");
  if (st == nullptr) return;
  constexpr int kSettings[3] = {4, 1, 2};
  const int i = jqqind(*st, "AUTO+NORM+REVE", 3, mode);
  if (i != 0) st->page.iscrset = kSettings[i - 1];
}

}  // namespace plotix
