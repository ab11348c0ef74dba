// The current colour (qqsclr, color), the named colours and the loading of a
// colour table with its device adjustments (setvlt).
#include "plot/lines/colours.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "plot/lines/colour_tables.h"
#include "plot/core/levels.h"
#include "plot/lines/polyline.h"
#include "plot/core/output_format.h"

namespace plotix {
namespace {

// The names color takes, in the order of kColourNames: the nine with an entry in
// nclrnam (same positions), then the table's foreground and background.
enum class NamedColour { white, red, green, yellow, blue, orange, cyan, magenta, black, fore, back };

// The value of a colour name with an entry in nclrnam.
int& named_value(LineState& ln, NamedColour colour) { return ln.nclrnam[static_cast<int>(colour)]; }

constexpr int kBlack = 0x01000000;
constexpr int kWhite = 0x01FFFFFF;

constexpr int kNamedValues[9] = {kWhite,     0x010000FF, 0x0100FF00, 0x0100FFFF, 0x01FF0000,
                                 0x010080FF, 0x01FFFF00, 0x01FF00FF, kBlack};
constexpr int kNamedGreys[9] = {kWhite,     0x01E6E6E6, 0x01B9B9B9, 0x01969696, 0x015F5F5F,
                                0x01D7D7D7, 0x01AFAFAF, 0x016E6E6E, kBlack};

constexpr const char* kColourNames = "WHIT+RED +GREE+YELL+BLUE+ORAN+CYAN+MAGE+BLAC+FORE+BACK";
constexpr const char* kTableNames = "SMAL+RAIN+SPEC+GREY+RRAI+RSPE+RGRE+VGA +TEMP";

// Devices that print on white paper with black as the drawing colour: the POST
// device, CGM and WMF.
bool paper_device(int idev) {
  return idev == devices::kFormatPost || idev == devices::kFormatCgm || idev == devices::kFormatWmf;
}

bool shows_light_background(int idev) {
  return is_screen(idev) || is_raster(idev) || idev == devices::kFormatPdf ||
         idev == devices::kFormatEps || idev == devices::kFormatPs || idev == devices::kFormatPscl ||
         idev == devices::kFormatSvg;
}

}  // namespace

int colour_index(int value) {
  int index = value % 256;
  // A negative remainder would point before the table; count it from the top.
  return index < 0 ? index + 256 : index;
}

void colour_rgb(const PlotState& st, int value, int& r, int& g, int& b) {
  if (is_direct_colour(value)) {
    r = value & 0xFF;
    g = (value >> 8) & 0xFF;
    b = (value >> 16) & 0xFF;
    return;
  }
  const int entry = st.line.npal[colour_index(value)];
  r = (entry >> 16) & 0xFF;
  g = (entry >> 8) & 0xFF;
  b = entry & 0xFF;
}

void qqsclr(PlotState& st, int value) {
  if (!st.line.istroke) qqstrk(st);
  st.line.ncolor = value;
  devices::Device* device = st.page.device.get();
  const int idev = st.page.idev;
  if (is_screen_or_terminal(idev) || is_raster(idev)) {
    device->set_colour_value(value);
    return;
  }
  int r = 0;
  int g = 0;
  int b = 0;
  colour_rgb(st, value, r, g, b);
  device->set_colour_rgb(r, g, b);
}

namespace {

// What a colour table is, for the adjustments below.
struct TableKind {
  int table;
  bool grey;      // GREY, RGRE
  bool reversed;  // RRAI, RSPE, RGRE
  bool plain;     // RAIN, SPEC, GREY, TEMP
};

TableKind kind_of(int table) {
  return {table, table == kGrey || table == kRgre, table == kRrai || table == kRspe || table == kRgre,
          table == kRain || table == kSpec || table == kGrey || table == kTemp};
}

// The values of the nine colour names for the table on the device.
void set_colour_names(LineState& ln, const TableKind& kind, int idev) {
  int& white = named_value(ln, NamedColour::white);
  int& black = named_value(ln, NamedColour::black);
  for (int i = 0; i < 9; ++i) ln.nclrnam[i] = kind.grey ? kNamedGreys[i] : kNamedValues[i];
  if (kind.table == kSmal || kind.grey) black = white;
  if (kind.plain && (idev == devices::kFormatWmf || idev == devices::kFormatCgm)) white = kBlack;
  if (kind.reversed) {
    if (paper_device(idev)) {
      white = kBlack;
      black = kBlack;
    } else if (ln.ncdepth <= 8) {
      std::swap(white, black);
    }
  }
  if (kind.table == kVga && paper_device(idev)) {
    white = kBlack;
    black = kWhite;
  }
  if (kind.table == kSmal && paper_device(idev)) {
    white = kBlack;
    black = kBlack;
  }
}

// The table's entries, with paper's exchanges of the small and VGA tables.
void fill_entries(LineState& ln, int table, int idev) {
  fill_colour_table(table, ln.npal);
  if (table == kSmal && paper_device(idev)) std::swap(ln.npal[0], ln.npal[1]);
  if (table == kVga && paper_device(idev)) {
    ln.npal[0] = 0xFFFFFF;
    ln.npal[15] = 0x000000;
  }
}

// FORE, BACK and the table ends.
void set_table_ends(LineState& ln, const TableKind& kind, int idev) {
  ln.nfore = 255;
  ln.nback = 0;
  ln.npalmin = 0;
  ln.npalmax = 255;
  const bool black_on_paper = (paper_device(idev) || idev == devices::kFormatJava) && kind.plain;
  if (black_on_paper || (kind.reversed && ln.ncdepth > 8 && !paper_device(idev))) {
    ln.nfore = 0;
    ln.nback = 255;
  }
  if (kind.table == kSmal) {
    ln.nfore = 1;
    ln.npalmax = 9;
  }
  if (kind.table == kVga) {
    ln.nfore = 15;
    ln.npalmax = 15;
  }
}

// A light background exchanges the ends of the table: FORE and BACK keep their
// indices and so show the exchanged entries.
void exchange_for_light_background(LineState& ln, const TableKind& kind) {
  const int top = kind.table == kVga ? 15 : (kind.table == kSmal ? 1 : 255);
  std::swap(ln.npal[0], ln.npal[top]);
  std::swap(ln.npalmin, ln.npalmax);
  int& white = named_value(ln, NamedColour::white);
  int& black = named_value(ln, NamedColour::black);
  if (kind.table == kSmal || kind.grey) {
    white = kBlack;
    black = kBlack;
  } else {
    std::swap(white, black);
  }
}

}  // namespace

void load_colour_table(PlotState& st, int number) {
  LineState& ln = st.line;
  const int idev = st.page.idev;
  const TableKind kind = kind_of(has_small_table_only(idev) ? kSmal : number);
  ln.ipaltyp = kind.table;
  set_colour_names(ln, kind, idev);
  fill_entries(ln, kind.table, idev);
  set_table_ends(ln, kind, idev);
  if (st.page.iscrmode == devices::Background::light && shows_light_background(idev)) exchange_for_light_background(ln, kind);
  if (is_screen_or_terminal(idev) || is_raster(idev)) {
    st.page.device->load_colour_table(ln.ipaltyp, ln.npal);
  }
  qqsclr(st, ln.nfore);
}

void color(std::string_view name) {
  PlotState* st = jqqlev(1, 3, "color");
  if (st == nullptr) return;
  const int i = jqqind(*st, kColourNames, 11, name);
  if (i == 0) return;
  const auto colour = static_cast<NamedColour>(i - 1);
  int value = 0;
  if (colour == NamedColour::fore) {
    value = st->line.nfore;
  } else if (colour == NamedColour::back) {
    value = st->line.nback;
  } else {
    value = named_value(st->line, colour);
  }
  qqsclr(*st, value);
}

void setrgb(float r, float g, float b) {
  PlotState* st = jqqlev(1, 3, "setrgb");
  if (st == nullptr) return;
  const auto byte = [](float v) { return static_cast<int>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f)); };
  qqsclr(*st, kDirectColour | byte(b) << 16 | byte(g) << 8 | byte(r));
}

void setvlt(std::string_view name) {
  PlotState* st = jqqlev(1, 3, "setvlt");
  if (st == nullptr) return;
  const int i = jqqind(*st, kTableNames, 9, name);
  if (i == 0) return;
  load_colour_table(*st, i - 1);
}

}  // namespace plotix
