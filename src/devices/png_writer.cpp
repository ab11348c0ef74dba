// The PNG writer (see png_writer.h). libpng reports errors by longjmp; everything the
// jump could skip is allocated before setjmp, and the bytes go out through a write
// callback into our byte sink.
#include "devices/png_writer.h"

#include <png.h>
#include <zlib.h>

#include <csetjmp>
#include <cstdio>

#include "devices/date_time_fields.h"
#include "devices/device_status.h"
#include "devices/print_resolution.h"

namespace devices {
namespace {

void write_to_sink(png_structp png, png_bytep data, png_size_t length) {
  static_cast<ByteSink*>(png_get_io_ptr(png))->write(data, length);
}

// The sink flushes itself at close.
void flush_nothing(png_structp) {}

// libpng's warnings (none expected for what we write) are not the user's business.
void ignore_warning(png_structp, png_const_charp) {}

// Writes header, text, rows and end; false when libpng signalled an error. Kept apart
// so that no object with a destructor lives across the setjmp.
bool write_chunks(png_structp png, png_infop info, const RasterCanvas& canvas, png_text* texts,
                  int text_count, bool quick) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_IHDR(png, info, static_cast<png_uint_32>(canvas.width()),
               static_cast<png_uint_32>(canvas.height()), 8, PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_pHYs(png, info, kPrintPixelsPerMetre, kPrintPixelsPerMetre, PNG_RESOLUTION_METER);
  png_set_text(png, info, texts, text_count);
  if (quick) {
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_UP);
    png_set_compression_strategy(png, Z_RLE);
  }
  png_write_info(png, info);
  // The canvas keeps r, g, b, a per pixel: the fourth byte is dropped on the way out.
  png_set_filler(png, 0, PNG_FILLER_AFTER);
  for (int y = 0; y < canvas.height(); ++y) png_write_row(png, canvas.row(y));
  png_write_end(png, info);
  return true;
}

}  // namespace

int write_png(const RasterCanvas& canvas, const PngText& text, ByteSink& sink, bool quick) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, ignore_warning);
  if (png == nullptr) return kStatusNoMemory;
  png_infop info = png_create_info_struct(png);
  if (info == nullptr) {
    png_destroy_write_struct(&png, nullptr);
    return kStatusNoMemory;
  }
  png_set_write_fn(png, &sink, write_to_sink, flush_nothing);
  std::string software = text.software;
  std::string creation_time = text.creation_time;
  png_text texts[2] = {};
  texts[0].compression = PNG_TEXT_COMPRESSION_NONE;
  texts[0].key = const_cast<char*>("Software");
  texts[0].text = software.data();
  texts[1].compression = PNG_TEXT_COMPRESSION_NONE;
  texts[1].key = const_cast<char*>("Creation Time");
  texts[1].text = creation_time.data();
  const int text_count = creation_time.empty() ? 1 : 2;
  const bool written = write_chunks(png, info, canvas, texts, text_count, quick);
  png_destroy_write_struct(&png, &info);
  return written ? kStatusOk : kStatusNoMemory;
}

std::string png_creation_time(const std::string& date, const std::string& time) {
  DateTimeFields t;
  if (!parse_date_time(date, time, t)) return {};
  char buf[32];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02dT%02d:%02d:%02d", t.year, t.month, t.day, t.hour,
                t.minute, t.second);
  return buf;
}

}  // namespace devices
