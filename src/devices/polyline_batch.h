// PolylineBatch: the screen's pending polyline. Moves and draws are collected into
// pieces of at most 50 points that share their end points; a point repeated at
// once is stored once, and a lone point reached by a draw is still shown.
#pragma once

#include <functional>

namespace devices {

class PolylineBatch {
 public:
  static constexpr int kMaxPoints = 50;
  struct Point {
    int x = 0;
    int y = 0;
  };
  // Receives each finished piece: two or more points to join, or one point to set.
  using Sink = std::function<void(const Point* points, int count)>;

  explicit PolylineBatch(Sink sink) : sink_(std::move(sink)) {}

  // A device point with its path code: 2 draw, 3 move, 999 flush.
  void add(int x, int y, int code);
  // Hands the pending piece to the sink and keeps its last point as the start of the next.
  void flush();
  // Forgets everything pending (a new plot).
  void reset() { npend_ = 0; }

 private:
  void emit() const;

  Sink sink_;
  Point pending_[kMaxPoints];
  int npend_ = 0;
  bool move_only_ = false;  // the one pending point was reached by a move
};

}  // namespace devices
