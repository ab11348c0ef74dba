// The clear picture as invariants over a ring of views: 469219 Kamo`oalewa's fifty
// years, run once, drawn into the recording device from azimuths all round and
// elevations from -60 to +60 degrees, on white and on black. The drawing (box, path,
// Sun, planet) fills the area below the titles and sits near its middle, the loop
// fills half of it, and every colour stands out from the page by WCAG's contrast:
// lines 3:1, texts 4.5:1.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <unistd.h>

#include "app/clear_palette.h"
#include "app/plot_stage.h"
#include "app/read_back.h"
#include "app/single_run.h"
#include "app/view_dialogue.h"
#include "catalogue/catalogue_record.h"
#include "devices/recording_device.h"
#include "plot/core/device_factory.h"
#include "plot/core/global_state.h"

namespace {

using devices::CallKind;
using Colour = std::array<int, 3>;

// WCAG 2's relative luminance of an 8-bit sRGB colour, and the contrast ratio of two.
double luminance(const Colour& c) {
  double sum = 0.0;
  const double weight[3] = {0.2126, 0.7152, 0.0722};
  for (int i = 0; i < 3; ++i) {
    const double v = c[static_cast<std::size_t>(i)] / 255.0;
    sum += weight[i] * (v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4));
  }
  return sum;
}

double contrast(const Colour& a, const Colour& b) {
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Colour bytes(const app::Rgb& c) {
  return {static_cast<int>(std::lround(255 * c.r)), static_cast<int>(std::lround(255 * c.g)),
          static_cast<int>(std::lround(255 * c.b))};
}

struct Extent {
  double x1 = 1e30, y1 = 1e30, x2 = -1e30, y2 = -1e30;
  void add(double x, double y) {
    x1 = std::min(x1, x), y1 = std::min(y1, y), x2 = std::max(x2, x), y2 = std::max(y2, y);
  }
  bool empty() const { return x1 > x2; }
};

// What the device drew in each colour: the extent of its strokes and fills, that of
// those below the titles and the legend (the drawing's), and its single strokes.
struct Drawn {
  std::map<Colour, Extent> extent;
  std::map<Colour, Extent> below_titles;
  std::map<Colour, std::vector<std::array<double, 4>>> strokes;  // x1, y1, x2, y2
};

// The colour a raster device is given: a direct colour, or an entry of its table.
Colour colour_of_value(const devices::DeviceLog& log, int value) {
  if ((value >> 24) == 1) return {value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF};
  const int entry = log.colour_table[static_cast<std::size_t>(((value % 256) + 256) % 256)];
  return {(entry >> 16) & 0xFF, (entry >> 8) & 0xFF, entry & 0xFF};
}

// `top`: the top of the area below the titles, device units.
Drawn read_log(const devices::DeviceLog& log, double top) {
  Drawn d;
  Colour current{-1, -1, -1};
  const auto add = [&](const Colour& colour, double x, double y) {
    d.extent[colour].add(x, y);
    if (y >= top) d.below_titles[colour].add(x, y);
  };
  double px = 0, py = 0;
  for (const devices::RecordedCall& c : log.calls) {
    switch (c.kind) {
      case CallKind::kColourRgb: current = {int(c.v[0]), int(c.v[1]), int(c.v[2])}; break;
      case CallKind::kColourValue: current = colour_of_value(log, static_cast<int>(c.v[0])); break;
      case CallKind::kMoveDraw:
        if (static_cast<int>(c.v[2]) != devices::kMove) {
          add(current, px, py);
          add(current, c.v[0], c.v[1]);
          d.strokes[current].push_back({px, py, c.v[0], c.v[1]});
        }
        px = c.v[0], py = c.v[1];
        break;
      case CallKind::kFillTriangle:
        for (int i : {0, 2, 4}) add({int(c.v[7]), int(c.v[8]), int(c.v[9])}, c.v[i], c.v[i + 1]);
        break;
      case CallKind::kPolygonPoint: add(current, c.v[0], c.v[1]); break;
      default: break;
    }
  }
  return d;
}

class ClearPicture : public ::testing::Test {
 protected:
  // Kamo`oalewa over fifty years, run once for all the tests, in a folder of its own.
  static void SetUpTestSuite() {
    const std::filesystem::path here = std::filesystem::current_path();
    folder_ = std::filesystem::temp_directory_path() / ("clear_picture_" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder_);
    const std::filesystem::path catalogue = std::filesystem::path(SKYTRAK_SOURCE_DIR) / "data" / "nea.dat";
    std::ifstream in(catalogue);
    std::string line;
    catalogue::CatalogueRecord record;
    std::string failed;
    while (std::getline(in, line)) {
      if (line.rfind("k9219", 0) == 0) {
        ASSERT_TRUE(catalogue::parse_catalogue_record(line, record, failed)) << failed;
      }
    }
    ASSERT_EQ(record.designation, "k9219  ");
    app::SingleRunRequest request;
    request.object = record;
    request.span = 50.0;
    request.step = 0.02;
    request.folder = folder_;
    request.quiet = true;
    request.view = {'P', 3.0f, -3.0f, 1.5f};
    std::ostringstream out;
    app::single_run(request, out);
    state_ = std::make_unique<app::RunState>();
    state_->ipl = 3;
    state_->name7 = record.designation;
    state_->name28 = record.name28;
    state_->sysname = "System : Sun-Earth  ";
    state_->style = app::PictureStyle::clear;
    state_->quiet = true;
    app::read_back(*state_, folder_ / "k9219  .xyz");
    std::filesystem::current_path(here);
  }
  static void TearDownTestSuite() {
    state_.reset();
    std::filesystem::remove_all(folder_);
  }

  void SetUp() override {
    plotix::free_global_state();
    log_ = std::make_shared<devices::DeviceLog>();
    auto log = log_;
    plotix::set_device_maker([log](int) { return std::make_unique<devices::RecordingDevice>(log); });
  }
  void TearDown() override {
    plotix::set_device_maker({});
    plotix::free_global_state();
  }

  // The picture from the observer at `distance` (relative units) in the direction of
  // azimuth and elevation (degrees) from the planet, as a PNG on `paper` or on black.
  Drawn draw(double azimuth, double elevation, double distance, bool paper) {
    app::RunState& s = *state_;
    const double az = azimuth * M_PI / 180, el = elevation * M_PI / 180;
    s.view = {'P', static_cast<float>(distance * std::cos(el) * std::cos(az)),
              static_cast<float>(distance * std::cos(el) * std::sin(az)), static_cast<float>(distance * std::sin(el))};
    app::set_view_focus(s);
    s.anim = false;
    s.png_background = paper ? app::PngBackground::white : app::PngBackground::black;
    log_->calls.clear();
    app::plot_picture(s, app::PlotOutput::png);
    return read_log(*log_, 399 * scale());
  }

  // Page units to device units of the PNG, whose width is the page's.
  double scale() const { return log_->open_params.width / 2969.0; }

  static std::filesystem::path folder_;
  static std::unique_ptr<app::RunState> state_;
  std::shared_ptr<devices::DeviceLog> log_;
};

std::filesystem::path ClearPicture::folder_;
std::unique_ptr<app::RunState> ClearPicture::state_;

TEST_F(ClearPicture, TheDrawingFillsTheAreaNearItsMiddleAndTheLoopHalfOfIt) {
  ASSERT_GT(state_->npts, 100);
  // The loop's plane: the mean of the turns between successive points about its middle.
  const app::RunState& r = *state_;
  double middle[3] = {0, 0, 0}, normal[3] = {0, 0, 0};
  for (int k = 0; k < r.npts; ++k) {
    middle[0] += r.x[k] / r.npts, middle[1] += r.y[k] / r.npts, middle[2] += r.z[k] / r.npts;
  }
  for (int k = 0; k + 1 < r.npts; ++k) {
    const double a[3] = {r.x[k] - middle[0], r.y[k] - middle[1], r.z[k] - middle[2]};
    const double b[3] = {r.x[k + 1] - middle[0], r.y[k + 1] - middle[1], r.z[k + 1] - middle[2]};
    normal[0] += a[1] * b[2] - a[2] * b[1], normal[1] += a[2] * b[0] - a[0] * b[2], normal[2] += a[0] * b[1] - a[1] * b[0];
  }
  const double length = std::hypot(normal[0], normal[1], normal[2]);
  for (double& n : normal) n /= length;
  for (const bool paper : {true, false}) {
    const app::ClearPalette& p = app::clear_palette(paper);
    for (int azimuth = 0; azimuth < 360; azimuth += 45) {
      for (const int elevation : {-60, -30, 0, 30, 60}) {
        const Drawn d = draw(azimuth, elevation, 4.5, paper);
        const std::string where = std::to_string(azimuth) + "/" + std::to_string(elevation);
        Extent drawing;
        for (const app::Rgb& part : {p.box, p.path, p.planet}) {
          const auto found = d.below_titles.find(bytes(part));
          ASSERT_NE(found, d.below_titles.end()) << where;
          drawing.add(found->second.x1, found->second.y1);
          drawing.add(found->second.x2, found->second.y2);
        }
        // The area below the titles: the page less 50 units left, right and below.
        const double k = scale(), ax1 = 50 * k, ax2 = (2969 - 50) * k, ay1 = 399 * k, ay2 = (2099 - 50) * k;
        const double fill_x = (drawing.x2 - drawing.x1) / (ax2 - ax1), fill_y = (drawing.y2 - drawing.y1) / (ay2 - ay1);
        EXPECT_TRUE(fill_x >= 0.6 || fill_y >= 0.6) << where << ": fills " << fill_x << " x " << fill_y;
        EXPECT_LE(std::fabs((drawing.x1 + drawing.x2) - (ax1 + ax2)) / 2, 0.1 * (ax2 - ax1)) << where;
        EXPECT_LE(std::fabs((drawing.y1 + drawing.y2) - (ay1 + ay2)) / 2, 0.1 * (ay2 - ay1)) << where;
        const Extent& loop = d.below_titles.at(bytes(p.path));
        // Seen from within 30 degrees of its own plane a ring is a thin ellipse across a
        // box that holds it all round; from farther out it fills half the area.
        const double az = azimuth * M_PI / 180, el = elevation * M_PI / 180;
        const double sight[3] = {std::cos(el) * std::cos(az), std::cos(el) * std::sin(az), std::sin(el)};
        const double out_of_plane = std::fabs(sight[0] * normal[0] + sight[1] * normal[1] + sight[2] * normal[2]);
        const double loop_fill = std::max((loop.x2 - loop.x1) / (ax2 - ax1), (loop.y2 - loop.y1) / (ay2 - ay1));
        EXPECT_GE(loop_fill, out_of_plane >= 0.5 ? 0.5 : 0.33)
            << where << ": the loop fills " << loop_fill << ", " << std::asin(out_of_plane) * 180 / M_PI
            << " degrees out of its plane";
      }
    }
  }
}

TEST_F(ClearPicture, LinesAndTextsStandOutFromThePage) {
  for (const bool paper : {true, false}) {
    const Colour page = paper ? Colour{255, 255, 255} : Colour{0, 0, 0};
    for (const bool by_date : {false, true}) {
      state_->path_colour = by_date ? app::PathColour::time : app::PathColour::plain;
      for (int azimuth = 20; azimuth < 360; azimuth += 90) {
        const Drawn d = draw(azimuth, 25, 4.5, paper);
        // The box's extent on the page: strokes outside it are labels and titles.
        const Extent& box = d.extent.at(bytes(app::clear_palette(paper).box));
        for (const auto& [colour, extent] : d.extent) {
          if (colour == page) continue;  // the page itself, and plates under notes
          EXPECT_GE(contrast(colour, page), 3.0) << colour[0] << "," << colour[1] << "," << colour[2];
        }
        // Outside the box, what is not drawn in the drawing's own colours (the legend's
        // line and markers, the colour bar) is text: titles, legend, numbers, names.
        const app::ClearPalette& p = app::clear_palette(paper);
        std::vector<Colour> drawing = {bytes(p.box), bytes(p.path), bytes(p.sun), bytes(p.planet), page};
        for (const app::Rgb& c : p.dates) drawing.push_back(bytes(c));
        int texts = 0;
        for (const auto& [colour, strokes] : d.strokes) {
          if (std::find(drawing.begin(), drawing.end(), colour) != drawing.end()) continue;
          for (const auto& s : strokes) {
            const bool outside = std::max(s[0], s[2]) < box.x1 || std::min(s[0], s[2]) > box.x2 ||
                                 std::max(s[1], s[3]) < box.y1 || std::min(s[1], s[3]) > box.y2;
            if (!outside) continue;
            ++texts;
            EXPECT_GE(contrast(colour, page), 4.5) << colour[0] << "," << colour[1] << "," << colour[2];
          }
        }
        EXPECT_GT(texts, 100);
      }
    }
  }
  state_->path_colour = app::PathColour::plain;
}

}  // namespace
