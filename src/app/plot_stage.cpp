// The plot: output settings, the page, the 3D box, titles, the path, the Sun and the
// planet (or the Moon's orbit around the Earth), frame by frame; on the screen, the
// other views the user asks for in the window.
#include "app/plot_stage.h"

#include "app/clear_picture.h"
#include "app/file_stem.h"
#include "app/menu.h"
#include "app/plot_failure.h"
#include "app/view_turn.h"
#include "plot/plotix.h"

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
  // The BMP keeps its 1600 x 1200.
  if (output == PlotOutput::bmp) plotix::winsiz(1600, 1200);
  if (output == PlotOutput::png) plotix::winsiz(kPngWidth, kPngHeight);
  if (output == PlotOutput::png && state.png_background == PngBackground::white) plotix::scrmod("REVE");
}

// Pictures on white paper, where the name WHITE draws black.
bool on_paper(const RunState& state, PlotOutput output) {
  return output == PlotOutput::pdf || output == PlotOutput::ps || output == PlotOutput::wmf ||
         output == PlotOutput::svg || (output == PlotOutput::png && state.png_background == PngBackground::white);
}

bool clear(const RunState& state) { return state.style == PictureStyle::clear; }

// Devices whose wide lines the library draws as outlines: all but PDF, PostScript and WMF.
bool widened_by_outlines(PlotOutput output) {
  return output != PlotOutput::pdf && output != PlotOutput::ps && output != PlotOutput::wmf;
}

// The settings of the classic picture after disini.
void set_up_classic_page(const RunState& state) {
  plotix::labdig(-1, "XYZ");
  plotix::noclip();
  plotix::paghdr("SKYTRAK3D (", ")", 1, 1);
  plotix::hname(26);
  plotix::name("X", "X");
  plotix::name("Y", "Y");
  plotix::name("Z", "Z");
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

// The axis system with its magenta labels, the box as a dashed hairline, and the titles.
void draw_box_and_titles(const RunState& state) {
  const AxisBox& b = state.axes;
  plotix::color("MAGENTA");
  plotix::graf3d(b.xa, b.xe, b.xo0, 1.0f, b.ya, b.ye, b.yo0, 1.0f, b.za, b.ze, b.zo0, 1.0f);
  plotix::dash();
  plotix::penwid(0.2f);
  plotix::box3d();
  plotix::linwid(1);
  plotix::solid();
  plotix::color("WHITE");
  plotix::title();
}

// The classic picture's colours: a green path and a yellow Sun, black on paper.
void path_colour() { plotix::color("GREEN"); }

void sun_colour(const RunState& state, PlotOutput output) { plotix::color(on_paper(state, output) ? "WHITE" : "YELLOW"); }

// The classic path's points first..last (1-based, inclusive).
void draw_path(const RunState& state, int first, int last) {
  path_colour();
  plotix::curv3d(state.x.data() + first - 1, state.y.data() + first - 1,
                 state.z.data() + first - 1, last - first + 1);
}

// The Sun and the planet (or the Moon's orbit around the Earth), drawn over the path.
void draw_bodies(const RunState& state, PlotOutput output) {
  sun_colour(state, output);
  const float rsun = state.ipl == 3 ? 0.0046f : 0.002f * state.view.dsun;
  plotix::sphe3d(-1.0f, 0.0f, 0.0f, rsun, 10, 10);
  plotix::color("red");
  if (state.ipl == 3) {
    plotix::curv3d(state.xc.data(), state.yc.data(), state.zc.data(), kEarthCirclePoints);
  } else {
    plotix::sphe3d(0.0f, 0.0f, 0.0f, 0.0015f * state.view.dpl, 10, 10);
  }
}

// One plot: the run, where it goes, and in the clear style what its frames share.
struct Plot {
  RunState& state;
  PlotOutput output;
  ClearPicture clear;

  Plot(RunState& s, PlotOutput o) : state(s), output(o) { look_again(); }
  // After a new view: the clear style's box follows the focus and the zoom.
  void look_again() {
    if (app::clear(state)) clear = clear_picture(state, on_paper(state, output), widened_by_outlines(output));
  }
};

void set_up_page(const Plot& plot) {
  if (clear(plot.state)) {
    set_up_clear_page(plot.state, plot.clear);
  } else {
    set_up_classic_page(plot.state);
  }
}

// One frame: the whole picture with the first `k` points of the path.
void draw_frame(const Plot& plot, int k) {
  const RunState& state = plot.state;
  if (clear(state)) {
    draw_clear_axes(plot.clear, false);
    draw_clear_legend(state, plot.clear);
    draw_clear_path(state, plot.clear, 1, k);
    draw_clear_bodies(state, plot.clear);
  } else {
    draw_box_and_titles(state);
    draw_path(state, 1, k);
    draw_bodies(state, plot.output);
  }
  plotix::endgrf();
}

// The next frame of an animation over the last one: of all the picture only the path's
// newest segment changes. The axis system is set up anew for the segment without
// drawing its axes, and the box and the bodies stay as the first frame drew them, a
// backdrop the path grows over; the last frame draws the whole picture afresh, so that
// it is exactly the still one.
void draw_next_frame(const Plot& plot, int k) {
  const RunState& state = plot.state;
  if (clear(state)) {
    draw_clear_axes(plot.clear, true);
    draw_clear_path(state, plot.clear, k - 1, k);
  } else {
    const AxisBox& b = state.axes;
    plotix::skip_axes3d(true);
    plotix::graf3d(b.xa, b.xe, b.xo0, 1.0f, b.ya, b.ye, b.yo0, 1.0f, b.za, b.ze, b.zo0, 1.0f);
    plotix::skip_axes3d(false);
    draw_path(state, k - 1, k);
  }
  plotix::endgrf();
}

// The whole picture again on an erased page (a new view, or the end of an animation).
void redraw(const Plot& plot) {
  plotix::erase_page();
  set_up_page(plot);
  draw_frame(plot, plot.state.npts);
}

// Frames kstart..npts. Each costs the same whatever its number, so an animation
// takes time in proportion to its length. When the user dismisses the window the
// animation stops there: the rest of the path is not drawn, and the window is gone.
void draw_frames(const Plot& plot) {
  const RunState& state = plot.state;
  if (state.kstart > state.npts) return;
  draw_frame(plot, state.kstart);
  for (int k = state.kstart + 1; k <= state.npts; ++k) {
    if (plotix::window_dismissed()) return;
    if (k < state.npts) {
      draw_next_frame(plot, k);
    } else {
      redraw(plot);
    }
  }
}

// The views the user asks for in the window, each drawn at once; the last one shown
// stays the run's view (the menu's saves draw it). The wheel enlarges the clear
// picture about the focus, and brings the classic observer nearer.
void look_around(Plot& plot) {
  RunState& state = plot.state;
  const View asked = state.view;
  for (;;) {
    const devices::UserRequest request = plotix::wait_for_request();
    if (request.kind == devices::UserRequest::kDismiss) return;
    if (clear(state) && request.kind == devices::UserRequest::kZoom) {
      state.view.zoom = zoomed(state.view.zoom, request.notches);
    } else {
      state.view = turned_view(state.view, asked, request);
    }
    plot.look_again();
    redraw(plot);
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
  state.kstart = state.anim ? 1 : state.npts;
  Plot plot(state, output);
  set_up_page(plot);
  draw_frames(plot);
  look_around(plot);
  const bool window_closed = plotix::window_dismissed();
  plotix::disfin();
  check_plot_status();
  return window_closed;
}

}  // namespace app
