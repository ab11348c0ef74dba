// The 27-row table that places the labelled axes on the edges of the 3D box.
#include "plot/axis3d/axis_placement.h"

namespace plotix {

namespace {

// Rows s = 9*(cx-1) + 3*(cy-1) + (cz-1); per row the x, y and z axis.
constexpr AxisPlacement kTable[27][3] = {
    {{432, 0, 1}, {321, 1, 0}, {437, 0, 1}},  // 0
    {{126, 0, 1}, {415, 1, 0}, {437, 0, 1}},  // 1
    {{123, 0, 1}, {412, 1, 0}, {437, 0, 1}},  // 2
    {{432, 0, 1}, {321, 1, 0}, {415, 0, 1}},  // 3
    {{123, 0, 1}, {415, 1, 0}, {415, 0, 1}},  // 4
    {{123, 0, 1}, {412, 1, 0}, {415, 0, 1}},  // 5
    {{214, 1, 0}, {321, 1, 1}, {326, 0, 1}},  // 6
    {{348, 1, 0}, {415, 1, 1}, {326, 0, 1}},  // 7
    {{341, 1, 0}, {412, 1, 1}, {326, 0, 1}},  // 8
    {{432, 0, 0}, {143, 0, 1}, {126, 0, 1}},  // 9
    {{126, 0, 0}, {234, 0, 1}, {126, 0, 1}},  // 10
    {{123, 0, 0}, {234, 0, 1}, {126, 0, 1}},  // 11
    {{214, 1, 0}, {143, 0, 1}, {215, 0, 1}},  // 12
    {{123, 0, 0}, {234, 0, 1}, {126, 0, 1}},  // 13
    {{123, 0, 0}, {234, 0, 1}, {126, 0, 1}},  // 14
    {{214, 1, 0}, {321, 1, 1}, {348, 0, 1}},  // 15
    {{348, 1, 0}, {412, 1, 1}, {348, 0, 1}},  // 16
    {{341, 1, 0}, {412, 1, 1}, {348, 0, 1}},  // 17
    {{432, 0, 0}, {143, 0, 1}, {148, 0, 1}},  // 18
    {{126, 0, 0}, {237, 0, 1}, {148, 0, 1}},  // 19
    {{123, 0, 0}, {234, 0, 1}, {148, 0, 1}},  // 20
    {{214, 1, 1}, {143, 0, 0}, {237, 0, 1}},  // 21
    {{341, 1, 1}, {237, 0, 0}, {237, 0, 1}},  // 22
    {{341, 1, 1}, {234, 0, 0}, {237, 0, 1}},  // 23
    {{214, 1, 1}, {143, 0, 0}, {215, 0, 1}},  // 24
    {{348, 1, 1}, {237, 0, 0}, {215, 0, 1}},  // 25
    {{341, 1, 1}, {234, 0, 0}, {215, 0, 1}},  // 26
};

// Corner signs (x, y, z) of corners 1..8.
constexpr int kCornerSign[8][3] = {{-1, -1, -1}, {1, -1, -1}, {1, 1, -1}, {-1, 1, -1},
                                   {-1, -1, 1},  {1, -1, 1},  {1, 1, 1},  {-1, 1, 1}};

int classify(float v, float bound) { return v < -bound ? 1 : (v > bound ? 3 : 2); }

}  // namespace

int placement_row(const float len[3], const Point3& view) {
  const int cx = classify(view[0], len[0] / 2);
  const int cy = classify(view[1], len[1] / 2);
  const int cz = classify(view[2], len[2]);
  return 9 * (cx - 1) + 3 * (cy - 1) + (cz - 1);
}

AxisPlacement axis_placement(int row, int j) { return kTable[row][j]; }

Point3 box_corner(const float len[3], int corner) {
  const int* sign = kCornerSign[corner - 1];
  return {sign[0] * len[0] / 2, sign[1] * len[1] / 2, sign[2] * len[2] / 2};
}

}  // namespace plotix
