// The 2D figures (the co-orbital angle and path, the survey's approaches) drawn on the
// recording device as SVG pages: year numbers that never run together, colours that
// keep their contrast on both papers, and the pure geometry beneath (the wrapped angle,
// the equal scales of the top view, the names placed clear of each other).
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <set>

#include "app/angle_picture.h"
#include "app/date_ticks.h"
#include "app/figure_page.h"
#include "app/label_placement.h"
#include "app/path_picture.h"
#include "app/survey_picture.h"
#include "app/test/figure_reading.h"
#include "plot/plot_fixture.h"

namespace app {
namespace {

using test::Colour;
using test::Mark;

class Figures : public plotix::test::PlotTest {
 protected:
  void SetUp() override {
    PlotTest::SetUp();
    folder_ = plotix::test::fresh_folder("figures");
    home_ = std::filesystem::current_path();
    std::filesystem::current_path(folder_);
  }
  void TearDown() override {
    std::filesystem::current_path(home_);
    PlotTest::TearDown();
  }

  // The axis area of the last plot, as (left, top, right, bottom).
  std::array<double, 4> area() const {
    const plotix::CoreState& c = plotix::qqgglb()->core;
    return {static_cast<double>(c.nxa), static_cast<double>(c.nya - c.nyl + 1), static_cast<double>(c.nxa + c.nxl - 1),
            static_cast<double>(c.nya)};
  }

  std::filesystem::path folder_, home_;
};

AnglePicture libration(float first_year, float span, PngBackground background) {
  AnglePicture p;
  p.title = "(469219) Kamo`oalewa";
  p.subtitle = "Resonant angle with Earth: horseshoe at the epoch";
  for (int i = 0; i <= 2000; ++i) {
    const float year = first_year + span * static_cast<float>(i) / 2000.0f;
    p.years.push_back(year);
    p.phi.push_back(180.0f + 170.0f * std::sin(year / 30.0f));
    p.clone_years.push_back(year);
    p.clone_phi.push_back(180.0f + 165.0f * std::sin(year / 30.0f + 0.2f));
  }
  p.episodes = {{first_year, first_year + span / 3, "passing", "P", EpisodeTint::none},
                {first_year + span / 3, first_year + span, "horseshoe", "HS", EpisodeTint::horseshoe}};
  p.epoch_year = first_year + span / 2;
  p.window_low = 0.0f;
  p.background = background;
  return p;
}

// The numbers under the year axis, read back from the strokes drawn between the long
// ticks and the axis name: every run of strokes is one number, centred on its own long
// tick. Numbers that ran together would make fewer runs than ticks.
TEST_F(Figures, YearNumbersNeverRunTogetherFromACenturyToTenThousandYears) {
  for (const float span : {100.0f, 137.0f, 250.0f, 400.0f, 600.0f, 1000.0f, 2200.0f, 4000.0f, 7300.0f, 10000.0f}) {
    for (const float first : {-3001.5f, 1719.5f, 2019.5f - span / 2}) {
      log_->calls.clear();
      ASSERT_TRUE(draw_angle_picture(libration(first, span, PngBackground::white), PlotOutput::svg, "angle.svg"));
      const auto [left, top, right, bottom] = area();
      const plotix::AxisSlot& set = plotix::qqgglb()->axis3d.slot[0];
      const double band_top = bottom + set.nmajlen + set.nlabdist - 2, h = 1.5 * kFigureTextHeight;
      const double band_bottom = band_top + h + 4, pitch = h * 6.0 / 7.0;
      std::vector<double> ticks;
      std::vector<std::pair<double, double>> strokes;
      for (const Mark& m : test::marks_of(*log_)) {
        if (m.filled) continue;
        if (m.x0 == m.x1 && std::fabs(m.y0 - bottom) < 1.5 && std::fabs(m.y1 - bottom - set.nmajlen) < 1.5) {
          ticks.push_back(m.x0);
        } else if (m.y0 >= band_top && m.y1 <= band_bottom) {
          strokes.emplace_back(m.x0, m.x1);
        }
      }
      std::sort(strokes.begin(), strokes.end());
      std::vector<std::pair<double, double>> runs;
      for (const auto& [a, b] : strokes) {
        if (!runs.empty() && a - runs.back().second < 0.8 * pitch) {  // inside a number: at most half a pitch
          runs.back().second = std::max(runs.back().second, b);
        } else {
          runs.emplace_back(a, b);
        }
      }
      // A tick drawn wide comes as parallel strokes: one tick.
      std::sort(ticks.begin(), ticks.end());
      ticks.erase(std::unique(ticks.begin(), ticks.end(), [](double a, double b) { return b - a < 4; }), ticks.end());
      ASSERT_GE(ticks.size(), 3u) << "span " << span << " from " << first;
      std::string seen;
      for (double t : ticks) seen += " t" + std::to_string(static_cast<int>(t));
      for (const auto& [a, b] : runs) seen += " r" + std::to_string(static_cast<int>(a)) + "-" + std::to_string(static_cast<int>(b));
      ASSERT_EQ(runs.size(), ticks.size()) << "span " << span << " from " << first << seen;
      for (std::size_t k = 0; k < runs.size(); ++k) {
        EXPECT_NEAR((runs[k].first + runs[k].second) / 2, ticks[k], pitch) << "span " << span << " number " << k;
        if (k > 0) {
          EXPECT_GE(runs[k].first - runs[k - 1].second, h) << "span " << span << " number " << k;
        }
      }
    }
  }
}

// Every line and mark keeps 3:1 against the paper and against the tints behind the data;
// every stroke outside the axis area (numbers, names, titles, the lines of keys) keeps
// 4.5:1 against the paper. The paper is the page the background asks for, not the palette's word for it.
TEST_F(Figures, TextsAndLinesKeepTheirContrastOnBothPapers) {
  for (const PngBackground background : {PngBackground::white, PngBackground::black}) {
    const Colour paper = background == PngBackground::white ? Colour{255, 255, 255} : Colour{0, 0, 0};
    PathPicture path{"(469219) Kamo`oalewa", "Path in the frame turning with Earth", "Earth", {}, {}, {}, background};
    for (int i = 0; i <= 3000; ++i) {
      const float t = static_cast<float>(i) / 10.0f;
      path.years.push_back(1964.0f + t);
      path.x.push_back(0.1f * std::cos(6.283f * t) - 0.02f);
      path.y.push_back(0.25f * std::sin(6.283f * t) + 0.03f * std::sin(t / 20.0f));
    }
    SurveyPicture survey{{}, 2458849.5, 2459215.5, 0.05, "nea.dat", background};
    std::mt19937 random(7);
    for (int i = 0; i < 200; ++i) {
      survey.approaches.push_back({2458849.5 + 366.0 * std::uniform_real_distribution<double>(0, 1)(random),
                                   std::pow(10.0, std::uniform_real_distribution<double>(-3.5, -1.3)(random)), 1 + i % 10,
                                   "2019 A" + std::to_string(i)});
    }
    const std::function<bool()> figures[] = {
        [&] { return draw_angle_picture(libration(1719.5f, 600.0f, background), PlotOutput::svg, "a.svg"); },
        [&] { return draw_path_picture(path, PlotOutput::svg, "p.svg"); },
        [&] { return draw_survey_picture(survey, PlotOutput::svg, "s.svg"); }};
    for (std::size_t f = 0; f < std::size(figures); ++f) {
      log_->calls.clear();
      ASSERT_TRUE(figures[f]());
      const auto [left, top, right, bottom] = area();
      const std::vector<Mark> marks = test::marks_of(*log_);
      std::set<Colour> tints;
      for (const Mark& m : marks) {
        if (m.rectangle && m.x0 >= left - 1 && m.x1 <= right + 1 && m.y0 >= top - 1 && m.y1 <= bottom + 1) {
          tints.insert(m.colour);
        }
      }
      int lines = 0, outside = 0;
      for (const Mark& m : marks) {
        if (m.rectangle && tints.contains(m.colour)) continue;  // a band behind the data
        const bool inside = m.x0 > left + 1 && m.x1 < right - 1 && m.y0 > top + 1 && m.y1 < bottom - 1;
        ++lines;
        EXPECT_GE(test::contrast(m.colour, paper), inside || m.filled ? 3.0 : 4.5)
            << "figure " << f << " colour " << m.colour[0] << "," << m.colour[1] << "," << m.colour[2];
        if (!inside) {
          ++outside;
          continue;
        }
        for (const Colour& tint : tints) {
          if (tint == m.colour) continue;
          EXPECT_GE(test::contrast(m.colour, tint), 3.0) << "figure " << f << " over a tint";
        }
      }
      EXPECT_GT(lines, 1000) << "figure " << f;
      EXPECT_GT(outside, 100) << "figure " << f;
    }
  }
}

// The angle wrapped into the window: every point in it, no jump inside a piece, a new
// piece at every turn crossed, and the wrapped points the samples themselves modulo 360.
TEST(WrappedPieces, HoldTheAngleWithinOneTurnAndBreakOnlyAtTheEdges) {
  std::mt19937 random(11);
  for (const float low : {-180.0f, 0.0f}) {
    for (int trial = 0; trial < 50; ++trial) {
      std::vector<float> years, phi;
      float angle = std::uniform_real_distribution<float>(-1000, 1000)(random);
      std::size_t turns = 0;
      for (int i = 0; i < 400; ++i) {
        years.push_back(static_cast<float>(i) * 0.1f);
        if (i > 0) {
          const float next = angle + std::normal_distribution<float>(0.0f, trial % 2 ? 40.0f : 5.0f)(random);
          turns += static_cast<std::size_t>(
              std::fabs(std::floor((next - low) / 360.0f) - std::floor((angle - low) / 360.0f)));
          angle = next;
        }
        phi.push_back(angle);
      }
      const std::vector<AnglePiece> pieces = wrapped_pieces(years, phi, low);
      ASSERT_EQ(pieces.size(), turns + 1) << "trial " << trial;
      std::size_t sample = 0;
      for (const AnglePiece& piece : pieces) {
        for (std::size_t k = 0; k < piece.size(); ++k) {
          EXPECT_GE(piece[k].second, low);
          EXPECT_LE(piece[k].second, low + 360.0f);
          if (k > 0) {
            EXPECT_LT(std::fabs(piece[k].second - piece[k - 1].second), 180.0f);
          }
          if (sample < years.size() && piece[k].first == years[sample]) {
            const float d = std::remainder(piece[k].second - phi[sample], 360.0f);
            EXPECT_NEAR(d, 0.0f, 1e-2f) << "sample " << sample;
            ++sample;
          }
        }
      }
      EXPECT_EQ(sample, years.size()) << "every sample lies on a piece, in order";
    }
  }
}

// The top view's limits hold the path and the planet, and a unit is as long on both axes.
TEST(ViewLimits, HoldThePathAndThePlanetAtEqualScales) {
  std::mt19937 random(5);
  for (int trial = 0; trial < 40; ++trial) {
    std::vector<float> x, y;
    const float cx = std::uniform_real_distribution<float>(-2, 2)(random);
    const float rx = std::uniform_real_distribution<float>(0.001f, 1)(random), ry = std::uniform_real_distribution<float>(0.001f, 1)(random);
    for (int i = 0; i < 100; ++i) {
      x.push_back(cx + rx * std::cos(0.1f * i));
      y.push_back(ry * std::sin(0.1f * i));
    }
    const int width = 1980, height = 1400;
    const ViewLimits v = view_limits(x, y, width, height);
    EXPECT_NEAR((v.x1 - v.x0) / width, (v.y1 - v.y0) / height, 1e-4f * (v.x1 - v.x0) / width);
    for (std::size_t i = 0; i < x.size(); ++i) {
      EXPECT_TRUE(x[i] > v.x0 && x[i] < v.x1 && y[i] > v.y0 && y[i] < v.y1);
    }
    EXPECT_TRUE(v.x0 < 0 && v.x1 > 0 && v.y0 < 0 && v.y1 > 0) << "the planet at the origin in view";
  }
}

// Names placed among crowded markers: none overlaps another, all inside the area, each
// near its point; a lone point gets its name right beside it.
TEST(LabelPlacement, NamesNeverCollideAndStayNearTheirPoints) {
  std::mt19937 random(3);
  const PageBox area{0, 0, 2000, 1400};
  for (int trial = 0; trial < 30; ++trial) {
    std::vector<LabelRequest> labels;
    std::vector<PageBox> markers;
    const float cx = std::uniform_real_distribution<float>(200, 1800)(random);
    for (int i = 0; i < 10; ++i) {
      const float x = cx + std::normal_distribution<float>(0, 60)(random);
      // Every third trial crowds the points into one short band.
      const float y = trial % 3 == 0 ? std::uniform_real_distribution<float>(600, 680)(random)
                                     : std::uniform_real_distribution<float>(100, 1300)(random);
      labels.push_back({x, y, std::uniform_real_distribution<float>(100, 300)(random), 24});
      markers.push_back({x - 11, y - 11, x + 11, y + 11});
    }
    const std::vector<std::optional<PageBox>> placed = place_labels(labels, markers, area, 11);
    ASSERT_EQ(placed.size(), labels.size());
    for (std::size_t i = 0; i < placed.size(); ++i) {
      if (!placed[i]) continue;
      EXPECT_TRUE(placed[i]->inside(area));
      const float nx = std::clamp(labels[i].x, placed[i]->left, placed[i]->right);
      const float ny = std::clamp(labels[i].y, placed[i]->top, placed[i]->bottom);
      EXPECT_LE(std::hypot(nx - labels[i].x, ny - labels[i].y), 6 * 11 * std::sqrt(2.0f) + 1);
      for (std::size_t j = 0; j < i; ++j) {
        if (placed[j]) {
          EXPECT_FALSE(placed[i]->overlaps(*placed[j])) << "trial " << trial << ": " << i << " and " << j;
        }
      }
    }
    EXPECT_TRUE(placed.front().has_value()) << "the first name always finds a place";
  }
  const std::vector<std::optional<PageBox>> lone = place_labels({{1000, 700, 120, 24}}, {{989, 689, 1011, 711}}, area, 11);
  ASSERT_TRUE(lone[0]);
  EXPECT_FLOAT_EQ(lone[0]->left, 1011);
  EXPECT_FLOAT_EQ(lone[0]->top + 12, 700);
}

// Each object named once, at its closest approach, the closest ten, closest first.
TEST(NamedApproaches, EachObjectOnceAtItsClosestAndTheClosestTen) {
  std::vector<SurveyApproach> approaches;
  for (int i = 0; i < 30; ++i) {
    approaches.push_back({2459000.0 + i, 0.001 * (30 - i), 3, "object " + std::to_string(i % 15)});
  }
  const std::vector<std::size_t> named = named_approaches(approaches);
  ASSERT_EQ(named.size(), kNamedApproaches);
  std::set<std::string> names;
  for (std::size_t k = 0; k < named.size(); ++k) {
    const SurveyApproach& a = approaches[named[k]];
    EXPECT_TRUE(names.insert(a.name).second) << a.name << " named twice";
    for (const SurveyApproach& other : approaches) {
      if (other.name == a.name) {
        EXPECT_LE(a.distance_au, other.distance_au);
      }
    }
    if (k > 0) {
      EXPECT_LE(approaches[named[k - 1]].distance_au, a.distance_au);
    }
  }
  EXPECT_TRUE(named_approaches({}).empty());
}

// A survey that found nothing still draws its frame, axes and the line at one lunar
// distance, and writes its page.
TEST_F(Figures, AnEmptySurveyDrawsItsFrame) {
  ASSERT_TRUE(draw_survey_picture({{}, 2458849.5, 2458880.5, 0.05, "nea.dat", PngBackground::white}, PlotOutput::svg,
                                  "empty.svg"));
  const auto [left, top, right, bottom] = area();
  int edges = 0, inside = 0;
  for (const Mark& m : test::marks_of(*log_)) {
    if (m.filled) continue;
    if ((m.x0 == m.x1 && (m.x0 == left || m.x0 == right)) || (m.y0 == m.y1 && (m.y0 == top || m.y0 == bottom))) ++edges;
    if (m.x0 > left + 100 && m.x1 < right - 100 && m.y0 > top + 100 && m.y1 < bottom - 100) ++inside;
  }
  EXPECT_GE(edges, 4);
  EXPECT_GT(inside, 20) << "the words that say the table is empty";
  EXPECT_TRUE(log_->closed);
}

}  // namespace
}  // namespace app

namespace app {
namespace {

// Every tick set of a window: first days of months inside it (so ticks of the monthly
// set), in order, evenly many months apart, written as their year (and month); the sets
// thin out to one tick or none.
TEST(DateTicks, FirstDaysOfMonthsEvenlyApartInsideTheWindow) {
  std::mt19937 random(13);
  for (int trial = 0; trial < 60; ++trial) {
    const double from = std::uniform_real_distribution<double>(2415020.5, 2488069.5)(random);
    const double to = from + std::pow(10.0, std::uniform_real_distribution<double>(0.8, 5.0)(random));
    const std::vector<DateTicks> choices = date_tick_choices(from, to);
    ASSERT_FALSE(choices.empty());
    EXPECT_LE(choices.back().jd.size(), 1u);
    const std::set<double> monthly(choices.front().jd.begin(), choices.front().jd.end());
    for (const DateTicks& ticks : choices) {
      ASSERT_EQ(ticks.jd.size(), ticks.texts.size());
      int months_apart = -1;
      for (std::size_t k = 0; k < ticks.jd.size(); ++k) {
        EXPECT_GE(ticks.jd[k], from);
        EXPECT_LE(ticks.jd[k], to);
        EXPECT_TRUE(monthly.contains(ticks.jd[k]));
        const std::string day = calendar_day(ticks.jd[k]);
        EXPECT_EQ(day.substr(day.size() - 3), "-01") << day;
        EXPECT_EQ(day.rfind(ticks.texts[k], 0), 0u) << day << " written " << ticks.texts[k];
        EXPECT_DOUBLE_EQ(ticks.jd[k], std::floor(ticks.jd[k] - 0.5) + 0.5) << "0 h of the day";
        if (k == 0) continue;
        const std::string last = calendar_day(ticks.jd[k - 1]);
        const int months = (std::stoi(day.substr(0, day.size() - 6)) - std::stoi(last.substr(0, last.size() - 6))) * 12 +
                           std::stoi(day.substr(day.size() - 5, 2)) - std::stoi(last.substr(last.size() - 5, 2));
        if (months_apart < 0) months_apart = months;
        EXPECT_EQ(months, months_apart) << day;
      }
    }
  }
}

}  // namespace
}  // namespace app
