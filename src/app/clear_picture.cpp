// The clear style's picture.
#include "app/clear_picture.h"

#include <string>

#include "app/bold_lines.h"
#include "app/date_colours.h"
#include "app/sun_pointer.h"
#include "plot/plotix.h"
#include "textio/plain_text.h"

namespace app {

namespace {

// The path's width, plot units (0.1 mm); the box is a hairline.
constexpr int kPathWidth = 4;
// Diameter of the Sun and planet markers, plot units.
constexpr float kMarkerSize = 25.0f;

void set_colour(const Rgb& c) { plotix::setrgb(c.r, c.g, c.b); }

std::string planet_name(const RunState& state) {
  return std::string(textio::trim_blanks(dynamics::kPlanetNames[static_cast<std::size_t>(state.ipl - 1)]));
}

bool by_date(const RunState& state) { return state.path_colour == PathColour::time; }

void open_axis_system(const PictureBox& b) {
  const auto f = [](double v) { return static_cast<float>(v); };
  plotix::graf3d(f(b.lo[0]), f(b.hi[0]), f(b.first[0]), f(b.step[0]), f(b.lo[1]), f(b.hi[1]), f(b.first[1]),
                 f(b.step[1]), f(b.lo[2]), f(b.hi[2]), f(b.first[2]), f(b.step[2]));
}

}  // namespace

ClearPicture clear_picture(const RunState& state, bool paper, bool brush) {
  return {picture_box(state), &clear_palette(paper), brush};
}

void set_up_clear_page(const RunState& state, const ClearPicture& picture) {
  plotix::labdig(-2, "XYZ");
  plotix::noclip();
  plotix::nochek();  // an enlarged box holds part of the path, on purpose
  plotix::paghdr("SKYTRAK3D (", ")", 1, 1);
  plotix::hname(26);
  // The unit once: beside each axis for the Earth, whose distance from the Sun is the
  // astronomical unit; under the titles for another planet.
  const std::string unit = state.ipl == 3 ? " (AU)" : "";
  plotix::name("X" + unit, "X");
  plotix::name("Y" + unit, "Y");
  plotix::name("Z" + unit, "Z");
  plotix::labl3d("PAGE");
  plotix::titlin(state.name28, 1);
  plotix::titlin(state.sysname, 2);
  if (state.ipl != 3) plotix::titlin("Unit of length: the Sun\u2013" + planet_name(state) + " distance", 3);
  plotix::flab3d();
  plotix::height(26);
  plotix::pagera();
  const std::array<float, 3> lengths = picture.box.edge_lengths();
  plotix::axis3d(lengths[0], lengths[1], lengths[2]);
  plotix::view3d(state.view.xobs, state.view.yobs, state.view.zobs, "USER");
  plotix::vfoc3d(state.view.xf, state.view.yf, state.view.zf, "USER");
}

void draw_clear_axes(const ClearPicture& picture, bool skip_axes) {
  const ClearPalette& c = *picture.palette;
  plotix::skip_axes3d(skip_axes);
  set_colour(c.text);
  open_axis_system(picture.box);
  plotix::skip_axes3d(false);
  if (skip_axes) return;
  set_colour(c.box);
  plotix::box3d();
  set_colour(c.text);
  plotix::title();
}

void draw_clear_path(const RunState& state, const ClearPicture& picture, int first, int last) {
  const ClearPalette& c = *picture.palette;
  bold_curves(kPathWidth, picture.brush);
  if (!by_date(state)) {
    set_colour(c.path);
    plotix::curv3d(state.x.data() + first - 1, state.y.data() + first - 1, state.z.data() + first - 1, last - first + 1);
  } else {
    // Runs of points of one colour, each drawn on to the first point of the next run.
    const int colours = static_cast<int>(c.dates.size());
    for (int start = first - 1; start < last - 1;) {
      const int index = date_colour_index(state, start, colours);
      int end = start + 1;
      while (end < last - 1 && date_colour_index(state, end, colours) == index) ++end;
      set_colour(c.dates[static_cast<std::size_t>(index)]);
      plotix::curv3d(state.x.data() + start, state.y.data() + start, state.z.data() + start, end - start + 1);
      start = end;
    }
  }
  thin_lines();
}

void draw_clear_bodies(const RunState& state, const ClearPicture& picture) {
  const ClearPalette& c = *picture.palette;
  if (picture.box.holds(-1.0, 0.0, 0.0)) {
    set_colour(c.sun);
    plotix::disc3d(-1.0f, 0.0f, 0.0f, kMarkerSize);
  } else {
    draw_sun_pointer(picture.box, c, picture.brush);
  }
  set_colour(c.planet);
  if (state.ipl == 3) plotix::curv3d(state.xc.data(), state.yc.data(), state.zc.data(), kEarthCirclePoints);
  plotix::disc3d(0.0f, 0.0f, 0.0f, kMarkerSize);
  if (by_date(state)) draw_approach_marks(state, c, picture.box);
}

void draw_clear_legend(const RunState& state, const ClearPicture& picture) {
  const ClearPalette& c = *picture.palette;
  constexpr float kLeft = 100.0f, kTop = 190.0f, kRow = 50.0f, kTextX = 190.0f, kHeight = 26.0f, kSample = 60.0f;
  const float middle = kTop + kHeight / 2;
  plotix::height(static_cast<int>(kHeight));
  if (!by_date(state)) {
    set_colour(c.path);
    bold_rline(kLeft, middle, kLeft + kSample, middle, kPathWidth, picture.brush);
  } else {
    // The line in the dates' colours, from the earliest to the latest.
    const std::size_t n = c.dates.size();
    for (std::size_t i = 0; i < n; ++i) {
      set_colour(c.dates[i]);
      bold_rline(kLeft + kSample * static_cast<float>(i) / static_cast<float>(n), middle,
                 kLeft + kSample * static_cast<float>(i + 1) / static_cast<float>(n), middle, kPathWidth,
                 picture.brush);
    }
  }
  set_colour(c.sun);
  plotix::disc(kLeft + kSample / 2, middle + kRow, kMarkerSize);
  set_colour(c.planet);
  plotix::disc(kLeft + kSample / 2, middle + 2 * kRow, kMarkerSize);
  set_colour(c.text);
  plotix::messag(textio::trim_blanks(state.name28), static_cast<int>(kTextX), static_cast<int>(kTop));
  plotix::messag("Sun", static_cast<int>(kTextX), static_cast<int>(kTop + kRow));
  plotix::messag(planet_name(state), static_cast<int>(kTextX), static_cast<int>(kTop + 2 * kRow));
  if (!by_date(state)) return;
  if (!approach_marks(state).empty()) {
    plotix::disc(kLeft + kSample / 2, middle + 3 * kRow, kApproachDotSize);
    plotix::messag("Close approach", static_cast<int>(kTextX), static_cast<int>(kTop + 3 * kRow));
  }
  draw_date_bar(state, c);
}

}  // namespace app
