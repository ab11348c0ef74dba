// ScreenDevice: the plot in a desktop window. Everything is drawn into an
// off-screen true-colour RasterCanvas, which is copied to the window when the
// library asks for an update, when the window must repaint itself, and when the
// picture is finished; the device then waits until the user asks for another view
// (drag, wheel, arrows, Home: reported, drawn by whoever drew the picture) or
// dismisses the window (right button, close request, Esc, Q, Space). Without a
// display the plot is drawn off-screen and the wait ends at once.
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
  UserRequest wait_for_request() override;
  bool dismissed() const override { return dismissed_; }

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
  // What an event means to the window.
  enum class Answer { nothing, repaint, dismiss, request };

  void dismiss_window();
  void draw_piece(const PolylineBatch::Point* points, int count);
  void mark_all_changed();

  RasterCanvas canvas_;
  PolylineBatch batch_;
  std::vector<int> polygon_x_;
  std::vector<int> polygon_y_;
  Changed changed_;
  std::unique_ptr<Window> window_;
  bool dismissed_ = false;
};

}  // namespace devices
