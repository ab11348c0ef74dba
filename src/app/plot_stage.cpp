// The plot: output settings, the page, the 3D box, titles, the path, the Sun and the
// planet (or the Moon's orbit around the Earth), frame by frame; on the screen, the
// other views the user asks for in the window.
#include "app/plot_stage.h"

#include "app/file_stem.h"
#include "app/menu.h"
#include "app/plot_failure.h"
#include "app/view_turn.h"
#include "plot/plotix.h"
#include "textio/plain_text.h"

namespace app {

namespace {

// The metafl keyword of a picture file.
const char* format_keyword(PlotOutput output) {
  switch (output) {
    case PlotOutput::bmp: return "BMP";
    case PlotOutput::pdf: return "PDF";
    case PlotOutput::ps: return "PS";
    case PlotOutput::wmf: return "WMF";
    case PlotOutput::png: return "PNG";
    case PlotOutput::svg: return "SVG";
    case PlotOutput::screen: break;
  }
  return "CONS";
}

void choose_output(const RunState& state, PlotOutput output) {
  if (output == PlotOutput::screen) {
    plotix::metafl("CONS");
    plotix::winsiz(800, 600);
    return;
  }
  plotix::setfil(picture_file_name(state.name7, output).c_str());
  plotix::metafl(format_keyword(output));
  // The PNG takes the page's shape (2969 x 2099 units); the BMP keeps its 1600 x 1200.
  if (output == PlotOutput::bmp) plotix::winsiz(1600, 1200);
  if (output == PlotOutput::png) plotix::winsiz(1600, 1131);
  if (output == PlotOutput::png && state.png_background == PngBackground::white) plotix::scrmod("REVE");
}

// Pictures on white paper, where the name WHITE draws black.
bool on_paper(const RunState& state, PlotOutput output) {
  return output == PlotOutput::pdf || output == PlotOutput::ps || output == PlotOutput::wmf ||
         output == PlotOutput::svg || (output == PlotOutput::png && state.png_background == PngBackground::white);
}

bool clear(const RunState& state) { return state.style == PictureStyle::clear; }

std::string planet_name(const RunState& state) {
  return std::string(textio::trim_blanks(dynamics::kPlanetNames[static_cast<std::size_t>(state.ipl - 1)]));
}

// The axis names: the letter alone in classic; with the unit, the distance from the
// Sun to the run's planet, in clear.
void name_axes(const RunState& state) {
  const std::string unit = clear(state) ? " (Sun\u2013" + planet_name(state) + " distances)" : "";
  plotix::name("X" + unit, "X");
  plotix::name("Y" + unit, "Y");
  plotix::name("Z" + unit, "Z");
}

void set_up_page(const RunState& state) {
  plotix::labdig(-1, "XYZ");
  plotix::noclip();
  plotix::paghdr("SKYTRAK3D (", ")", 1, 1);
  plotix::hname(26);
  name_axes(state);
  if (clear(state)) plotix::labl3d("PAGE");
  plotix::titlin(state.name28.c_str(), 1);
  plotix::titlin(state.sysname.c_str(), 2);
  plotix::flab3d();
  plotix::height(26);
  plotix::pagera();
  const float len_xy = static_cast<float>(state.axes.ixy) / 100.0f;
  plotix::axis3d(len_xy, len_xy, static_cast<float>(state.axes.iz) / 100.0f);
  plotix::view3d(state.view.xobs, state.view.yobs, state.view.zobs, "USER");
  plotix::vfoc3d(state.view.xf, state.view.yf, state.view.zf, "USER");
}

// The axis system with its labels (magenta in classic, in the foreground colour in
// clear), the box (dashed hairline in classic, solid 0.3 mm in clear) and the titles.
void draw_box_and_titles(const RunState& state) {
  const AxisBox& b = state.axes;
  plotix::color(clear(state) ? "FORE" : "MAGENTA");
  plotix::graf3d(b.xa, b.xe, b.xo0, 1.0f, b.ya, b.ye, b.yo0, 1.0f, b.za, b.ze, b.zo0, 1.0f);
  if (clear(state)) {
    plotix::color("MAGENTA");
    plotix::linwid(3);
  } else {
    plotix::dash();
    plotix::penwid(0.2f);
  }
  plotix::box3d();
  plotix::linwid(1);
  plotix::solid();
  plotix::color("WHITE");
  plotix::title();
}

// The path's colour: green, dark green on white paper in clear.
void path_colour(const RunState& state, PlotOutput output) {
  if (clear(state) && on_paper(state, output)) {
    plotix::setrgb(0.0f, 0.45f, 0.0f);
  } else {
    plotix::color("GREEN");
  }
}

// The Sun's colour: yellow; on paper black in classic, a deep gold in clear.
void sun_colour(const RunState& state, PlotOutput output) {
  if (!on_paper(state, output)) {
    plotix::color("YELLOW");
  } else if (clear(state)) {
    plotix::setrgb(0.95f, 0.65f, 0.0f);
  } else {
    plotix::color("WHITE");
  }
}

// The path's points first..last (1-based, inclusive).
void draw_path(const RunState& state, PlotOutput output, int first, int last) {
  path_colour(state, output);
  plotix::curv3d(state.x.data() + first - 1, state.y.data() + first - 1,
                 state.z.data() + first - 1, last - first + 1);
}

// Diameter of the Sun and planet markers of clear, plot units (0.1 mm).
constexpr float kMarkerSize = 25.0f;

// The Sun and the planet (or the Moon's orbit around the Earth), drawn over the path;
// in clear each gets a filled marker too, so that it shows however far it is.
void draw_bodies(const RunState& state, PlotOutput output) {
  sun_colour(state, output);
  const float rsun = state.ipl == 3 ? 0.0046f : 0.002f * state.view.dsun;
  plotix::sphe3d(-1.0f, 0.0f, 0.0f, rsun, 10, 10);
  if (clear(state)) plotix::disc3d(-1.0f, 0.0f, 0.0f, kMarkerSize);
  plotix::color("red");
  if (state.ipl == 3) {
    plotix::curv3d(state.xc.data(), state.yc.data(), state.zc.data(), kEarthCirclePoints);
  } else {
    plotix::sphe3d(0.0f, 0.0f, 0.0f, 0.0015f * state.view.dpl, 10, 10);
  }
  if (clear(state)) plotix::disc3d(0.0f, 0.0f, 0.0f, kMarkerSize);
}

// The legend of clear, at the upper left beside the titles: the path with the
// object's name, the Sun and the planet.
void draw_legend(const RunState& state, PlotOutput output) {
  constexpr float kLeft = 100.0f, kTop = 190.0f, kRow = 50.0f, kTextX = 190.0f, kHeight = 26.0f;
  const float middle = kTop + kHeight / 2;
  plotix::height(static_cast<int>(kHeight));
  path_colour(state, output);
  plotix::linwid(3);
  plotix::rline(kLeft, middle, kLeft + 60.0f, middle);
  plotix::linwid(1);
  sun_colour(state, output);
  plotix::disc(kLeft + 30.0f, middle + kRow, kMarkerSize);
  plotix::color("red");
  plotix::disc(kLeft + 30.0f, middle + 2 * kRow, kMarkerSize);
  plotix::color("WHITE");
  plotix::messag(textio::trim_blanks(state.name28), static_cast<int>(kTextX), static_cast<int>(kTop));
  plotix::messag("Sun", static_cast<int>(kTextX), static_cast<int>(kTop + kRow));
  plotix::messag(planet_name(state), static_cast<int>(kTextX), static_cast<int>(kTop + 2 * kRow));
}

// One frame: the whole picture with the first `k` points of the path.
void draw_frame(const RunState& state, PlotOutput output, int k) {
  draw_box_and_titles(state);
  if (clear(state)) draw_legend(state, output);
  draw_path(state, output, 1, k);
  draw_bodies(state, output);
  plotix::endgrf();
}

// The next frame of an animation over the last one: of all the picture only the path's
// newest segment changes. The axis system is set up anew for the segment without
// drawing its axes, and the box and the bodies stay as the first frame drew them, a
// backdrop the path grows over; the last frame draws the whole picture afresh, so that
// it is exactly the still one.
void draw_next_frame(const RunState& state, PlotOutput output, int k) {
  const AxisBox& b = state.axes;
  plotix::skip_axes3d(true);
  plotix::graf3d(b.xa, b.xe, b.xo0, 1.0f, b.ya, b.ye, b.yo0, 1.0f, b.za, b.ze, b.zo0, 1.0f);
  plotix::skip_axes3d(false);
  draw_path(state, output, k - 1, k);
  plotix::endgrf();
}

// The whole picture again on an erased page (a new view, or the end of an animation).
void redraw(const RunState& state, PlotOutput output) {
  plotix::erase_page();
  set_up_page(state);
  draw_frame(state, output, state.npts);
}

// Frames kstart..npts. Each costs the same whatever its number, so an animation
// takes time in proportion to its length. When the user dismisses the window the
// animation stops there: the rest of the path is not drawn, and the window is gone.
void draw_frames(const RunState& state, PlotOutput output) {
  if (state.kstart > state.npts) return;
  draw_frame(state, output, state.kstart);
  for (int k = state.kstart + 1; k <= state.npts; ++k) {
    if (plotix::window_dismissed()) return;
    if (k < state.npts) {
      draw_next_frame(state, output, k);
    } else {
      redraw(state, output);
    }
  }
}

// The views the user asks for in the window, each drawn at once; the last one shown
// stays the run's view (the menu's saves draw it).
void look_around(RunState& state, PlotOutput output) {
  const View asked = state.view;
  for (;;) {
    const devices::UserRequest request = plotix::wait_for_request();
    if (request.kind == devices::UserRequest::kDismiss) return;
    state.view = turned_view(state.view, asked, request);
    redraw(state, output);
  }
}

}  // namespace

PlotOutput plot_output(int iopt) {
  return is_save_answer(iopt) ? static_cast<PlotOutput>(iopt) : PlotOutput::screen;
}

std::string picture_file_name(const std::string& name7, PlotOutput output) {
  switch (output) {
    case PlotOutput::bmp: return file_stem(name7) + ".bmp";
    case PlotOutput::pdf: return file_stem(name7) + ".pdf";
    case PlotOutput::ps: return file_stem(name7) + ".ps ";
    case PlotOutput::wmf: return file_stem(name7) + ".wmf";
    case PlotOutput::png: return file_stem(name7) + ".png";
    case PlotOutput::svg: return file_stem(name7) + ".svg";
    case PlotOutput::screen: break;
  }
  return {};
}

bool plot_picture(RunState& state, PlotOutput output) {
  choose_output(state, output);
  plotix::disini();
  if (state.quiet) plotix::skip_protocol();
  set_up_page(state);
  state.kstart = state.anim ? 1 : state.npts;
  draw_frames(state, output);
  look_around(state, output);
  const bool window_closed = plotix::window_dismissed();
  plotix::disfin();
  check_plot_status();
  return window_closed;
}

}  // namespace app
