// ScreenDevice: the plot in a desktop window. Everything is drawn into an
// off-screen true-colour RasterCanvas, which is copied to the window when the
// library asks for an update, when the window must repaint itself, and at close;
// close then waits until the user dismisses the window with the right button or
// closes it. Without a display the plot is drawn off-screen and close returns at once.
#pragma once

#include <memory>
#include <vector>

#include "devices/device.h"
#include "devices/polyline_batch.h"
#include "devices/raster_canvas.h"

namespace devices {

class ScreenDevice : public Device {
 public:
  ScreenDevice();
  ~ScreenDevice() override;
  ScreenDevice(const ScreenDevice&) = delete;
  ScreenDevice& operator=(const ScreenDevice&) = delete;

  DeviceOpenResult open(const DeviceOpenParams& params) override;
  // Shows the finished plot and waits for the user (at once without a window).
  int close() override;

  void move_draw(double x, double y, int code) override;
  void set_colour_value(int value) override;
  void fill_triangle(const double xs[3], const double ys[3], int value, int r, int g,
                     int b) override;
  void begin_polygon(int n) override;
  void polygon_point(double x, double y) override;
  void end_polygon() override;
  void fill_rectangle(double x1, double y1, double x2, double y2, int value, int r, int g,
                      int b) override;
  void load_colour_table(int ipaltyp, const int* npal) override;
  void erase() override;
  void update() override;

  // The off-screen picture (what the window shows once it is up to date).
  const RasterCanvas& canvas() const { return canvas_; }
  // True while a window is on the screen.
  bool has_window() const;

 private:
  // The part of the canvas changed since the window last got it.
  struct Changed {
    int x1 = 0, y1 = 0, x2 = -1, y2 = -1;
    bool empty() const { return x2 < x1; }
    void add(int x, int y);
  };
  struct Window;  // the windowing layer, kept out of this header

  void draw_piece(const PolylineBatch::Point* points, int count);
  void mark_all_changed();

  RasterCanvas canvas_;
  PolylineBatch batch_;
  std::vector<int> polygon_x_;
  std::vector<int> polygon_y_;
  Changed changed_;
  std::unique_ptr<Window> window_;
};

}  // namespace devices
