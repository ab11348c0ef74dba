// Output format codes: the keyword table of metafl, the device classes and the
// default file-name extensions.
#pragma once

#include <string_view>

namespace plotix {

// Device code of a keyword (upper-cased, blank padded to 4), 0 when unknown.
int format_code(std::string_view keyword4);

// Default file-name extension of a device code ("   " when it has none).
const char* format_extension(int idev);

// Device classes by code range.
constexpr bool is_screen(int idev) { return idev <= 100; }
constexpr bool is_screen_or_terminal(int idev) { return idev <= 200; }
constexpr bool is_wmf(int idev) { return idev == 221; }
constexpr bool is_ps_or_pdf(int idev) { return idev >= 501 && idev <= 600; }
constexpr bool is_pdf(int idev) { return idev == 511; }
constexpr bool is_postscript(int idev) { return is_ps_or_pdf(idev) && idev != 511; }
constexpr bool is_raster(int idev) { return idev >= 601 && idev <= 700; }

inline constexpr int kScreenCode = 80;
inline constexpr int kMemoryCanvasCode = 603;

}  // namespace plotix
