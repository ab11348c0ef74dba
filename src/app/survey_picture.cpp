// Drawing the survey's approaches against date.
#include "app/survey_picture.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "app/date_ticks.h"
#include "app/figure_page.h"
#include "app/figure_palette.h"
#include "app/figure_titles.h"
#include "app/label_placement.h"
#include "plot/plotix.h"

namespace app {

namespace {

constexpr int kInkWidth = 2;
constexpr float kMarkerSize = 22.0f;

// Marker shape of each body, planets 1..9 then the Moon: filled shapes for the planets a
// near-Earth survey meets most, the Moon open beside the Earth's disc.
constexpr plotix::MarkerShape kShapes[10] = {
    plotix::MarkerShape::triangle_down, plotix::MarkerShape::diamond, plotix::MarkerShape::circle,
    plotix::MarkerShape::square,        plotix::MarkerShape::triangle_up, plotix::MarkerShape::plus,
    plotix::MarkerShape::cross,         plotix::MarkerShape::star,      plotix::MarkerShape::plus,
    plotix::MarkerShape::ring};
constexpr const char* kBodyNames[10] = {"Mercury", "Venus", "Earth",   "Mars",    "Jupiter",
                                        "Saturn",  "Uranus", "Neptune", "Pluto",  "Moon"};

std::size_t slot(int body) { return static_cast<std::size_t>(std::clamp(body, 1, 10) - 1); }

// The y axis: whole decades of AU from below the closest approach (and one lunar
// distance) to above the survey's limit.
void decades(const SurveyPicture& picture, float& low, float& high) {
  double least = kLunarDistanceAu / 2.0, most = std::max(picture.limit_au, kLunarDistanceAu * 2.0);
  for (const SurveyApproach& a : picture.approaches) {
    if (a.distance_au > 0.0) least = std::min(least, a.distance_au);
    most = std::max(most, a.distance_au);
  }
  low = static_cast<float>(std::floor(std::log10(least)));
  high = static_cast<float>(std::ceil(std::log10(most)));
}

// The x axis in days from the window's start, numbered with the finest month or year
// ticks whose texts fit; a window too short for two of them gets its two ends.
void date_axis(const SurveyPicture& picture) {
  const float days = static_cast<float>(picture.to_jd - picture.from_jd);
  std::vector<float> at;
  std::vector<std::string> texts;
  for (const DateTicks& ticks : date_tick_choices(picture.from_jd, picture.to_jd)) {
    if (ticks.jd.size() < 2) break;
    std::vector<float> offsets;
    for (const double jd : ticks.jd) offsets.push_back(static_cast<float>(jd - picture.from_jd));
    if (plotix::texts_fit2d("X", 0.0f, days, offsets, ticks.texts)) {
      at = offsets;
      texts = ticks.texts;
      break;
    }
  }
  if (at.empty()) {
    at = {0.0f, days};
    texts = {calendar_day(picture.from_jd), calendar_day(picture.to_jd)};
  }
  plotix::axis_texts2d("X", at, texts);
}

// The line at one lunar distance and its name; the name's box on the page.
PageBox draw_lunar_line(const SurveyPicture& picture, const FigurePalette& palette) {
  const float days = static_cast<float>(picture.to_jd - picture.from_jd);
  const float x[2] = {0.0f, days}, y[2] = {static_cast<float>(kLunarDistanceAu), static_cast<float>(kLunarDistanceAu)};
  use_colour(palette.epoch);
  plotix::dash();
  plotix::curv2d(x, y, 2);
  plotix::solid();
  float px = 0, py = 0;
  plotix::user_to_page2d(days, static_cast<float>(kLunarDistanceAu), px, py);
  const std::string text = "1 lunar distance";
  const int left = static_cast<int>(px) - plotix::message_length(text) - kFigureTextHeight / 2;
  const int top = static_cast<int>(py) + kFigureTextHeight / 2;
  plotix::messag(text, left, top);
  return {static_cast<float>(left), static_cast<float>(top), px, static_cast<float>(top + kFigureTextHeight)};
}

// Markers, farthest first so that the closest lie on top; their boxes on the page.
std::vector<PageBox> draw_markers(const SurveyPicture& picture, const FigurePalette& palette) {
  std::vector<std::size_t> order(picture.approaches.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return picture.approaches[a].distance_au > picture.approaches[b].distance_au;
  });
  std::vector<PageBox> boxes;
  for (const std::size_t i : order) {
    const SurveyApproach& a = picture.approaches[i];
    use_colour(palette.bodies[slot(a.body)]);
    const float x = static_cast<float>(a.jd - picture.from_jd), y = static_cast<float>(a.distance_au);
    plotix::marker2d(kShapes[slot(a.body)], x, y, kMarkerSize);
    float px = 0, py = 0;
    plotix::user_to_page2d(x, y, px, py);
    boxes.push_back({px - kMarkerSize / 2, py - kMarkerSize / 2, px + kMarkerSize / 2, py + kMarkerSize / 2});
  }
  return boxes;
}

// The names of the closest objects, placed clear of each other and of the markers.
void draw_names(const SurveyPicture& picture, const FigurePalette& palette, std::vector<PageBox> obstacles) {
  int x = 0, y = 0, width = 0, height = 0;
  plotix::axis_area2d(x, y, width, height);
  const PageBox area{static_cast<float>(x), static_cast<float>(y - height), static_cast<float>(x + width),
                     static_cast<float>(y)};
  const std::vector<std::size_t> named = named_approaches(picture.approaches);
  std::vector<LabelRequest> requests;
  for (const std::size_t i : named) {
    const SurveyApproach& a = picture.approaches[i];
    float px = 0, py = 0;
    plotix::user_to_page2d(static_cast<float>(a.jd - picture.from_jd), static_cast<float>(a.distance_au), px, py);
    requests.push_back({px, py, static_cast<float>(plotix::message_length(a.name)), static_cast<float>(kFigureTextHeight)});
  }
  const std::vector<std::optional<PageBox>> places = place_labels(requests, obstacles, area, kMarkerSize / 2);
  use_colour(palette.ink);
  for (std::size_t k = 0; k < named.size(); ++k) {
    if (!places[k]) continue;
    const PageBox& box = *places[k];
    plotix::messag(picture.approaches[named[k]].name, static_cast<int>(box.left), static_cast<int>(box.top));
    // A leader from the marker's edge to the name's nearest edge when the name stands off.
    const float nx = std::clamp(requests[k].x, box.left, box.right), ny = std::clamp(requests[k].y, box.top, box.bottom);
    if (std::hypot(nx - requests[k].x, ny - requests[k].y) > kMarkerSize * 1.5f) {
      plotix::linwid(1);
      plotix::rline(requests[k].x, requests[k].y, nx, ny);
      plotix::linwid(kInkWidth);
    }
  }
}

// One entry per body in the table, left to right above the axis area.
void draw_legend(const SurveyPicture& picture, const FigurePalette& palette) {
  bool present[10] = {};
  for (const SurveyApproach& a : picture.approaches) present[slot(a.body)] = true;
  int x = 0, y = 0, width = 0, height = 0;
  plotix::axis_area2d(x, y, width, height);
  float left = static_cast<float>(x);
  const float middle = static_cast<float>(y - height - kFigureTextHeight);
  for (std::size_t b = 0; b < 10; ++b) {
    if (!present[b]) continue;
    use_colour(palette.bodies[b]);
    plotix::marker(kShapes[b], left + kMarkerSize / 2, middle, kMarkerSize);
    use_colour(palette.ink);
    plotix::messag(kBodyNames[b], static_cast<int>(left + kMarkerSize * 1.5f), static_cast<int>(middle) - kFigureTextHeight / 2);
    left += kMarkerSize * 1.5f + static_cast<float>(plotix::message_length(kBodyNames[b])) + 2.0f * kFigureTextHeight;
  }
}

void say_empty(const FigurePalette& palette) {
  int x = 0, y = 0, width = 0, height = 0;
  plotix::axis_area2d(x, y, width, height);
  use_colour(palette.ink);
  const std::string text = "No close approach in this window";
  plotix::height(kFigureTitleHeight);
  plotix::messag(text, x + (width - plotix::message_length(text)) / 2, y - height / 2 - kFigureTitleHeight / 2);
  plotix::height(kFigureTextHeight);
}

std::string detail_line(const SurveyPicture& picture) {
  char limit[32];
  std::snprintf(limit, sizeof limit, "%g", picture.limit_au);
  const std::size_t n = picture.approaches.size();
  const std::string count = n == 0 ? "no approach" : std::to_string(n) + (n == 1 ? " approach" : " approaches");
  return "Catalogue " + picture.catalogue + ": " + count + " within " + limit + " AU";
}

}  // namespace

std::vector<std::size_t> named_approaches(const std::vector<SurveyApproach>& approaches) {
  std::map<std::string, std::size_t> closest;  // by name
  for (std::size_t i = 0; i < approaches.size(); ++i) {
    const auto found = closest.find(approaches[i].name);
    if (found == closest.end() || approaches[i].distance_au < approaches[found->second].distance_au) {
      closest[approaches[i].name] = i;
    }
  }
  std::vector<std::size_t> named;
  for (const auto& [name, index] : closest) named.push_back(index);
  std::sort(named.begin(), named.end(), [&approaches](std::size_t a, std::size_t b) {
    return approaches[a].distance_au < approaches[b].distance_au ||
           (approaches[a].distance_au == approaches[b].distance_au && a < b);
  });
  if (named.size() > kNamedApproaches) named.resize(kNamedApproaches);
  return named;
}

bool draw_survey_picture(const SurveyPicture& picture, PlotOutput output, const std::string& file) {
  const FigurePalette palette = figure_palette(picture.background);
  open_figure(output, file, picture.background);
  float low = 0, high = 0;
  decades(picture, low, high);
  plotix::axis_scale2d("LOG", "Y");
  plotix::name("Date (TDB)", "X");
  plotix::name("Distance (AU)", "Y");
  date_axis(picture);
  use_colour(palette.ink);
  plotix::linwid(kInkWidth);
  const float days = static_cast<float>(std::max(picture.to_jd - picture.from_jd, 1.0));
  plotix::graf2d(0.0f, days, 0.0f, days, low, high, low, 1.0f);
  plotix::right_axis2d(static_cast<float>(1.0 / kLunarDistanceAu), "Distance (lunar distances)");
  const PageBox lunar_name = draw_lunar_line(picture, palette);
  std::vector<PageBox> obstacles = draw_markers(picture, palette);
  obstacles.push_back(lunar_name);
  use_colour(palette.ink);
  plotix::frame2d();
  if (picture.approaches.empty()) say_empty(palette);
  draw_names(picture, palette, std::move(obstacles));
  draw_legend(picture, palette);
  use_colour(palette.ink);
  draw_figure_titles("Close approaches from " + calendar_day(picture.from_jd) + " to " + calendar_day(picture.to_jd),
                     detail_line(picture));
  return close_figure();
}

}  // namespace app
