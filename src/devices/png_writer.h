// The PNG writer: a true-colour raster canvas as an 8-bit RGB PNG (libpng), with the
// print resolution and two text chunks, the program and the date it was drawn.
#pragma once

#include <string>

#include "devices/byte_sink.h"
#include "devices/raster_canvas.h"

namespace devices {

// What the tEXt chunks say: "Software" and "Creation Time".
struct PngText {
  std::string software;
  std::string creation_time;
};

// Writes the whole canvas (which must be true colour) to sink. Returns kStatusOk, or
// kStatusNoMemory when libpng cannot allocate its structures or reports an error.
// Write errors stay in the sink, which the caller checks when it closes.
// `quick`: every row filtered by its difference from the row above and deflated as runs,
// where libpng otherwise tries each filter on each row: for figures of flat colours
// about three times faster, the file a third larger.
int write_png(const RasterCanvas& canvas, const PngText& text, ByteSink& sink, bool quick = false);

// "YYYY-MM-DDThh:mm:ss" from the library's "dd.mm.yyyy" and "hh:mm:ss"; empty if either
// is malformed.
std::string png_creation_time(const std::string& date, const std::string& time);

}  // namespace devices
