// Placing the names of marked points on a figure so that no two names collide and none
// covers a marker where a free place exists: each name tries places around its point,
// nearest first, and takes the first that is free.
#pragma once

#include <optional>
#include <vector>

namespace app {

// A rectangle of the page, plot units: left < right, top < bottom (y grows downwards).
struct PageBox {
  float left = 0, top = 0, right = 0, bottom = 0;
  bool overlaps(const PageBox& other) const {
    return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
  }
  bool inside(const PageBox& area) const {
    return left >= area.left && right <= area.right && top >= area.top && bottom <= area.bottom;
  }
};

// A name to place: the point it belongs to and the size of its text.
struct LabelRequest {
  float x = 0, y = 0;
  float width = 0, height = 0;
};

// Boxes for the names, in the order asked (the first get the nearest places): each inside
// `area`, clear of every other name, and clear of the `markers` where any of its places
// is; the places lie `gap` from the point, then 2, 4 and 6 times as far. Nothing for a
// name that finds no place clear of the names already placed.
std::vector<std::optional<PageBox>> place_labels(const std::vector<LabelRequest>& labels,
                                                 const std::vector<PageBox>& markers, const PageBox& area, float gap);

}  // namespace app
