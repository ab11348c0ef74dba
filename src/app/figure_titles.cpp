// Title lines of the 2D figures.
#include "app/figure_titles.h"

#include "app/figure_page.h"
#include "plot/plotix.h"

namespace app {

namespace {

void centred(const std::string& text, int height, int top) {
  int x = 0, y = 0, width = 0, area_height = 0;
  plotix::axis_area2d(x, y, width, area_height);
  plotix::height(height);
  plotix::messag(text, x + (width - plotix::message_length(text)) / 2, top);
}

}  // namespace

void draw_figure_titles(const std::string& subject, const std::string& detail) {
  int x = 0, y = 0, width = 0, area_height = 0;
  plotix::axis_area2d(x, y, width, area_height);
  const int top = y - area_height;  // the axis area's upper edge
  plotix::linwid(3);
  centred(subject, kFigureTitleHeight, top - 5 * kFigureTitleHeight);
  plotix::linwid(2);
  if (!detail.empty()) centred(detail, kFigureTextHeight + 4, top - 3 * kFigureTitleHeight);
  plotix::height(kFigureTextHeight);
}

}  // namespace app
