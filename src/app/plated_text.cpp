// Notes on plates of the page's colour.
#include "app/plated_text.h"

#include <cmath>

#include "plot/plotix.h"

namespace app {

void plated_text(std::string_view text, float x, float y, int height, const ClearPalette& palette) {
  plotix::height(height);
  const float w = static_cast<float>(plotix::nlmess(text));
  plotix::setrgb(palette.page.r, palette.page.g, palette.page.b);
  plotix::rectfl(x - kPlateMargin, y - kPlateMargin, x + w + kPlateMargin, y + static_cast<float>(height) + kPlateMargin);
  plotix::setrgb(palette.text.r, palette.text.g, palette.text.b);
  plotix::messag(text, static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)));
}

}  // namespace app
