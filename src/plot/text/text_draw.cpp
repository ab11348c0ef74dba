// Stroke-font text: one character (alfcha), a text at a point (qqmess, dtext)
// and the length of a text (nlmess). Characters are drawn as polylines through
// qqmove/qqdraw, so they pass the same clipping and device dispatch as every
// other line, and the 2D-on-plane mapping bends them onto the faces of a 3D box.
#include "plot/text/text_draw.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "plot/text/stroke_font.h"
#include "plot/lines/polyline.h"
#include "plot/text/stroke_font_alphabet1.h"
#include "plot/core/warnings.h"

namespace plotix {
namespace {

// The part of a text that is drawn: at most kMaxTextLength characters, without
// trailing blanks.
std::string_view drawn_part(std::string_view text) {
  text = text.substr(0, std::min(text.size(), kMaxTextLength));
  const std::size_t last = text.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
}

// Font units to plot units in the current height and width factor, and the
// advance of every character (the standard alphabet has a fixed pitch).
struct CharacterScale {
  float sx;
  float sy;
  float advance;
};

CharacterScale character_scale(const PlotState& st, const Alphabet& alphabet) {
  const float h1 = static_cast<float>(st.text.nhchar - 1);
  CharacterScale s{};
  s.sx = h1 * st.text.xwfac / static_cast<float>(alphabet.design_width);
  s.sy = h1 / static_cast<float>(alphabet.design_height);
  s.advance = static_cast<float>(alphabet.design_width) * s.sx +
              st.text.xchsp * static_cast<float>(st.text.nhchar);
  return s;
}

// The start point of a text off the page: counted as a warning and, when
// messages are on, reported with the first 8 characters of the text.
void warn_start_point(PlotState& st, std::string_view text) {
  ++st.core.nwarn;
  if (st.core.imsgmode == 0 || !st.core.iwarnon) return;
  qqerrfil(st);
  const std::string_view head = text.substr(0, std::min<std::size_t>(text.size(), 8));
  std::fprintf(st.core.fp_msg, " <<<< Warning: Startpoint (%5d/%5d) ",
               static_cast<int>(st.text.xpen), static_cast<int>(st.text.ypen));
  std::fprintf(st.core.fp_msg, "in MESSAG out of page - (%.*s).\n", static_cast<int>(head.size()),
               head.data());
}

// Calls visit(code) for each character of a text: one per byte, except that the
// en dash of UTF-8 (E2 80 93), as in "Sun–Earth", is one character drawn as the
// font's dash.
template <class Visit>
void for_each_code(std::string_view text, Visit&& visit) {
  constexpr std::string_view kEnDash = "\xE2\x80\x93";
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.substr(i, kEnDash.size()) == kEnDash) {
      visit(static_cast<unsigned char>('-'));
      i += kEnDash.size() - 1;
    } else {
      visit(static_cast<unsigned char>(text[i]));
    }
  }
}

bool pen_off_page(const PlotState& st) {
  return st.text.xpen < 0.0f || st.text.xpen > static_cast<float>(st.page.nxpage) ||
         st.text.ypen < 0.0f || st.text.ypen > static_cast<float>(st.page.nypage);
}

}  // namespace

void set_text_angle(PlotState& st, int degrees) {
  const float radians = static_cast<float>(degrees) * st.core.fpi;
  st.text.nangle = degrees;
  st.text.xsin = std::sin(radians);
  st.text.xcos = std::cos(radians);
}

TemporaryTextSettings::TemporaryTextSettings(PlotState& st, int angle_degrees, int h)
    : st_(st), angle_(st.text.nangle), sin_(st.text.xsin), cos_(st.text.xcos),
      height_(st.text.nhchar) {
  set_text_angle(st, angle_degrees);
  st.text.nhchar = h;
}

TemporaryTextSettings::~TemporaryTextSettings() {
  st_.text.nangle = angle_;
  st_.text.xsin = sin_;
  st_.text.xcos = cos_;
  st_.text.nhchar = height_;
}

void alfcha(PlotState& st, unsigned char code) {
  const Alphabet& alphabet = alphabet1();
  const CharacterScale s = character_scale(st, alphabet);
  const float c = st.text.xcos;
  const float sn = st.text.xsin;
  // Record index 1 is the blank, which has no record; the records start at 2.
  const int index = code < 32 ? 1 : code - 31;
  if (index > 1 && index <= alphabet.nchars) {
    const float xpen = st.text.xpen;
    const float ypen = st.text.ypen;
    for_each_point(alphabet, index - 2, [&](float x, float y, bool starts_polyline) {
      const float v = y * s.sy;
      const float u = x * s.sx + v * st.text.xslant;
      const float px = xpen + u * c - v * sn;
      const float py = ypen - v * c - u * sn;
      if (starts_polyline) {
        qqmove(st, px, py);
      } else {
        qqdraw(st, px, py);
      }
    });
  }
  st.text.xpen += s.advance * c;
  st.text.ypen -= s.advance * sn;
}

void qqmess(PlotState& st, std::string_view text, int x, int y) {
  const std::string_view shown = drawn_part(text);
  if (shown.empty()) return;
  if (x != kContinueAtPen || y != kContinueAtPen) {
    // The pen starts on the baseline, h - 1 below the upper edge across the text.
    const float h1 = static_cast<float>(st.text.nhchar - 1);
    st.text.xpen = static_cast<float>(x) + h1 * st.text.xsin + static_cast<float>(st.line.nxorg);
    st.text.ypen = static_cast<float>(y) + h1 * st.text.xcos + static_cast<float>(st.line.nyorg);
    if (st.axis3d.iplane3 == 0 && pen_off_page(st)) warn_start_point(st, text);
  }
  for_each_code(shown, [&st](unsigned char code) { alfcha(st, code); });
}

void dtext(PlotState& st, std::string_view text, int x, int y, int angle_degrees, int h) {
  const TemporaryTextSettings settings(st, angle_degrees, h);
  qqmess(st, text, x, y);
}

int nlmess(const PlotState& st, std::string_view text) {
  const std::string_view shown = drawn_part(text);
  const CharacterScale s = character_scale(st, alphabet1());
  float x = 0.0f;
  float y = 0.0f;
  for_each_code(shown, [&](unsigned char) {
    x += s.advance * st.text.xcos;
    y -= s.advance * st.text.xsin;
  });
  return static_cast<int>(std::sqrt(x * x + y * y) + 0.5f);
}

}  // namespace plotix
