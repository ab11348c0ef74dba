// The BMP writer: a raster canvas as an uncompressed Windows bitmap, 8 bits with a
// 256-entry colour table for an index canvas, 24 bits for a true-colour canvas.
#pragma once

#include "devices/byte_sink.h"
#include "devices/raster_canvas.h"

namespace devices {

// Resolution stored in the header: 5715 pixels per metre (145 dpi) prints the 1600 x 1200
// picture 280 x 210 mm, as large as fits an A4 landscape sheet (297 x 210 mm).
inline constexpr int kBmpPixelsPerMetre = 5715;

// Writes the whole canvas to sink. Returns kStatusOk, or kStatusNoMemory when the row
// buffer cannot be allocated. Write errors stay in the sink, which the caller checks
// when it closes.
int write_bmp(const RasterCanvas& canvas, ByteSink& sink);

}  // namespace devices
