// RasterDevice (see raster_device.h): the device calls mapped onto the canvas, and
// the BMP file opened at open and written at close.
#include "devices/raster_device.h"

#include <cstdio>

#include "devices/bmp_writer.h"
#include "devices/pixel_coordinate.h"
#include "devices/versioned_file.h"

namespace devices {

DeviceOpenResult RasterDevice::open(const DeviceOpenParams& params) {
  DeviceOpenResult result;
  device_code_ = params.idev;
  error_.clear();
  if (writes_file() && !open_chosen_version(file_, params)) {
    error_ = file_.error();
    result.status = kStatusFileError;
    return result;
  }
  result.status = canvas_.open(params.width, params.height, params.landscape, params.window_mode,
                               params.background_mode, params.true_colour);
  if (result.status != kStatusOk) {
    error_ = "no memory for a raster image of " + std::to_string(params.width) + " x " +
             std::to_string(params.height) + " pixels";
    // No picture will come: the empty file just created is not left behind.
    if (file_.is_open()) {
      file_.close();
      std::remove(params.file_name.c_str());
    }
    return result;
  }
  // PNG pictures get the screen's smooth lines; the BMP keeps its plain ones.
  canvas_.set_antialiased(device_code_ == kFormatPng);
  result.colour_depth = params.true_colour ? 24 : 8;
  png_text_ = {"PLOTIX", png_creation_time(params.date, params.time)};
  quick_png_ = params.quick_png;
  last_x_ = last_y_ = 0;
  return result;
}

int RasterDevice::close() {
  int status = kStatusOk;
  if (writes_file() && file_.is_open()) {
    if (device_code_ == kFormatPng) {
      status = write_png(canvas_, png_text_, file_, quick_png_);
      if (status != kStatusOk) error_ = "no memory for the PNG writer";
    } else {
      status = write_bmp(canvas_, file_);
      if (status != kStatusOk) error_ = "no memory for the rows of the BMP file";
    }
    if (!file_.close() && status == kStatusOk) {
      error_ = file_.error();
      status = kStatusFileError;
    }
  }
  canvas_.close();
  return status;
}

// Every line of the raster formats is this one canvas call.
void RasterDevice::move_draw(double x, double y, int code) {
  const int px = pixel_coordinate(x);
  const int py = pixel_coordinate(y);
  if (code == kDraw) canvas_.draw_line(last_x_, last_y_, px, py);
  last_x_ = px;
  last_y_ = py;
}

void RasterDevice::set_colour_value(int value) { canvas_.set_colour(value); }

void RasterDevice::fill_triangle(const double xs[3], const double ys[3], int value, int, int,
                                 int) {
  const int ixs[3] = {pixel_coordinate(xs[0]), pixel_coordinate(xs[1]), pixel_coordinate(xs[2])};
  const int iys[3] = {pixel_coordinate(ys[0]), pixel_coordinate(ys[1]), pixel_coordinate(ys[2])};
  canvas_.fill_triangle(ixs, iys, value);
}

void RasterDevice::fill_rectangle(double x1, double y1, double x2, double y2, int value, int,
                                  int, int) {
  canvas_.fill_rectangle(pixel_coordinate(x1), pixel_coordinate(y1), pixel_coordinate(x2),
                 pixel_coordinate(y2), value);
}

void RasterDevice::load_colour_table(int ipaltyp, const int* npal) {
  canvas_.load_colour_table(ipaltyp, npal);
}

void RasterDevice::erase() { canvas_.clear(); }

}  // namespace devices
