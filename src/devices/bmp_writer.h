// The BMP writer: a raster canvas as an uncompressed Windows bitmap, 8 bits with a
// 256-entry colour table for an index canvas, 24 bits for a true-colour canvas.
#pragma once

#include "devices/byte_sink.h"
#include "devices/raster_canvas.h"

namespace devices {

// Writes the whole canvas to sink. Returns kStatusOk, or kStatusNoMemory when the row
// buffer cannot be allocated. Write errors stay in the sink, which the caller checks
// when it closes.
int write_bmp(const RasterCanvas& canvas, ByteSink& sink);

}  // namespace devices
