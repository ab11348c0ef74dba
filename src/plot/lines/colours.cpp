// The current colour (qqsclr, color), the named colours and the loading of a
// colour table with its device adjustments (setvlt).
#include "plot/lines/colours.h"

#include <utility>

#include "plot/lines/colour_tables.h"
#include "plot/core/levels.h"
#include "plot/lines/polyline.h"
#include "plot/core/output_format.h"

namespace plotix {
namespace {

// Positions of the nine colour names in nclrnam.
enum NamedColour : int { kWhit = 0, kRed, kGree, kYell, kBlue, kOran, kCyan, kMage, kBlac };

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

void load_colour_table(PlotState& st, int number) {
  LineState& ln = st.line;
  const int idev = st.page.idev;
  const int table = has_small_table_only(idev) ? kSmal : number;
  ln.ipaltyp = table;
  const bool grey = table == kGrey || table == kRgre;
  const bool reversed = table == kRrai || table == kRspe || table == kRgre;
  const bool plain = table == kRain || table == kSpec || table == kGrey || table == kTemp;

  // The colour names.
  for (int i = 0; i < 9; ++i) ln.nclrnam[i] = grey ? kNamedGreys[i] : kNamedValues[i];
  if (table == kSmal || grey) ln.nclrnam[kBlac] = ln.nclrnam[kWhit];
  if (plain && (idev == devices::kFormatWmf || idev == devices::kFormatCgm)) {
    ln.nclrnam[kWhit] = kBlack;
  }
  if (reversed) {
    if (paper_device(idev)) {
      ln.nclrnam[kWhit] = kBlack;
      ln.nclrnam[kBlac] = kBlack;
    } else if (ln.ncdepth <= 8) {
      std::swap(ln.nclrnam[kWhit], ln.nclrnam[kBlac]);
    }
  }
  if (table == kVga && paper_device(idev)) {
    ln.nclrnam[kWhit] = kBlack;
    ln.nclrnam[kBlac] = kWhite;
  }
  if (table == kSmal && paper_device(idev)) {
    ln.nclrnam[kWhit] = kBlack;
    ln.nclrnam[kBlac] = kBlack;
  }

  // The table itself.
  fill_colour_table(table, ln.npal);
  if (table == kSmal && paper_device(idev)) std::swap(ln.npal[0], ln.npal[1]);
  if (table == kVga && paper_device(idev)) {
    ln.npal[0] = 0xFFFFFF;
    ln.npal[15] = 0x000000;
  }

  // FORE, BACK and the table ends.
  ln.nfore = 255;
  ln.nback = 0;
  ln.npalmin = 0;
  ln.npalmax = 255;
  const bool black_on_paper = (paper_device(idev) || idev == devices::kFormatJava) && plain;
  if (black_on_paper || (reversed && ln.ncdepth > 8 && !paper_device(idev))) {
    ln.nfore = 0;
    ln.nback = 255;
  }
  if (table == kSmal) {
    ln.nfore = 1;
    ln.npalmax = 9;
  }
  if (table == kVga) {
    ln.nfore = 15;
    ln.npalmax = 15;
  }

  // A light background exchanges the ends of the table: FORE and BACK keep their
  // indices and so show the exchanged entries.
  if (st.page.iscrmode == 2 && shows_light_background(idev)) {
    const int top = table == kVga ? 15 : (table == kSmal ? 1 : 255);
    std::swap(ln.npal[0], ln.npal[top]);
    std::swap(ln.npalmin, ln.npalmax);
    if (table == kSmal || grey) {
      ln.nclrnam[kWhit] = kBlack;
      ln.nclrnam[kBlac] = kBlack;
    } else {
      std::swap(ln.nclrnam[kWhit], ln.nclrnam[kBlac]);
    }
  }

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
  int value = 0;
  if (i == 10) {
    value = st->line.nfore;
  } else if (i == 11) {
    value = st->line.nback;
  } else {
    value = st->line.nclrnam[i - 1];
  }
  qqsclr(*st, value);
}

void setvlt(std::string_view name) {
  PlotState* st = jqqlev(1, 3, "setvlt");
  if (st == nullptr) return;
  const int i = jqqind(*st, kTableNames, 9, name);
  if (i == 0) return;
  load_colour_table(*st, i - 1);
}

}  // namespace plotix
