// The device scale of each output format (see device_scale.h).
#include "plot/core/device_scale.h"

#include <algorithm>

#include "plot/core/output_format.h"

namespace plotix {
namespace {

// Printable paper area in 1/20 mm (195 by 280 mm, portrait).
constexpr float kPaperShort = 3900.0f;
constexpr float kPaperLong = 5600.0f;
// Width of the default page: no page is drawn larger than an A4 landscape page.
constexpr float kDefaultPageWidth = 2969.0f;

bool landscape(const PlotState& st) { return st.page.nypage < st.page.nxpage; }

// Paper fit of PS and PDF: a landscape page is turned onto the portrait sheet.
float paper_fit(const PlotState& st, float short_side, float long_side) {
  float pw = static_cast<float>(st.page.nxpage);
  float ph = static_cast<float>(st.page.nypage);
  if (landscape(st) && st.page.iorient != 2) {
    return std::min(long_side / pw, short_side / ph);
  }
  return std::min(short_side / pw, long_side / ph);
}

}  // namespace

float device_scale_factor(const PlotState& st, int width, int height) {
  const float f = st.page.xsclfac * st.page.xunit;
  const int idev = st.page.idev;
  if (is_screen_or_terminal(idev) || is_raster(idev)) {
    float pw = static_cast<float>(st.page.nxpage);
    float ph = static_cast<float>(st.page.nypage);
    if (st.page.iorient == 1) std::swap(pw, ph);
    float w1 = static_cast<float>(width - 1);
    float h1 = static_cast<float>(height - 1);
    float s = std::min(w1 / pw, h1 / ph);
    if (!st.page.inoscale) s = std::min(s, (landscape(st) ? w1 : h1) * f / kDefaultPageWidth);
    return s;
  }
  if (is_pdf(idev)) {
    // The paper area in points: a unit of 1/20 mm is half a tenth of a millimetre,
    // and 254 tenths make 72 points.
    float s = paper_fit(st, kPaperShort * 0.5f * 72.0f / 254.0f, kPaperLong * 0.5f * 72.0f / 254.0f);
    if (!st.page.inoscale) s = std::min(s, f * 72.0f / 254.0f);
    return s;
  }
  if (is_postscript(idev)) {
    float s = paper_fit(st, kPaperShort, kPaperLong);
    if (!st.page.inoscale) s = std::min(s, 2.0f * f);
    return s;
  }
  if (is_wmf(idev)) return f * 5.6692915f;  // 1440/254 twips per 0.1 mm
  // SVG and the rest draw in page units (0.1 mm), scaled by the user's factor only.
  return f;
}

}  // namespace plotix
