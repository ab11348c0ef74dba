// Reading a figure back from the recording device: every line drawn and every filled
// shape, with the colour it was drawn in, in the plot units of an SVG page (y downward).
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "devices/recording_device.h"

namespace app::test {

using Colour = std::array<int, 3>;

struct Mark {
  double x0, y0, x1, y1;  // extent
  Colour colour;
  bool filled;            // a filled polygon or rectangle, not a line
  bool rectangle = false; // a filled rectangle (a band, a key)
};

// The lines and fills of the log, in the colour set before each (SVG receives r, g, b).
inline std::vector<Mark> marks_of(const devices::DeviceLog& log) {
  std::vector<Mark> marks;
  Colour colour{0, 0, 0};
  double px = 0, py = 0;
  std::vector<std::pair<double, double>> polygon;
  for (const devices::RecordedCall& c : log.calls) {
    switch (c.kind) {
      case devices::CallKind::kColourRgb:
        colour = {static_cast<int>(c.v[0]), static_cast<int>(c.v[1]), static_cast<int>(c.v[2])};
        break;
      case devices::CallKind::kMoveDraw:
        if (static_cast<int>(c.v[2]) == devices::kDraw) {
          marks.push_back({std::min(px, c.v[0]), std::min(py, c.v[1]), std::max(px, c.v[0]), std::max(py, c.v[1]), colour,
                           false});
        }
        px = c.v[0];
        py = c.v[1];
        break;
      case devices::CallKind::kBeginPolygon: polygon.clear(); break;
      case devices::CallKind::kPolygonPoint: polygon.emplace_back(c.v[0], c.v[1]); break;
      case devices::CallKind::kEndPolygon: {
        Mark m{1e30, 1e30, -1e30, -1e30, colour, true};
        for (const auto& [x, y] : polygon) {
          m.x0 = std::min(m.x0, x);
          m.y0 = std::min(m.y0, y);
          m.x1 = std::max(m.x1, x);
          m.y1 = std::max(m.y1, y);
        }
        if (!polygon.empty()) marks.push_back(m);
        break;
      }
      case devices::CallKind::kFillRectangle:
        marks.push_back({std::min(c.v[0], c.v[2]), std::min(c.v[1], c.v[3]), std::max(c.v[0], c.v[2]),
                         std::max(c.v[1], c.v[3]), {static_cast<int>(c.v[5]), static_cast<int>(c.v[6]), static_cast<int>(c.v[7])},
                         true, true});
        break;
      default: break;
    }
  }
  return marks;
}

// WCAG 2's relative luminance of an sRGB colour and the contrast ratio of two colours.
inline double relative_luminance(const Colour& c) {
  const auto channel = [](int v) {
    const double s = v / 255.0;
    return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(c[0]) + 0.7152 * channel(c[1]) + 0.0722 * channel(c[2]);
}

inline double contrast(const Colour& a, const Colour& b) {
  const double la = relative_luminance(a), lb = relative_luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace app::test
