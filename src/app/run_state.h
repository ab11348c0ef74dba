// The run state: everything the dialogue keeps from one stage to the next, owned by the
// driver for the whole life of the program.
#pragma once

#include <string>
#include <vector>

#include "app/picture_style.h"
#include "catalogue/catalogue_record.h"
#include "dynamics/constants.h"
#include "dynamics/encounter_lists.h"
#include "dynamics/orbital_elements.h"
#include "dynamics/planet_setup.h"
#include "dynamics/shared_blocks.h"
#include "sky/sky.h"

namespace app {

// Most points a run writes: T = 0, one per output step up to 40001, and possibly one
// step beyond the end of the span.
inline constexpr int kMaxPoints = 40003;

// Points of the circle drawn around the Earth (the Moon's orbit).
inline constexpr int kEarthCirclePoints = 201;

inline constexpr std::size_t kSysnameWidth = 20;

// Limits of the 3D box, sized at read-back: X from xa to xe (first label xo0), and so on;
// the box lengths are ixy/100, ixy/100 and iz/100.
struct AxisBox {
  float xa = 0, xe = 0, xo0 = 0;
  float ya = 0, ye = 0, yo0 = 0;
  float za = 0, ze = 0, zo0 = 0;
  int ixy = 0;
  int iz = 0;
};

// The view chosen in the view dialogue, and what follows from it.
struct View {
  char focus = 'S';                  // S(un), P(lanet) or A(steroid)
  float xobs = 0, yobs = 0, zobs = 0;  // observer, relative units
  float xf = 0, yf = 0, zf = 0;      // focus point
  float dpl = 0;                     // observer to planet
  float dsun = 0;                    // observer to Sun
  float zoom = 1;                    // clear style: enlargement about the focus, 1 = fitted
};

struct RunState {
  // Reference planet, 1 (Mercury) .. 9 (Pluto); set once at start-up.
  int ipl = 0;
  // "System : Sun-" and the planet's 7-character name: title line 2.
  std::string sysname;

  // The object: short name (stem of the output file names), title, elements.
  std::string name7 = std::string(catalogue::kDesignationWidth, ' ');
  std::string name28 = std::string(catalogue::kName28Width, ' ');
  dynamics::OrbitalElements elements;

  // The shared blocks of the dynamics; blocks.epoch_jd holds the epoch of the elements
  // (Julian date, time 0 of every run).
  dynamics::SharedBlocks blocks;

  // Integration class, set after each object choice.
  dynamics::IntegrationClass integration_class;

  // Where the planets start: the dialogue keeps the table.
  sky::Sky sky = sky::Sky::table;

  // Time span, output step and signed integration step, years.
  double span = 0.0;
  double dt = 0.0;
  double h = 0.0;

  // The path in the rotating frame, as read back from the coordinates file; entries
  // 0..npts-1 are used.
  std::vector<float> x = std::vector<float>(kMaxPoints);
  std::vector<float> y = std::vector<float>(kMaxPoints);
  std::vector<float> z = std::vector<float>(kMaxPoints);
  int npts = 0;
  // The Julian date of each point of the path.
  std::vector<double> jd = std::vector<double>(kMaxPoints);
  AxisBox axes;
  // The Moon's orbit around the Earth (reference planet 3 only), filled at read-back.
  std::vector<float> xc = std::vector<float>(kEarthCirclePoints);
  std::vector<float> yc = std::vector<float>(kEarthCirclePoints);
  std::vector<float> zc = std::vector<float>(kEarthCirclePoints);

  View view;
  bool anim = true;  // animated plot: on after every read-back, off after a save
  bool quiet = false;  // pictures without the plotting library's end-of-run protocol
  PictureStyle style = PictureStyle::classic;
  PngBackground png_background = PngBackground::black;
  BoxFrame frame = BoxFrame::path;            // the box of a clear picture
  PathColour path_colour = PathColour::plain;  // the path of a clear picture
  // The close approaches of the last run, as its close-approach file lists them.
  std::vector<dynamics::CloseApproach> approaches;
  int kstart = 1;   // points in the first frame: 1 animated, npts still

  int iopt = 0;  // last menu answer
};

}  // namespace app
