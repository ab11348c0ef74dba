// PolylineBatch (see polyline_batch.h).
#include "devices/polyline_batch.h"

#include "devices/device.h"

namespace devices {

void PolylineBatch::emit() const {
  if (npend_ >= 2 || (npend_ == 1 && !move_only_)) sink_(pending_, npend_);
}

void PolylineBatch::flush() {
  emit();
  if (npend_ > 0) {
    pending_[0] = pending_[npend_ - 1];
    npend_ = 1;
    move_only_ = true;
  }
}

void PolylineBatch::add(int x, int y, int code) {
  if (code == kFlush) {
    flush();
    return;
  }
  if (code == kDraw) {
    const Point& last = pending_[npend_ > 0 ? npend_ - 1 : 0];
    if (npend_ > 0 && (x != last.x || y != last.y)) pending_[npend_++] = {x, y};
    move_only_ = false;
    if (npend_ < kMaxPoints) return;
  }
  emit();
  pending_[0] = {x, y};
  npend_ = 1;
  move_only_ = true;
}

}  // namespace devices
