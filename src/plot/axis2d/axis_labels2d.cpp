// Labels of a 2D axis: numbers, powers of ten or given texts, and their spacing.
#include "plot/axis2d/axis_labels2d.h"

#include <algorithm>
#include <cmath>

#include "plot/axis3d/axis_numbers.h"
#include "plot/text/text_draw.h"

namespace plotix {

namespace {

// More numbers than this on one axis means a step far too small for the range.
constexpr int kMostLabels = 10000;

// A power of ten written out: 0.001, 0.1, 1, 100.
std::string power_of_ten(float exponent) {
  const int k = static_cast<int>(std::lround(exponent));
  return fcha(std::pow(10.0, exponent), k < 0 ? -k : -1);
}

}  // namespace

std::vector<AxisLabel> axis_labels(const AxisMarks& marks, int digits) {
  std::vector<AxisLabel> labels;
  const float low = std::min(marks.start, marks.end), high = std::max(marks.start, marks.end);
  const float slack = 1e-4f * (high - low);
  if (!marks.texts.values.empty()) {
    for (std::size_t k = 0; k < marks.texts.values.size() && k < marks.texts.texts.size(); ++k) {
      const float u = marks.texts.values[k];
      if (u >= low - slack && u <= high + slack) labels.push_back({u, marks.texts.texts[k]});
    }
    std::sort(labels.begin(), labels.end(), [](const AxisLabel& a, const AxisLabel& b) { return a.units < b.units; });
    return labels;
  }
  const double step = std::fabs(marks.step);
  if (!(step > 0.0) || (high - low) / step > kMostLabels) return labels;
  const double first = marks.first + step * std::ceil((low - slack - marks.first) / step);
  for (int k = 0; first + k * step <= high + slack; ++k) {
    const float u = static_cast<float>(first + k * step);
    labels.push_back({u, marks.log ? power_of_ten(u) : fcha(u, digits)});
  }
  return labels;
}

float along_axis(const PlotState& s, const AxisMarks& marks, float units) {
  const int length = marks.vertical ? s.core.nyl : s.core.nxl;
  return (units - marks.start) * static_cast<float>(length - 1) / (marks.end - marks.start);
}

bool labels_keep_apart(PlotState& s, const AxisMarks& marks, const std::vector<AxisLabel>& labels, int h) {
  const TemporaryTextSettings upright(s, 0, h);
  const float gap = marks.vertical ? 1.5f * static_cast<float>(h) : static_cast<float>(h);
  std::vector<std::pair<float, float>> spans;
  for (const AxisLabel& label : labels) {
    const float size = marks.vertical ? static_cast<float>(h) : static_cast<float>(nlmess(s, label.text));
    const float middle = along_axis(s, marks, label.units);
    spans.emplace_back(middle - size / 2.0f, middle + size / 2.0f);
  }
  std::sort(spans.begin(), spans.end());
  for (std::size_t k = 1; k < spans.size(); ++k) {
    if (spans[k].first - spans[k - 1].second < gap) return false;
  }
  return true;
}

}  // namespace plotix
