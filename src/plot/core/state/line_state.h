// Line fields of PlotState: the pending polyline, dashing, line width,
// clipping window, origin offset and the colours with the colour table.
#pragma once

namespace plotix {

struct PlotState;

// Replaces a point given to the line routines before it is stored. A later stage
// installs one while 2D lines are to land on another surface (the 3D axis labelling
// lays the axis area onto a face of the box) and removes it afterwards.
using PointMapping = void (*)(const PlotState& st, float& x, float& y);

inline constexpr int kMaxPolyline = 100;  // points buffered before they are stroked

struct LineState {
  int npoly = 0;                 // points in the pending polyline
  float xpoly[kMaxPolyline] = {};
  float ypoly[kMaxPolyline] = {};
  float xcur = 0.0f, ycur = 0.0f;  // current point of strtqq/connqq (origin offset added)
  PointMapping map_point = nullptr;  // null: points are stored as given
  bool ilast = false;            // a stroked polyline left its last point in xlast, ylast
  float xlast = 0.0f, ylast = 0.0f;
  int ltyp = 0;                  // line style 0..7
  int ndash = 1;                 // values in the dash pattern; 1 = solid
  int idash[10] = {1};           // dash pattern, plot units, drawn and skipped alternately
  float xdashrem = 1.0f;         // length left in the current pattern element
  int idashpos = 1;              // 1-based index of the current pattern element
  int ipenoff = 0;               // 0 the current element is drawn, 1 it is a gap
  int nlinwid = 1;               // > 0 emulated by the library, < 0 drawn by the device
  int ilincap = 2, ilinjoin = 2; // caps and joins of emulated thick lines
  float xmiter = 2.0f;           // miter limit factor of emulated thick lines
  bool istroke = false;          // the pending polyline is being stroked
  int nclpx1 = 0, nclpy1 = 0;    // clipping window, plot units, inclusive
  int nclpx2 = 2969, nclpy2 = 2099;
  int nxorg = 0, nyorg = 0;      // origin offset of strtqq/connqq and filled shapes
  int ncolor = 0;                // current colour value
  int nfore = 255, nback = 0;    // values of FORE and BACK
  int nclrnam[9] = {};           // WHIT RED GREE YELL BLUE ORAN CYAN MAGE BLAC
  int ipaltyp = 1;               // current colour table number
  int npal[256] = {};            // colour table, entries 0xRRGGBB
  int npalmin = 0, npalmax = 255;  // stored table ends
  int ncdepth = 8;               // colour depth of the device in bits
};

}  // namespace plotix
