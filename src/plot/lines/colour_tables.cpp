// Contents of the colour tables (see colour_tables.h). The rainbow and spectrum
// tables interpolate linearly, channel by channel, between their sample rows.
#include "plot/lines/colour_tables.h"

#include <utility>

namespace plotix {
namespace {

struct Sample {
  int index;
  int rgb;
};

constexpr Sample kRainbow[] = {
    {1, 0x220044},   {16, 0x2900BE},  {32, 0x0008FF},  {48, 0x0044FF},  {64, 0x0084FF},
    {80, 0x00C0FF},  {96, 0x00FFFF},  {112, 0x00FFBF}, {128, 0x00FF52}, {144, 0x33FF00},
    {160, 0x7BFF00}, {176, 0xBFFF00}, {192, 0xFFFF00}, {208, 0xFFBB00}, {224, 0xFF7B00},
    {240, 0xFF3A00}, {254, 0xFF0000},
};

// Magenta falling through blue, green and yellow to red.
constexpr Sample kSpectrum[] = {
    {1, 0xFF00FF}, {64, 0x0000FF}, {128, 0x00FF00}, {191, 0xFFFF00}, {254, 0xFF0000},
};

constexpr int kSmall[9] = {0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF,
                           0xFFFF00, 0xFF8000, 0x00FFFF, 0xFF00FF};

constexpr int kVgaColours[16] = {0x000000, 0x0000AA, 0x00AA00, 0x00AAAA, 0xAA0000, 0xAA00AA,
                                 0xAA5500, 0xAAAAAA, 0x555555, 0x5555FF, 0x55FF55, 0x55FFFF,
                                 0xFF5555, 0xFF55FF, 0xFFFF55, 0xFFFFFF};

int channel(int rgb, int shift) { return (rgb >> shift) & 0xFF; }

// Entries 1..254 through the samples; 0 black, 255 white.
template <std::size_t N>
void interpolate(const Sample (&samples)[N], int npal[256]) {
  npal[0] = 0x000000;
  npal[255] = 0xFFFFFF;
  for (std::size_t k = 0; k + 1 < N; ++k) {
    const Sample a = samples[k];
    const Sample b = samples[k + 1];
    for (int i = a.index; i <= b.index; ++i) {
      int rgb = 0;
      for (int shift : {16, 8, 0}) {
        int ca = channel(a.rgb, shift);
        int cb = channel(b.rgb, shift);
        // Rounded to the nearest integer, halves upward (all terms non-negative
        // after adding the span).
        int span = b.index - a.index;
        int value = (2 * (ca * span + (cb - ca) * (i - a.index)) + span) / (2 * span);
        rgb |= value << shift;
      }
      npal[i] = rgb;
    }
  }
}

void reverse(int npal[256]) {
  for (int i = 0; i <= 127; ++i) std::swap(npal[i], npal[255 - i]);
}

void temperature(int npal[256]) {
  for (int i = 0; i < 256; ++i) {
    const float fi = static_cast<float>(i);
    int r = i > 149 ? 255 : static_cast<int>(1.7f * fi + 0.5f);
    int g = i < 120 ? 0 : static_cast<int>(1.8888889f * (fi - 120.0f) + 0.5f);
    int b = i < 190 ? 0 : static_cast<int>(3.9230769f * (fi - 190.0f) + 0.5f);
    npal[i] = r * 0x10000 + g * 0x100 + b;
  }
}

}  // namespace

void fill_colour_table(int number, int npal[256]) {
  for (int i = 0; i < 256; ++i) npal[i] = 0;
  switch (number) {
    case kSmal:
      for (int i = 0; i < 9; ++i) npal[i] = kSmall[i];
      break;
    case kRain:
    case kRrai:
      interpolate(kRainbow, npal);
      break;
    case kSpec:
    case kRspe:
      interpolate(kSpectrum, npal);
      break;
    case kGrey:
    case kRgre:
      for (int i = 0; i < 256; ++i) npal[i] = i * 0x010101;
      break;
    case kVga:
      for (int i = 0; i < 16; ++i) npal[i] = kVgaColours[i];
      break;
    case kTemp:
      temperature(npal);
      break;
    default:
      break;
  }
  if (number == kRrai || number == kRspe || number == kRgre) reverse(npal);
}

}  // namespace plotix
