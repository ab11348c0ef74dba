// Parameter routines of the axis labelling: names, name height, digits and the
// first-number switch and the label style of the 3D axes.
#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>

#include "plot/core/levels.h"
#include "plot/axis3d/label_settings.h"

namespace plotix {

namespace {

constexpr std::size_t kMaxNameLength = 132;

// The first 3 characters of an axes string, upper-cased.
std::string axis_letters(std::string_view axes) {
  std::string up(axes.substr(0, 3));
  for (char& c : up) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return up;
}

bool names_axis(const std::string& letters, char axis) {
  return letters.find(axis) != std::string::npos;
}

}  // namespace

void name(std::string_view text, std::string_view axes) {
  PlotState* found = chkini("name");
  if (found == nullptr) return;
  PlotState& s = *found;
  const std::string letters = axis_letters(axes);
  const std::string_view cut = text.substr(0, std::min(text.size(), kMaxNameLength));
  if (names_axis(letters, 'X')) s.axis3d.cxname = cut;
  if (names_axis(letters, 'Y')) s.axis3d.cyname = cut;
  if (names_axis(letters, 'Z')) s.axis3d.czname = cut;
}

void hname(int height) {
  PlotState* found = chkini("hname");
  if (found == nullptr) return;
  PlotState& s = *found;
  if (jqqval(s, height, 1, 10000) != 0) return;
  s.axis3d.nhname = height;
}

void labdig(int digits, std::string_view axes) {
  PlotState* found = chkini("labdig");
  if (found == nullptr) return;
  PlotState& s = *found;
  if (jqqval(s, digits, -2, 100) != 0) return;
  const std::string letters = axis_letters(axes);
  // Digits of bar graphs, contours, pie charts, date axes and percentages
  // belong to plot kinds this library does not draw.
  for (const char* other : {"BAR", "CON", "PIE", "DAT", "PER"}) {
    if (letters == other) return;
  }
  const char kAxes[3] = {'X', 'Y', 'Z'};
  for (int j = 0; j < 3; ++j) {
    if (!names_axis(letters, kAxes[j])) continue;
    AxisSlot& slot = s.axis3d.slot[j];
    if (digits == -2) {
      slot.iautodig = 1;
    } else {
      slot.ndig = digits;
      slot.iautodig = 0;
    }
  }
}

void flab3d() {
  PlotState* found = chkini("flab3d");
  if (found == nullptr) return;
  PlotState& s = *found;
  s.axis3d.iflab3 = 0;
}

void labl3d(std::string_view style) {
  PlotState* found = chkini("labl3d");
  if (found == nullptr) return;
  PlotState& s = *found;
  const int i = jqqind(s, "FACE+PAGE", 2, style);
  if (i != 0) s.axis3d.upright3 = i == 2;
}

void skip_axes3d(bool skip) {
  PlotState* found = chkini("skip_axes3d");
  if (found == nullptr) return;
  found->axis3d.skip_axes3 = skip;
}

}  // namespace plotix
