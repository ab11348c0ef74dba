// RecordingDevice: a device that draws nothing and logs every call it receives,
// in order, into a DeviceLog the test keeps. It is the test double for all the
// library code above the devices. Calls are stored as plain records so that
// logging allocates nothing once the log has room.
#pragma once

#include <initializer_list>
#include <memory>
#include <vector>

#include "devices/device.h"

namespace devices {

enum class CallKind {
  kOpen,
  kClose,
  kMoveDraw,        // v = x, y, code
  kColourValue,     // v = value
  kColourRgb,       // v = r, g, b
  kLineWidth,       // v = width, integer_form
  kFillTriangle,    // v = x1, y1, x2, y2, x3, y3, value, r, g, b
  kBeginPolygon,    // v = n
  kPolygonPoint,    // v = x, y
  kEndPolygon,
  kFillRectangle,   // v = x1, y1, x2, y2, value, r, g, b
  kLoadColourTable, // v = ipaltyp, npal[0], npal[255]
  kErase,
  kUpdate,
};

struct RecordedCall {
  CallKind kind;
  double v[10];
};

struct DeviceLog {
  std::vector<RecordedCall> calls;
  DeviceOpenParams open_params;   // what the last open received
  DeviceOpenResult open_result;   // what open reports (tests may set a failure)
  int close_status = kStatusOk;   // what close reports
  std::string failure_reason;     // what error() reports after open or close
  std::vector<int> colour_table;  // the last table loaded (256 entries)
  bool opened = false;
  bool closed = false;

  // Calls of one kind, and move/draw calls with one code.
  int count(CallKind kind) const;
  int count_code(int code) const;
};

class RecordingDevice : public Device {
 public:
  explicit RecordingDevice(std::shared_ptr<DeviceLog> log);

  DeviceOpenResult open(const DeviceOpenParams& params) override;
  int close() override;
  void move_draw(double x, double y, int code) override;
  void set_colour_value(int value) override;
  void set_colour_rgb(int r, int g, int b) override;
  void set_line_width(double width, bool integer_form) override;
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

 private:
  void record(CallKind kind, std::initializer_list<double> values);

  std::shared_ptr<DeviceLog> log_;
};

}  // namespace devices
