// Tests of the screen's line batching: pieces of at most 50 points sharing their
// end points, repeated points stored once, lone points, and flushes.
#include "devices/polyline_batch.h"

#include <gtest/gtest.h>

#include <vector>

#include "devices/device.h"

namespace {

using devices::PolylineBatch;
using Piece = std::vector<std::pair<int, int>>;

struct Recorder {
  std::vector<Piece> pieces;
  PolylineBatch batch{[this](const PolylineBatch::Point* p, int n) {
    Piece piece;
    for (int i = 0; i < n; ++i) piece.emplace_back(p[i].x, p[i].y);
    pieces.push_back(piece);
  }};
};

TEST(PolylineBatch, LongPolylineGoesOutInPiecesOfFifty) {
  Recorder r;
  r.batch.add(0, 0, devices::kMove);
  for (int i = 1; i < 120; ++i) r.batch.add(i, 2 * i, devices::kDraw);
  r.batch.add(0, 0, devices::kFlush);
  ASSERT_EQ(r.pieces.size(), 3u);
  EXPECT_EQ(r.pieces[0].size(), 50u);
  EXPECT_EQ(r.pieces[1].size(), 50u);
  EXPECT_EQ(r.pieces[2].size(), 22u);
  EXPECT_EQ(r.pieces[0].front(), std::make_pair(0, 0));
  EXPECT_EQ(r.pieces[1].front(), r.pieces[0].back());  // each starts where the last ended
  EXPECT_EQ(r.pieces[2].front(), r.pieces[1].back());
  EXPECT_EQ(r.pieces[2].back(), std::make_pair(119, 238));
}

TEST(PolylineBatch, RepeatedPointsLonePointsAndMoves) {
  Recorder r;
  r.batch.add(5, 5, devices::kMove);
  r.batch.add(5, 5, devices::kDraw);  // the same point: stored once, but shown
  r.batch.add(9, 9, devices::kMove);
  r.batch.add(9, 9, devices::kMove);  // a lone move shows nothing
  r.batch.add(1, 1, devices::kMove);
  r.batch.add(4, 1, devices::kDraw);
  r.batch.add(4, 1, devices::kDraw);
  r.batch.add(4, 3, devices::kDraw);
  r.batch.add(0, 0, devices::kFlush);
  r.batch.add(0, 0, devices::kFlush);  // nothing new: the kept end point was reached by a move
  r.batch.add(4, 6, devices::kDraw);   // goes on from the last point after a flush
  r.batch.flush();
  ASSERT_EQ(r.pieces.size(), 3u);
  EXPECT_EQ(r.pieces[0], (Piece{{5, 5}}));
  EXPECT_EQ(r.pieces[1], (Piece{{1, 1}, {4, 1}, {4, 3}}));
  EXPECT_EQ(r.pieces[2], (Piece{{4, 3}, {4, 6}}));
}

TEST(PolylineBatch, DrawWithNothingPendingIsIgnoredUntilAMove) {
  Recorder r;
  r.batch.add(3, 3, devices::kDraw);
  r.batch.flush();
  EXPECT_TRUE(r.pieces.empty());
  r.batch.add(1, 1, devices::kMove);
  r.batch.add(2, 2, devices::kDraw);
  r.batch.reset();  // a new plot forgets what was pending
  r.batch.flush();
  EXPECT_TRUE(r.pieces.empty());
}

}  // namespace
