// The BMP writer (see bmp_writer.h): header fields one by one, little-endian on any
// host, then the rows from the bottom of the canvas up, each padded to 4 bytes.
#include "devices/bmp_writer.h"

#include <algorithm>
#include <new>

#include "devices/device_status.h"
#include "devices/le_bytes.h"
#include "devices/print_resolution.h"

namespace devices {
namespace {

constexpr std::uint32_t kFileHeaderBytes = 14;
constexpr std::uint32_t kInfoHeaderBytes = 40;

void write_headers(const RasterCanvas& canvas, std::uint32_t row_size, std::uint32_t ncol,
                   ByteBuffer& out) {
  const std::uint32_t bits = canvas.true_colour() ? 24 : 8;
  const std::uint32_t height = static_cast<std::uint32_t>(canvas.height());
  const std::uint32_t image_size = row_size * height;
  const std::uint32_t pixel_offset = 4 * ncol + kFileHeaderBytes + kInfoHeaderBytes;
  put_u8(out, 'B');                                    // signature
  put_u8(out, 'M');
  put_u32le(out, image_size + pixel_offset);           // file size
  put_u16le(out, 0);                                   // reserved
  put_u16le(out, 0);                                   // reserved
  put_u32le(out, pixel_offset);                        // offset of the pixel data
  put_u32le(out, kInfoHeaderBytes);                    // header size
  put_i32le(out, canvas.width());                      // width
  put_i32le(out, canvas.height());                     // height, positive: rows bottom-up
  put_u16le(out, 1);                                   // planes
  put_u16le(out, static_cast<std::uint16_t>(bits));    // bits per pixel
  put_u32le(out, 0);                                   // compression: none
  put_u32le(out, image_size);                          // image size
  put_u32le(out, kPrintPixelsPerMetre);                  // horizontal resolution
  put_u32le(out, kPrintPixelsPerMetre);                  // vertical resolution
  put_u32le(out, ncol);                                // colours used
  put_u32le(out, ncol);                                // important colours
  for (std::uint32_t i = 0; i < ncol; ++i) {           // colour table: blue, green, red, 0
    const int entry = canvas.palette_entry(static_cast<int>(i));
    put_u8(out, static_cast<std::uint8_t>(entry & 0xFF));
    put_u8(out, static_cast<std::uint8_t>((entry >> 8) & 0xFF));
    put_u8(out, static_cast<std::uint8_t>((entry >> 16) & 0xFF));
    put_u8(out, 0);
  }
}

// One canvas row as BMP pixels; the padding bytes at the end stay zero.
void convert_row(const RasterCanvas& canvas, int y, std::uint8_t* out) {
  const std::uint8_t* in = canvas.row(y);
  if (!canvas.true_colour()) {
    std::copy(in, in + canvas.width(), out);
    return;
  }
  for (int x = 0; x < canvas.width(); ++x, in += 4, out += 3) {
    out[0] = in[2];
    out[1] = in[1];
    out[2] = in[0];
  }
}

}  // namespace

int write_bmp(const RasterCanvas& canvas, ByteSink& sink) {
  const std::uint32_t ncol = canvas.true_colour() ? 0 : 256;
  const std::uint32_t bytes = static_cast<std::uint32_t>(canvas.width()) * (canvas.true_colour() ? 3 : 1);
  const std::uint32_t row_size = (bytes + 3) / 4 * 4;
  ByteBuffer header;
  ByteBuffer row;
  try {
    header.reserve(kFileHeaderBytes + kInfoHeaderBytes + 4 * ncol);
    row.assign(row_size, 0);
  } catch (const std::bad_alloc&) {
    return kStatusNoMemory;
  }
  write_headers(canvas, row_size, ncol, header);
  sink.write(header.data(), header.size());
  for (int y = canvas.height() - 1; y >= 0; --y) {
    convert_row(canvas, y, row.data());
    sink.write(row.data(), row.size());
  }
  return kStatusOk;
}

}  // namespace devices
