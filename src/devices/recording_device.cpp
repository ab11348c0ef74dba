// RecordingDevice: logs every device call (see recording_device.h).
#include "devices/recording_device.h"

#include <algorithm>

namespace devices {

int DeviceLog::count(CallKind kind) const {
  return static_cast<int>(std::count_if(calls.begin(), calls.end(),
                                        [kind](const RecordedCall& c) { return c.kind == kind; }));
}

int DeviceLog::count_code(int code) const {
  return static_cast<int>(std::count_if(calls.begin(), calls.end(), [code](const RecordedCall& c) {
    return c.kind == CallKind::kMoveDraw && static_cast<int>(c.v[2]) == code;
  }));
}

RecordingDevice::RecordingDevice(std::shared_ptr<DeviceLog> log) : log_(std::move(log)) {}

void RecordingDevice::record(CallKind kind, std::initializer_list<double> values) {
  RecordedCall call{kind, {}};
  std::copy(values.begin(), values.end(), call.v);
  log_->calls.push_back(call);
}

DeviceOpenResult RecordingDevice::open(const DeviceOpenParams& params) {
  log_->open_params = params;
  log_->opened = true;
  record(CallKind::kOpen, {static_cast<double>(params.idev)});
  error_ = log_->failure_reason;
  return log_->open_result;
}

int RecordingDevice::close() {
  log_->closed = true;
  record(CallKind::kClose, {});
  error_ = log_->failure_reason;
  return log_->close_status;
}

void RecordingDevice::move_draw(double x, double y, int code) {
  record(CallKind::kMoveDraw, {x, y, static_cast<double>(code)});
}

void RecordingDevice::set_colour_value(int value) {
  record(CallKind::kColourValue, {static_cast<double>(value)});
}

void RecordingDevice::set_colour_rgb(int r, int g, int b) {
  record(CallKind::kColourRgb, {static_cast<double>(r), static_cast<double>(g),
                                static_cast<double>(b)});
}

void RecordingDevice::set_line_width(double width, bool integer_form) {
  record(CallKind::kLineWidth, {width, integer_form ? 1.0 : 0.0});
}

void RecordingDevice::fill_triangle(const double xs[3], const double ys[3], int value, int r,
                                    int g, int b) {
  record(CallKind::kFillTriangle,
         {xs[0], ys[0], xs[1], ys[1], xs[2], ys[2], static_cast<double>(value),
          static_cast<double>(r), static_cast<double>(g), static_cast<double>(b)});
}

void RecordingDevice::begin_polygon(int n) {
  record(CallKind::kBeginPolygon, {static_cast<double>(n)});
}

void RecordingDevice::polygon_point(double x, double y) {
  record(CallKind::kPolygonPoint, {x, y});
}

void RecordingDevice::end_polygon() { record(CallKind::kEndPolygon, {}); }

void RecordingDevice::fill_rectangle(double x1, double y1, double x2, double y2, int value,
                                     int r, int g, int b) {
  record(CallKind::kFillRectangle,
         {x1, y1, x2, y2, static_cast<double>(value), static_cast<double>(r),
          static_cast<double>(g), static_cast<double>(b)});
}

void RecordingDevice::load_colour_table(int ipaltyp, const int* npal) {
  log_->colour_table.assign(npal, npal + 256);
  record(CallKind::kLoadColourTable,
         {static_cast<double>(ipaltyp), static_cast<double>(npal[0]),
          static_cast<double>(npal[255])});
}

void RecordingDevice::erase() { record(CallKind::kErase, {}); }

void RecordingDevice::update() { record(CallKind::kUpdate, {}); }

}  // namespace devices
