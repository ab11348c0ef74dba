// The view dialogue and the focus point and distances that follow from its answers.
#include "app/view_dialogue.h"

#include <cctype>
#include <cmath>
#include <cstdio>

#include "textio/number_syntax.h"

namespace app {

void place_focus(RunState& state) {
  View& view = state.view;
  if (view.focus == 'P' || view.focus == 'p') {
    view.xf = view.yf = view.zf = 0.0f;
  } else if ((view.focus == 'A' || view.focus == 'a') && state.npts > 0) {
    view.xf = state.x[state.npts - 1];
    view.yf = state.y[state.npts - 1];
    view.zf = state.z[state.npts - 1];
  } else {
    view.xf = -1.0f;
    view.yf = 0.0f;
    view.zf = 0.0f;
  }
}

void measure_distances(View& view) {
  view.dpl = std::sqrt(view.xobs * view.xobs + view.yobs * view.yobs + view.zobs * view.zobs);
  view.dsun = std::sqrt((1.0f + view.xobs) * (1.0f + view.xobs) + view.yobs * view.yobs + view.zobs * view.zobs);
}

std::string view_prompt_form(const View& view) {
  char text[96];
  std::snprintf(text, sizeof text, "%c,%.2f,%.2f,%.2f",
                static_cast<char>(std::toupper(static_cast<unsigned char>(view.focus))),
                static_cast<double>(view.xobs), static_cast<double>(view.yobs),
                static_cast<double>(view.zobs));
  return text;
}

bool parse_view(std::string_view focus, std::string_view x, std::string_view y, std::string_view z, View& view) {
  float xobs = 0.0f, yobs = 0.0f, zobs = 0.0f;
  const auto number = [](std::string_view text, float& value) {
    return textio::parse_single(text, value) == textio::NumberStatus::ok;
  };
  if (focus.size() != 1 || std::string_view("SPAspa").find(focus[0]) == std::string_view::npos) return false;
  if (!number(x, xobs) || !number(y, yobs) || !number(z, zobs)) return false;
  view.focus = focus[0];
  view.xobs = xobs;
  view.yobs = yobs;
  view.zobs = zobs;
  return true;
}

void view_dialogue(Console& console, RunState& state) {
  console.empty_line();
  console.line({"3D VIEW OPTIONS >>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>"});
  console.line({"                   plane XY = Planet's orbital plane"});
  console.line({"                            Sun's position: (-1,0,0)"});
  console.line({"                          Planet's position: (0,0,0)"});
  console.line({"please indicate in one line:"});
  console.line({"-> view's focus: Sun (S), Planet (P) or Asteroid (A)"});
  console.line({"-> observer's position in relative units: x,y,z"});
  console.line({"-> animated plot key (Y or N)"});
  console.line({"example: P,3,-3,1.5,Y"});
  console.line({"from above the Sun: S,-1,0,5,Y"});
  View& view = state.view;
  char key = ' ';  // Y or N; any other key keeps the animation as it was
  console.read("view options", {&view.focus, &view.xobs, &view.yobs, &view.zobs, &key});
  if (key == 'Y' || key == 'y') state.anim = true;
  if (key == 'N' || key == 'n') state.anim = false;
  view.zoom = 1.0f;  // a new view starts fitted; the window's wheel enlarges it
  set_view_focus(state);
}

void set_view_focus(RunState& state) {
  place_focus(state);
  measure_distances(state.view);
}

}  // namespace app
