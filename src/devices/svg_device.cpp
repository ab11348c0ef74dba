// SVG writer: see svg_device.h. The paper is one rectangle under everything; each
// polyline, polygon and rectangle carries its colour, so no element depends on another.
#include "devices/svg_device.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

#include "devices/versioned_file.h"

namespace devices {

namespace {

// The background mode of white paper.
// Lines 1/4 mm wide, like the PDF's, in page units of 1/10 mm.
constexpr const char* kLineWidth = "2.5";

std::string point_text(double x, double y) {
  char buf[48];
  std::snprintf(buf, sizeof buf, "%ld,%ld", std::lround(x), std::lround(y));
  return buf;
}

std::string millimetres(int page_units) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.1fmm", page_units / 10.0);
  return buf;
}

}  // namespace

DeviceOpenResult SvgDevice::open(const DeviceOpenParams& params) {
  DeviceOpenResult result;
  result.colour_depth = 24;
  error_.clear();
  points_.clear();
  point_count_ = 0;
  last_point_ = "0,0";
  colour_ = "#000000";
  // This writer names its own file: an existing picture is never overwritten.
  if (!open_free_version(sink_, params.file_name, result, error_)) return result;
  is_open_ = true;

  // The view box is the page in its own units (1/10 mm); the device scale only shrinks
  // or enlarges the drawing on it.
  int width = params.nxpage;
  int height = params.nypage;
  if (params.iorient == 1) std::swap(width, height);
  const std::string w = std::to_string(width);
  const std::string h = std::to_string(height);
  sink_.write("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n");
  sink_.write("<!DOCTYPE svg PUBLIC \"-//W3C//DTD SVG 1.1//EN\" "
              "\"http://www.w3.org/Graphics/SVG/1.1/DTD/svg11.dtd\">\n");
  sink_.write("<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + millimetres(width) +
              "\" height=\"" + millimetres(height) + "\" viewBox=\"0 0 " + w + " " + h + "\">\n");
  const char* paper = params.background_mode == Background::light ? "#ffffff" : "#000000";
  sink_.write("<rect x=\"0\" y=\"0\" width=\"" + w + "\" height=\"" + h + "\" fill=\"" + paper + "\"/>\n");
  sink_.write(std::string("<g fill=\"none\" stroke-width=\"") + kLineWidth +
              "\" stroke-linecap=\"round\" stroke-linejoin=\"round\">\n");
  return result;
}

void SvgDevice::finish_polyline() {
  if (point_count_ >= 2) {
    sink_.write("<polyline stroke=\"" + colour_ + "\" points=\"" + points_ + "\"/>\n");
  }
  points_.clear();
  point_count_ = 0;
}

void SvgDevice::move_draw(double x, double y, int code) {
  if (!is_open_) return;
  const std::string point = point_text(x, y);
  if (code != kDraw) {
    finish_polyline();
    last_point_ = point;
    return;
  }
  if (point_count_ == 0) {
    points_ = last_point_;
    point_count_ = 1;
  }
  points_ += ' ';
  points_ += point;
  ++point_count_;
  last_point_ = point;
}

void SvgDevice::set_colour_rgb(int r, int g, int b) {
  if (!is_open_) return;
  // A new colour ends the polyline in the old one; the next line goes on from its end.
  finish_polyline();
  char buf[8];
  std::snprintf(buf, sizeof buf, "#%02x%02x%02x", r & 0xFF, g & 0xFF, b & 0xFF);
  colour_ = buf;
}

void SvgDevice::begin_polygon(int /*n*/) {
  finish_polyline();
  points_.clear();
  point_count_ = 0;
}

void SvgDevice::polygon_point(double x, double y) {
  if (point_count_ > 0) points_ += ' ';
  points_ += point_text(x, y);
  ++point_count_;
}

void SvgDevice::end_polygon() {
  if (is_open_ && point_count_ >= 3) {
    sink_.write("<polygon fill=\"" + colour_ + "\" stroke=\"" + colour_ + "\" points=\"" + points_ + "\"/>\n");
  }
  points_.clear();
  point_count_ = 0;
}

// Both corners are inside the filled area, as on the raster devices.
void SvgDevice::fill_rectangle(double x1, double y1, double x2, double y2, int /*value*/, int r,
                               int g, int b) {
  if (!is_open_) return;
  finish_polyline();
  const long left = std::lround(std::min(x1, x2));
  const long top = std::lround(std::min(y1, y2));
  const long width = std::lround(std::fabs(x2 - x1)) + 1;
  const long height = std::lround(std::fabs(y2 - y1)) + 1;
  char buf[160];
  std::snprintf(buf, sizeof buf,
                "<rect x=\"%ld\" y=\"%ld\" width=\"%ld\" height=\"%ld\" fill=\"#%02x%02x%02x\"/>\n",
                left, top, width, height, r & 0xFF, g & 0xFF, b & 0xFF);
  sink_.write(buf);
}

int SvgDevice::close() {
  if (!is_open_) return kStatusOk;
  is_open_ = false;
  finish_polyline();
  sink_.write("</g>\n</svg>\n");
  if (sink_.close()) return kStatusOk;
  error_ = sink_.error();
  return kStatusFileError;
}

}  // namespace devices
