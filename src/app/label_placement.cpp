// Collision-free places for the names of points.
#include "app/label_placement.h"

#include <algorithm>
#include <cstddef>

namespace app {

namespace {

// Directions tried around a point, as shares of the text's size: right, left, above,
// below, then the four corners.
struct Direction {
  float dx, dy;
};
constexpr Direction kDirections[] = {{1, 0}, {-1, 0}, {0, -1}, {0, 1}, {1, -1}, {1, 1}, {-1, -1}, {-1, 1}};
constexpr float kDistances[] = {1, 2, 4, 6};

PageBox box_at(const LabelRequest& label, Direction d, float distance) {
  // The text's centre moves out along the direction until its edge lies `distance`
  // from the point.
  const float cx = label.x + d.dx * (label.width / 2 + distance);
  const float cy = label.y + d.dy * (label.height / 2 + distance);
  return {cx - label.width / 2, cy - label.height / 2, cx + label.width / 2, cy + label.height / 2};
}

std::size_t markers_covered(const PageBox& box, const std::vector<PageBox>& markers) {
  return static_cast<std::size_t>(
      std::count_if(markers.begin(), markers.end(), [&box](const PageBox& m) { return box.overlaps(m); }));
}

}  // namespace

std::vector<std::optional<PageBox>> place_labels(const std::vector<LabelRequest>& labels,
                                                 const std::vector<PageBox>& markers, const PageBox& area, float gap) {
  std::vector<std::optional<PageBox>> placed;
  std::vector<PageBox> taken;
  for (const LabelRequest& label : labels) {
    std::optional<PageBox> best;
    std::size_t best_covered = 0;
    for (const float distance : kDistances) {
      for (const Direction d : kDirections) {
        const PageBox box = box_at(label, d, distance * gap);
        if (!box.inside(area)) continue;
        if (std::any_of(taken.begin(), taken.end(), [&box](const PageBox& t) { return box.overlaps(t); })) continue;
        const std::size_t covered = markers_covered(box, markers);
        if (!best || covered < best_covered) {
          best = box;
          best_covered = covered;
        }
        if (covered == 0) break;
      }
      if (best && best_covered == 0) break;
    }
    if (best) taken.push_back(*best);
    placed.push_back(best);
  }
  return placed;
}

}  // namespace app
