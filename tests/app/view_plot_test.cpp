// The view dialogue (focus point, distances, animation key) and the plot stage drawn
// into the recording device: frames, the Sun's colour and size, the planet or the
// Earth's circle, and the output settings of every menu answer.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <memory>
#include <sstream>

#include "app/plot_stage.h"
#include "app/read_back.h"
#include "app/view_dialogue.h"
#include "devices/recording_device.h"
#include "plot/core/device_factory.h"
#include "plot/core/global_state.h"

namespace {

using devices::CallKind;

// A small path: three points around the Earth's orbit.
app::RunState small_run(int ipl) {
  app::RunState s;
  s.ipl = ipl;
  s.name7 = "00433  ";
  s.name28 = "   (433) Eros               ";
  s.sysname = "System : Sun-Earth  ";
  s.npts = 3;
  const float xs[] = {-0.1f, -0.5f, -1.2f}, ys[] = {0.2f, 0.9f, 0.7f}, zs[] = {0.0f, 0.1f, -0.05f};
  for (int k = 0; k < 3; ++k) {
    s.x[k] = xs[k];
    s.y[k] = ys[k];
    s.z[k] = zs[k];
  }
  s.axes = app::size_axis_box(1.0f, 0.1f);
  for (int k = 1; k <= app::kEarthCirclePoints; ++k) {
    s.xc[k - 1] = 0.00256f * std::sin(k * 3.14159265f / 100);
    s.yc[k - 1] = 0.00256f * std::cos(k * 3.14159265f / 100);
  }
  return s;
}

// Answers the view dialogue with `answer` and returns what the console showed.
std::string answer_view(app::RunState& state, const std::string& answer) {
  std::istringstream in(answer);
  std::ostringstream out;
  app::Console console(in, out);
  app::view_dialogue(console, state);
  return out.str();
}

TEST(ViewDialogue, FocusPointFollowsTheFirstCharacter) {
  app::RunState s = small_run(3);
  answer_view(s, "A,2,3,6,N\n");
  EXPECT_EQ(s.view.xf, -1.2f);  // the last point of the run
  EXPECT_EQ(s.view.yf, 0.7f);
  EXPECT_EQ(s.view.zf, -0.05f);
  EXPECT_FALSE(s.anim);
  EXPECT_FLOAT_EQ(s.view.dpl, 7.0f);                   // sqrt(4 + 9 + 36)
  EXPECT_FLOAT_EQ(s.view.dsun, std::sqrt(54.0f));      // sqrt(9 + 9 + 36)

  // Y or N sets the key, any other keeps it.
  for (const char* answer : {"S,2,3,6,Y\n", "x,2,3,6,?\n"}) {
    answer_view(s, answer);
    EXPECT_EQ(s.view.xf, -1.0f) << answer;  // the Sun
    EXPECT_EQ(s.view.yf, 0.0f);
    EXPECT_EQ(s.view.zf, 0.0f);
    EXPECT_TRUE(s.anim) << answer;
  }
  answer_view(s, "p,-1,0,5,y\n");
  EXPECT_EQ(s.view.xf, 0.0f);
  EXPECT_EQ(s.view.focus, 'p');
  EXPECT_FLOAT_EQ(s.view.dpl, std::sqrt(26.0f));
  EXPECT_FLOAT_EQ(s.view.dsun, 5.0f);
}

TEST(ViewDialogue, ShowsTheOptionsThenReadsOneLine) {
  app::RunState s = small_run(3);
  const std::string shown = answer_view(s, "P,3,-3,1.5,Y\n");
  EXPECT_EQ(shown,
            "  \n"
            " 3D VIEW OPTIONS >>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>\n"
            "                    plane XY = Planet's orbital plane\n"
            "                             Sun's position: (-1,0,0)\n"
            "                           Planet's position: (0,0,0)\n"
            " please indicate in one line:\n"
            " -> view's focus: Sun (S), Planet (P) or Asteroid (A)\n"
            " -> observer's position in relative units: x,y,z\n"
            " -> animated plot key (Y or N)\n"
            " example: P,3,-3,1.5,Y\n"
            " from above the Sun: S,-1,0,5,Y\n");
}

TEST(PictureFileName, ElevenCharactersWithTheBlankAfterPs) {
  EXPECT_EQ(app::picture_file_name("00433  ", app::PlotOutput::bmp), "00433  .bmp");
  EXPECT_EQ(app::picture_file_name("00433  ", app::PlotOutput::pdf), "00433  .pdf");
  EXPECT_EQ(app::picture_file_name("00433  ", app::PlotOutput::ps), "00433  .ps ");
  EXPECT_EQ(app::picture_file_name("K02A29A", app::PlotOutput::wmf), "K02A29A.wmf");
  EXPECT_EQ(app::plot_output(0), app::PlotOutput::screen);
  EXPECT_EQ(app::plot_output(3), app::PlotOutput::ps);
  EXPECT_EQ(app::plot_output(5), app::PlotOutput::screen);
  EXPECT_EQ(app::plot_output(-1), app::PlotOutput::screen);
}

// Plots go to the recording device; the protocol on stdout is dropped.
class PlotStage : public ::testing::Test {
 protected:
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

  void plot(app::RunState& s, app::PlotOutput output) {
    log_->calls.clear();
    ::testing::internal::CaptureStdout();
    app::plot_picture(s, output);
    ::testing::internal::GetCapturedStdout();
  }

  // The screen device is brought up to date once per frame.
  int frames() const { return log_->count(CallKind::kUpdate); }

  // Colours (r, g, b) of the filled triangles and polygons, in order of drawing.
  std::vector<std::array<int, 3>> fill_colours() const {
    std::vector<std::array<int, 3>> out;
    std::array<int, 3> current{-1, -1, -1};
    for (const auto& c : log_->calls) {
      if (c.kind == CallKind::kColourRgb) current = {int(c.v[0]), int(c.v[1]), int(c.v[2])};
      if (c.kind == CallKind::kFillTriangle) out.push_back({int(c.v[7]), int(c.v[8]), int(c.v[9])});
      if (c.kind == CallKind::kEndPolygon) out.push_back(current);
    }
    return out;
  }

  // Width of everything filled, in device units.
  double fill_width() const {
    double lo = 1e30, hi = -1e30;
    for (const auto& c : log_->calls) {
      if (c.kind == CallKind::kFillTriangle) {
        for (int i : {0, 2, 4}) lo = std::min(lo, c.v[i]), hi = std::max(hi, c.v[i]);
      }
      if (c.kind == CallKind::kPolygonPoint) lo = std::min(lo, c.v[0]), hi = std::max(hi, c.v[0]);
    }
    return hi - lo;
  }

  std::shared_ptr<devices::DeviceLog> log_;
};

TEST_F(PlotStage, AnimationDrawsOneFramePerPointAndAStillPlotOne) {
  app::RunState s = small_run(3);
  answer_view(s, "S,-1,0,5,Y\n");
  plot(s, app::PlotOutput::screen);
  EXPECT_EQ(frames(), 3);
  EXPECT_EQ(s.kstart, 1);

  answer_view(s, "S,-1,0,5,n\n");
  plot(s, app::PlotOutput::screen);
  EXPECT_EQ(frames(), 1);
  EXPECT_EQ(s.kstart, 3);

  // Any other key keeps the still plot.
  answer_view(s, "S,-1,0,5,?\n");
  plot(s, app::PlotOutput::screen);
  EXPECT_EQ(frames(), 1);
  EXPECT_EQ(s.kstart, 3);
}

TEST_F(PlotStage, OnePointRunIsOneFrameWithNoPath) {
  app::RunState s = small_run(4);
  s.npts = 1;
  answer_view(s, "S,-1,0,5,Y\n");
  plot(s, app::PlotOutput::screen);
  EXPECT_EQ(frames(), 1);
}

TEST_F(PlotStage, TheSunIsBlackOnPaperInASaveAndYellowInTheReplotAfterIt) {
  app::RunState s = small_run(3);  // the Earth: the Sun is the only filled shape
  answer_view(s, "S,-1,0,0.2,N\n");
  s.iopt = 2;
  plot(s, app::PlotOutput::pdf);
  std::vector<std::array<int, 3>> colours = fill_colours();
  ASSERT_FALSE(colours.empty());
  for (const auto& c : colours) EXPECT_EQ(c, (std::array<int, 3>{0, 0, 0}));  // WHITE on paper

  s.iopt = 0;
  plot(s, app::PlotOutput::screen);
  int yellow = 0, others = 0;
  for (const auto& c : log_->calls) {
    if (c.kind == CallKind::kFillTriangle) (c.v[6] == 0x0100FFFF ? yellow : others) += 1;
  }
  EXPECT_GT(yellow, 0);
  EXPECT_EQ(others, 0);
  EXPECT_EQ(frames(), 1);  // still one frame: the save set the key to N
}

TEST_F(PlotStage, SunRadiusIsTrueForTheEarthAndGrowsWithDistanceOtherwise) {
  // Seen from 4.6 above the Sun: the Earth's Sun has radius 0.0046, any other
  // planet's 0.002 * 4.6 = 0.0092, twice as wide on the page.
  app::RunState earth = small_run(3);
  answer_view(earth, "S,-1,0,4.6,N\n");
  plot(earth, app::PlotOutput::pdf);
  const double true_size = fill_width();

  app::RunState mars = small_run(4);
  answer_view(mars, "S,-1,0,4.6,N\n");
  mars.iopt = 2;  // the Sun in the same colour as above, so its fills are told apart
  plot(mars, app::PlotOutput::pdf);
  std::vector<std::array<int, 3>> colours = fill_colours();
  // Sun first (black), then the planet (red): measure the Sun's fills only.
  const auto first_red = std::find(colours.begin(), colours.end(), std::array<int, 3>{255, 0, 0});
  ASSERT_NE(first_red, colours.end());
  ASSERT_NE(first_red, colours.begin());
  log_->calls.erase(std::find_if(log_->calls.begin(), log_->calls.end(),
                                 [](const devices::RecordedCall& c) {
                                   return c.kind == CallKind::kColourRgb && c.v[0] == 255 && c.v[1] == 0 &&
                                          c.v[2] == 0;
                                 }),
                    log_->calls.end());
  EXPECT_NEAR(fill_width() / true_size, 2.0, 0.05);
}

TEST_F(PlotStage, TheEarthGetsARedCircleOtherPlanetsARedSphere) {
  app::RunState earth = small_run(3);
  answer_view(earth, "P,0,0,0.05,N\n");
  plot(earth, app::PlotOutput::pdf);
  for (const auto& c : fill_colours()) EXPECT_NE(c, (std::array<int, 3>{255, 0, 0}));
  // The circle is drawn in red, after the last colour change to red.
  const auto& calls = log_->calls;
  auto red = std::find_if(calls.rbegin(), calls.rend(), [](const devices::RecordedCall& c) {
    return c.kind == CallKind::kColourRgb;
  });
  ASSERT_NE(red, calls.rend());
  EXPECT_EQ(red->v[0], 255);
  EXPECT_EQ(red->v[1], 0);
  int draws = 0;
  for (auto it = red.base(); it != calls.end(); ++it) draws += it->kind == CallKind::kMoveDraw;
  EXPECT_GE(draws, 100);  // 201 points, seen from 0.05 above the Earth

  app::RunState mars = small_run(4);
  answer_view(mars, "P,0,0,0.05,N\n");
  plot(mars, app::PlotOutput::pdf);
  const std::vector<std::array<int, 3>> colours = fill_colours();
  EXPECT_NE(std::find(colours.begin(), colours.end(), std::array<int, 3>{255, 0, 0}), colours.end());
}

TEST_F(PlotStage, OutputSettingsOfEveryCaller) {
  app::RunState s = small_run(3);
  answer_view(s, "S,-1,0,5,N\n");
  plot(s, app::PlotOutput::screen);
  plotix::PlotState& st = *plotix::qqgglb();
  EXPECT_EQ(st.page.idev, 80);
  EXPECT_EQ(st.page.nwsizw, 800);
  EXPECT_EQ(st.page.nwsizh, 600);
  EXPECT_EQ(log_->open_params.width, 800);

  plot(s, app::PlotOutput::pdf);
  EXPECT_STREQ(st.page.cfmt, "PDF ");
  EXPECT_STREQ(st.page.cfilsav, "00433  .pdf");
  EXPECT_EQ(st.page.nwsizw, 800);  // no winsiz for a PDF save

  // The files themselves are written by the real devices (tests/e2e/program_saves.sh).
  plot(s, app::PlotOutput::bmp);
  EXPECT_STREQ(st.page.cfmt, "BMP ");
  EXPECT_STREQ(st.page.cfilsav, "00433  .bmp");
  EXPECT_EQ(log_->open_params.width, 1600);
  EXPECT_EQ(log_->open_params.height, 1200);
  plot(s, app::PlotOutput::ps);
  EXPECT_STREQ(st.page.cfmt, "PS  ");
  EXPECT_STREQ(st.page.cfilsav, "00433  .ps ");
  EXPECT_EQ(st.page.nwsizw, 1600);  // the BMP's size stays in force
  plot(s, app::PlotOutput::wmf);
  EXPECT_STREQ(st.page.cfmt, "WMF ");
  EXPECT_STREQ(st.page.cfilsav, "00433  .wmf");
}

}  // namespace
