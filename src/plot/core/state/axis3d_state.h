// Fields of PlotState for the 3D axis system: box proportions, scaling, view,
// viewing matrix, 3D clipping, the 2D-on-plane mapping and the axis labelling
// settings. Member initialisers are the values after every disini (resall).
#pragma once

#include <string>

namespace plotix {

// Settings of one slot of the 2D axis machinery (0 = horizontal, 1 = vertical,
// 2 = the third axis). A 3D axis drawn in another slot swaps its settings in.
struct AxisSlot {
  int ndig = 1;          // digits after the point; -1 = integer without a point
  int iautodig = 0;      // 1 = digits chosen from the step
  int nlabsel = 0;       // which numbers are drawn (0 all ... 6 last only)
  int nticks = 2;        // tick intervals per number interval
  int ntiklen = 16;      // length of the ticks between numbers, plot units
  int nmajlen = 24;      // length of the ticks at numbers
  int nlabdist = 24;     // distance of the numbers beyond the long ticks
  int nnamdist = 30;     // distance of the name beyond the numbers
  int iaxline = 1;       // 1 = the axis line is drawn
  int ilog = 0;          // logarithmic scaling of this axis (set by the scaling settings)
};

// How view3 gives the viewpoint: unset (the default viewpoint), absolute plot
// coordinates, user coordinates, or angles and a distance; in view3d's keyword order.
enum class ViewPointKind { unset, absolute, user, angles };

struct Axis3dState {
  // Box and scaling.
  float ax3len[3] = {2.0f, 2.0f, 2.0f};  // edge lengths along x, y, z (absolute units)
  int iaxsys = 0;                         // kind of the open axis system; 3 after graf3d
  float xa3 = 0, xe3 = 0, ya3 = 0, ye3 = 0, za3 = 0, ze3 = 0;  // limits as passed to graf3d
  float xor3 = 0, xstp3 = 0, yor3 = 0, ystp3 = 0, zor3 = 0, zstp3 = 0;  // first labels, steps
  float rng3[6] = {};                     // per axis (min, max) in user units, ascending
  int ilog3[3] = {};                      // logarithmic flags captured by graf3d

  // View.
  ViewPointKind iview3 = ViewPointKind::unset;  // how view3 gives the viewpoint
  float view3[3] = {};      // viewpoint
  int ifoc3 = 0;            // 0 not set, 1 ABS, 2 USER
  float foc3[3] = {};       // focus point
  float vtwist3 = 0.0f;     // rotation about the line of sight, radians
  float vangle3 = 0.2449787f;  // half opening angle of the view cone (atan 0.25)
  float vnear3 = 1.0f;      // near distance
  float vfar3 = -1.0f;      // far distance; negative = none

  // Projection.
  float mat3d[4][4] = {};   // rows give homogeneous X, Y, Z, W of (a, 1)
  // Near plane and side planes of the camera: a point P is kept when
  // c . (P, 1) >= 0 for every row c. All zero keeps every point.
  double frustum3[5][4] = {};
  float xcen3 = 0, ycen3 = 0;  // page point of the line of sight
  float scl3 = 0;           // page size of one projected unit

  // 3D move/draw.
  int iclp3 = 0;            // clipping: 0 at the box, 1 at the view volume, 2 none
  unsigned char itrf3 = 0;  // 1 = trf3 applied after the user-to-absolute step
  float trf3[3][4] = {};    // extra affine transformation of absolute coordinates
  float cur3[3] = {};       // last point given to the 3D move/draw primitives
  int iout3 = 0;            // 1 when that point lay outside the clipping region

  // 2D-on-plane mapping used while the axes are labelled.
  int iplane3 = 0;
  float plane3[9] = {};     // origin, x direction, y direction (absolute units)

  // Axis labelling.
  std::string cxname, cyname, czname;  // axis names, at most 132 characters
  int nhname = 36;          // height of the axis names
  int iflab3 = 1;           // 1 = first-number rule from the placement table
  // Labels on the box faces (false), or upright in the page plane with the drawing
  // fitted to the area below the titles (true).
  bool upright3 = false;
  // graf3d sets the axis system up without drawing the axes (frames of an animation
  // over the first one, which drew them).
  bool skip_axes3 = false;
  AxisSlot slot[3];         // per-axis 2D settings of x, y, z
};

}  // namespace plotix
