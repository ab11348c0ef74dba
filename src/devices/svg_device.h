// The SVG writer: the page as an SVG 1.1 document. Lines go out as polylines, fills as
// polygons and rectangles; the library's stroke-font text arrives as lines and so is
// drawn as paths too. Coordinates are the library's integral device units, y downward.
#pragma once

#include <string>

#include "devices/byte_sink.h"
#include "devices/device.h"

namespace devices {

class SvgDevice final : public Device {
 public:
  DeviceOpenResult open(const DeviceOpenParams& params) override;
  int close() override;
  std::string written_file_name() const override { return sink_.path(); }
  bool picks_version_name() const override { return true; }

  // Code 2 draws a line to (x, y); any other code starts a new polyline there.
  void move_draw(double x, double y, int code) override;
  void set_colour_rgb(int r, int g, int b) override;
  void begin_polygon(int n) override;
  void polygon_point(double x, double y) override;
  void end_polygon() override;
  void fill_rectangle(double x1, double y1, double x2, double y2, int value, int r, int g,
                      int b) override;

 private:
  // Writes the pending polyline, if it has a segment, and starts none.
  void finish_polyline();

  ByteSink sink_;
  bool is_open_ = false;
  std::string colour_ = "#000000";
  std::string points_;     // "x,y x,y ..." of the pending polyline or polygon
  int point_count_ = 0;
  std::string last_point_;  // where the next polyline starts after a move
};

}  // namespace devices
