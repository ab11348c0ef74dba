// RasterDevice: the raster image formats over a RasterCanvas: BMP (606) and PNG (604),
// written when the plot closes, and the memory-only canvas (603), which writes nothing.
#pragma once

#include "devices/byte_sink.h"
#include "devices/device.h"
#include "devices/png_writer.h"
#include "devices/raster_canvas.h"

namespace devices {

class RasterDevice : public Device {
 public:
  DeviceOpenResult open(const DeviceOpenParams& params) override;
  // Writes the BMP or PNG file and frees the canvas. kStatusFileError when the file could
  // not be written completely or closed, kStatusNoMemory when the writer ran out of memory.
  int close() override;
  std::string written_file_name() const override { return file_.path(); }

  void move_draw(double x, double y, int code) override;
  void set_colour_value(int value) override;
  void fill_triangle(const double xs[3], const double ys[3], int value, int r, int g,
                     int b) override;
  void fill_rectangle(double x1, double y1, double x2, double y2, int value, int r, int g,
                      int b) override;
  void load_colour_table(int ipaltyp, const int* npal) override;
  void erase() override;

  const RasterCanvas& canvas() const { return canvas_; }

 private:
  bool writes_file() const { return device_code_ == kFormatBmp || device_code_ == kFormatPng; }

  int device_code_ = 0;
  PngText png_text_;
  bool quick_png_ = false;
  RasterCanvas canvas_;
  ByteSink file_;
  int last_x_ = 0;
  int last_y_ = 0;
};

}  // namespace devices
