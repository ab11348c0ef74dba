// Scaling keeps every line: a line one pixel wide on any row or column of the source
// shows in the scaled picture where the scale puts it, and nowhere else.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "devices/smooth_scale.h"

namespace {

constexpr int kWidth = 120, kHeight = 90;

std::uint32_t pixel(const SDL_Surface* s, int x, int y) {
  return static_cast<const std::uint32_t*>(s->pixels)[y * (s->pitch / 4) + x];
}

// The rows (or columns) of `s` with a pixel brighter than black.
std::vector<int> lit_lines(const SDL_Surface* s, bool rows) {
  std::vector<int> lit;
  const int lines = rows ? s->h : s->w, along = rows ? s->w : s->h;
  for (int i = 0; i < lines; ++i) {
    bool any = false;
    for (int j = 0; j < along && !any; ++j) any = (pixel(s, rows ? j : i, rows ? i : j) & 0x00FFFFFF) != 0;
    if (any) lit.push_back(i);
  }
  return lit;
}

TEST(SmoothScale, EveryOnePixelLineSurvivesAtEverySize) {
  const int sizes[][2] = {{80, 60}, {79, 61}, {45, 34}, {13, 10}, {120, 90}, {200, 150}};
  for (bool rows : {true, false}) {
    const int lines = rows ? kHeight : kWidth;
    for (int line = 0; line < lines; ++line) {
      SDL_Surface* source = SDL_CreateRGBSurfaceWithFormat(0, kWidth, kHeight, 32, SDL_PIXELFORMAT_RGBA32);
      ASSERT_NE(source, nullptr) << SDL_GetError();
      SDL_FillRect(source, nullptr, SDL_MapRGBA(source->format, 0, 0, 0, 255));
      SDL_Rect r = rows ? SDL_Rect{0, line, kWidth, 1} : SDL_Rect{line, 0, 1, kHeight};
      SDL_FillRect(source, &r, SDL_MapRGBA(source->format, 0, 255, 0, 255));
      for (const auto& size : sizes) {
        SCOPED_TRACE((rows ? "row " : "column ") + std::to_string(line) + " to " +
                     std::to_string(size[0]) + "x" + std::to_string(size[1]));
        SDL_Surface* scaled = devices::smooth_scaled(source, size[0], size[1]);
        ASSERT_NE(scaled, nullptr) << SDL_GetError();
        ASSERT_EQ(scaled->w, size[0]);
        ASSERT_EQ(scaled->h, size[1]);
        // Pixel centres map as (i + 0.5) * target / source - 0.5.
        const double ratio = rows ? static_cast<double>(size[1]) / kHeight : static_cast<double>(size[0]) / kWidth;
        const double expected = (line + 0.5) * ratio - 0.5;
        const std::vector<int> lit = lit_lines(scaled, rows);
        ASSERT_FALSE(lit.empty()) << "the line was lost";
        // Blended over at most the pixels its width covers, plus one on either side.
        for (int at : lit) EXPECT_LE(std::fabs(at - expected), std::max(1.0, ratio) + 0.5) << at;
        SDL_FreeSurface(scaled);
      }
      SDL_FreeSurface(source);
    }
  }
}

}  // namespace
