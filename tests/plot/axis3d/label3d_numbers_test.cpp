// Axis numbers (fcha, flen, selection) and the placement of the 3D axes.
#include <gtest/gtest.h>

#include "plot/axis3d/axis_numbers.h"
#include "plot/axis3d/axis_placement.h"

namespace plotix {
namespace {

TEST(Label3dNumbers, IntegerDigitsRoundHalfAwayFromZero) {
  EXPECT_EQ(fcha(0.5, -1), "1");
  EXPECT_EQ(fcha(-0.5, -1), "-1");
  EXPECT_EQ(fcha(2.5, -1), "3");
  EXPECT_EQ(fcha(-2.49, -1), "-2");
  EXPECT_EQ(fcha(123.456, -1), "123");
  EXPECT_EQ(flen(-0.5, -1), 2);
  EXPECT_EQ(flen(999.6, -1), 4);  // rounds up to 1000
}

TEST(Label3dNumbers, FixedDigitsWidthHasNoBlanks) {
  EXPECT_EQ(fcha(0.5, 1), "0.5");
  EXPECT_EQ(fcha(-0.5, 1), "-0.5");
  EXPECT_EQ(fcha(-2.05, 2), "-2.05");
  EXPECT_EQ(fcha(1.0e5, 1), "100000.0");
  EXPECT_EQ(fcha(9.96, 1), "10.0");
  EXPECT_EQ(fcha(3.0, 0), "3.");
  EXPECT_EQ(fcha(-3.0, 0), "-3.");
  for (double v : {0.0, 0.5, -0.5, 12.25, -1234.5678, 0.004}) {
    for (int d : {-1, 0, 1, 3}) {
      EXPECT_EQ(static_cast<int>(fcha(v, d).size()), flen(v, d)) << v << " " << d;
      EXPECT_NE(fcha(v, d).front(), ' ') << v << " " << d;
    }
  }
}

TEST(Label3dNumbers, ValuesThatRoundToZeroCarryNoSign) {
  EXPECT_EQ(fcha(-0.04, 1), "0.0");
  EXPECT_EQ(fcha(-0.4, -1), "0");
  EXPECT_EQ(fcha(-1.0e-9, 2), "0.00");
}

TEST(Label3dNumbers, AutomaticDigitsFollowFirstNumberAndStep) {
  EXPECT_EQ(auto_digits(-2.0, 1.0), -1);
  EXPECT_EQ(auto_digits(0.0, 0.5), 1);
  EXPECT_EQ(auto_digits(0.25, 1.0), 2);
  EXPECT_EQ(auto_digits(1.0, 0.001), 3);
}

TEST(Label3dNumbers, NumberIndexAndSelection) {
  EXPECT_EQ(last_number_index(-1.0, 1.0, 1.05), 2);
  EXPECT_EQ(last_number_index(-2.0, 1.0, 0.05), 2);
  EXPECT_EQ(last_number_index(0.0, 0.1, 0.3), 3);  // 0.3/0.1 is 2.9999999999999996
  EXPECT_EQ(last_number_index(1.0, -1.0, -1.05), 2);  // reversed axis
  const int n = 3;
  const char* want[7] = {"1111", "0111", "1110", "0110", "1001", "1000", "0001"};
  for (int sel = 0; sel < 7; ++sel) {
    std::string got;
    for (int k = 0; k <= n; ++k) got += number_selected(k, n, sel) ? '1' : '0';
    EXPECT_EQ(got, want[sel]) << sel;
  }
}

TEST(Label3dPlacement, RowsFromTheViewpoint) {
  const float len[3] = {2, 2, 2};
  EXPECT_EQ(placement_row(len, {4, -5, 4}), 20);  // the default viewpoint
  EXPECT_EQ(placement_row(len, {4, -5, 1.5f}), 19);  // z within the full length
  EXPECT_EQ(placement_row(len, {4, -5, 2.5f}), 20);
  EXPECT_EQ(placement_row(len, {0, 0, -1.5f}), 13);
  EXPECT_EQ(placement_row(len, {-3, -3, -3}), 0);
  EXPECT_EQ(placement_row(len, {3, 3, 3}), 26);
  const float tall[3] = {2, 2, 6};
  EXPECT_EQ(placement_row(tall, {4, -5, 4}), 19);

  const AxisPlacement x = axis_placement(20, 0), y = axis_placement(20, 1), z = axis_placement(20, 2);
  EXPECT_EQ(x.corners, 123);
  EXPECT_EQ(x.value, 0);
  EXPECT_EQ(y.corners, 234);
  EXPECT_EQ(y.value, 1);
  EXPECT_EQ(z.corners, 148);
  EXPECT_EQ(z.value, 1);
  EXPECT_EQ(axis_placement(21, 0).reverse, 1);
  EXPECT_EQ(axis_placement(8, 1).corners, 412);
}

TEST(Label3dPlacement, CornersCarryTheHalfLengths) {
  const float len[3] = {2, 4, 6};
  EXPECT_EQ(box_corner(len, 1), (Point3{-1, -2, -3}));
  EXPECT_EQ(box_corner(len, 3), (Point3{1, 2, -3}));
  EXPECT_EQ(box_corner(len, 8), (Point3{-1, 2, 3}));
}

}  // namespace
}  // namespace plotix
