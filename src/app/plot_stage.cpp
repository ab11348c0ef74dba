// The plot: output settings, the page, the 3D box, titles, the path, the Sun and the
// planet (or the Moon's orbit around the Earth), frame by frame.
#include "app/plot_stage.h"

#include "app/menu.h"
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
  if (output == PlotOutput::bmp || output == PlotOutput::png) plotix::winsiz(1600, 1200);
}

void set_up_page(const RunState& state) {
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

// One frame: the whole picture with the first `k` points of the path.
void draw_frame(const RunState& state, int k) {
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
  plotix::color("GREEN");
  plotix::curv3d(state.x.data(), state.y.data(), state.z.data(), k);
  // On paper the name WHITE draws black, so saved pages show the Sun in black.
  const PlotOutput output = plot_output(state.iopt);
  const bool paper = output == PlotOutput::pdf || output == PlotOutput::ps ||
                     output == PlotOutput::wmf || output == PlotOutput::svg;
  plotix::color(paper ? "WHITE" : "YELLOW");
  const float rsun = state.ipl == 3 ? 0.0046f : 0.002f * state.view.dsun;
  plotix::sphe3d(-1.0f, 0.0f, 0.0f, rsun, 10, 10);
  plotix::color("red");
  if (state.ipl == 3) {
    plotix::curv3d(state.xc.data(), state.yc.data(), state.zc.data(), kEarthCirclePoints);
  } else {
    plotix::sphe3d(0.0f, 0.0f, 0.0f, 0.0015f * state.view.dpl, 10, 10);
  }
  plotix::endgrf();
}

}  // namespace

PlotOutput plot_output(int iopt) {
  return is_save_answer(iopt) ? static_cast<PlotOutput>(iopt) : PlotOutput::screen;
}

std::string picture_file_name(const std::string& name7, PlotOutput output) {
  switch (output) {
    case PlotOutput::bmp: return name7 + ".bmp";
    case PlotOutput::pdf: return name7 + ".pdf";
    case PlotOutput::ps: return name7 + ".ps ";
    case PlotOutput::wmf: return name7 + ".wmf";
    case PlotOutput::png: return name7 + ".png";
    case PlotOutput::svg: return name7 + ".svg";
    case PlotOutput::screen: break;
  }
  return {};
}

void plot_picture(RunState& state, PlotOutput output) {
  choose_output(state, output);
  plotix::disini();
  set_up_page(state);
  if (state.anim == 'N' || state.anim == 'n') state.kstart = state.npts;
  if (state.anim == 'Y' || state.anim == 'y') state.kstart = 1;
  for (int k = state.kstart; k <= state.npts; ++k) draw_frame(state, k);
  plotix::disfin();
}

}  // namespace app
