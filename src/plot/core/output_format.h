// Output format codes: the keyword table of metafl, the device classes and the
// default file-name extensions.
#pragma once

#include <string_view>

#include "devices/format_code.h"

namespace plotix {

// Device code of a keyword (upper-cased, blank padded to 4), 0 when unknown.
int format_code(std::string_view keyword4);

// Default file-name extension of a device code ("   " when it has none).
const char* format_extension(int idev);

// Device classes by code range.
constexpr bool is_screen(int idev) { return idev <= 100; }
constexpr bool is_screen_or_terminal(int idev) { return idev <= 200; }
constexpr bool is_wmf(int idev) { return idev == devices::kFormatWmf; }
constexpr bool is_ps_or_pdf(int idev) { return idev >= 501 && idev <= 600; }
constexpr bool is_pdf(int idev) { return idev == devices::kFormatPdf; }
constexpr bool is_postscript(int idev) { return is_ps_or_pdf(idev) && idev != devices::kFormatPdf; }
constexpr bool is_raster(int idev) { return idev >= 601 && idev <= 700; }
// The printer formats 301 ... 400, which always take the SMAL colour table.
constexpr bool has_small_table_only(int idev) { return idev >= 301 && idev <= 400; }

// Formats whose automatic background (setting 4) is white paper.
constexpr bool is_white_by_default(int idev) {
  return idev == devices::kFormatPdf || idev == devices::kFormatEps ||
         idev == devices::kFormatPs || idev == devices::kFormatSvg;
}

// The window slot of XWIN ... XWI8: 0 ... 7 for codes 72 ... 79, -1 for any other code.
constexpr int window_slot(int idev) {
  return idev >= devices::kFormatFirstWindow && idev <= devices::kFormatLastWindow
             ? idev - devices::kFormatFirstWindow
             : -1;
}

// The public routines of the output: the format keyword, the file name and the window
// size in pixels.
void metafl(std::string_view keyword);
void setfil(std::string_view name);
void winsiz(int nw, int nh);

// The next plot, when it is a PNG, is written for speed: larger, about three times
// faster (devices/png_writer.h). For that plot only.
void png_quick();

// The background of the next plot: "AUTO" the device's own (white paper for PDF, PS
// and SVG, black elsewhere), "NORM" black, "REVE" white.
void scrmod(std::string_view mode);

}  // namespace plotix
