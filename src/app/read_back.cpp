// Read-back of the coordinates file and the sizing of the 3D box around the path.
#include "app/read_back.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <string>

#include "app/coordinates_record.h"
#include "textio/console_reader.h"

namespace app {

namespace {

// The Moon's orbit around the Earth, in units of the Sun-Earth distance: a closed
// circle of 201 points.
void fill_earth_circle(RunState& state) {
  for (int k = 1; k <= kEarthCirclePoints; ++k) {
    const float angle = static_cast<float>(k) * 3.14159265f / 100.0f;
    state.xc[k - 1] = 0.00256f * std::sin(angle);
    state.yc[k - 1] = 0.00256f * std::cos(angle);
    state.zc[k - 1] = 0.0f;
  }
}

// Half-widths in hundredths are ints. A path that runs out to millions of units (an
// object thrown far away) would overflow them; the box stops growing at this size.
constexpr float kLargestHalfWidth = 1.0e9f;

int hundredths(float half_width) { return static_cast<int>(std::min(100.0f * half_width, kLargestHalfWidth)) + 5; }

}  // namespace

AxisBox size_axis_box(float xymax, float zmax) {
  if (xymax < 1.0f) xymax = 1.0f;
  AxisBox box;
  box.ixy = hundredths(xymax);
  box.iz = hundredths(zmax);
  const float half_xy = static_cast<float>(box.ixy) / 100.0f;
  const float half_z = static_cast<float>(box.iz) / 100.0f;
  box.xa = -half_xy - 1.0f;
  box.xe = half_xy - 1.0f;
  box.xo0 = std::trunc(box.xa);
  box.ya = -half_xy;
  box.ye = half_xy;
  box.yo0 = std::trunc(box.ya);
  box.za = -half_z;
  box.ze = half_z;
  box.zo0 = std::trunc(box.za);
  return box;
}

void read_back(RunState& state, const std::filesystem::path& path) {
  const std::string file_name = path.string();
  if (state.ipl == 3) fill_earth_circle(state);
  float xymax = -999.0f;
  float zmax = -999.0f;
  state.kstart = 1;

  errno = 0;
  std::ifstream in(path);
  if (!in) {
    const std::string reason = errno != 0 ? std::string(": ") + std::strerror(errno) : std::string();
    throw std::runtime_error("cannot open the coordinates file (" + file_name + ")" + reason);
  }
  textio::ConsoleReader reader(in);
  std::string heading;
  if (!reader.read_line(heading).ok()) throw std::runtime_error("the coordinates file is empty (" + file_name + ")");

  int npts = 0;
  for (;;) {
    PathPoint point;
    const textio::ReadResult result = read_coordinates_record(reader, point);
    if (result.status == textio::ReadResult::Status::end_of_input) break;
    if (!result.ok() || npts == kMaxPoints) {
      throw std::runtime_error("cannot read point " + std::to_string(npts + 1) + " of the coordinates file (" +
                      file_name + ")");
    }
    state.jd[npts] = point.jd;
    state.x[npts] = point.x;
    state.y[npts] = point.y;
    state.z[npts] = point.z;
    ++npts;
    if (std::fabs(1.0f + point.x) > xymax) xymax = std::fabs(1.0f + point.x);
    if (std::fabs(point.y) > xymax) xymax = std::fabs(point.y);
    if (std::fabs(point.z) > zmax) zmax = std::fabs(point.z);
  }
  if (npts == 0) throw std::runtime_error("the coordinates file holds no point (" + file_name + ")");
  state.npts = npts;
  state.axes = size_axis_box(xymax, zmax);
  state.anim = true;
}

}  // namespace app
