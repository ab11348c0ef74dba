// The resolution the raster files (BMP, PNG) declare, so that a printer or a layout
// program prints the 1600 x 1200 picture on an A4 landscape sheet.
#pragma once

namespace devices {

// 5715 pixels per metre (145 dpi) prints 1600 x 1200 pixels as 280 x 210 mm, as large as
// fits an A4 landscape sheet (297 x 210 mm) with square pixels.
inline constexpr int kPrintPixelsPerMetre = 5715;

}  // namespace devices
