// Line styles and widths: solid … dashm, lintyp, myline, linwid, penwid.
#include <algorithm>
#include <cmath>

#include "plot/core/levels.h"
#include "plot/lines/polyline.h"
#include "plot/core/output_format.h"
#include "plot/lines/line_style.h"
#include "plot/core/warnings.h"

namespace plotix {
namespace {

struct Style {
  int n;
  int pattern[4];
};

// Dash patterns of the eight styles, plot units at xunit 1.
constexpr Style kStyles[8] = {
    {1, {1}},              // solid
    {2, {1, 10}},          // dot
    {2, {10, 10}},         // dash
    {4, {30, 15, 10, 15}}, // chndsh
    {4, {1, 15, 15, 15}},  // chndot
    {2, {20, 15}},         // dashl
    {2, {1, 20}},          // dotl
    {2, {30, 20}},         // dashm
};

void install_pattern(PlotState& st, const int* pattern, int n) {
  std::copy(pattern, pattern + n, st.line.idash);
  st.line.ndash = n;
  restart_dash_pattern(st);
}

void install_style(PlotState& st, int n) {
  int pattern[4];
  for (int i = 0; i < kStyles[n].n; ++i) {
    int v = static_cast<int>(static_cast<float>(kStyles[n].pattern[i]) / st.page.xunit + 0.5f);
    pattern[i] = v == 0 ? 1 : v;
  }
  st.line.ltyp = n;
  install_pattern(st, pattern, kStyles[n].n);
}

// The style routines may be called at any level; before disini the setting is
// replaced by the reset of the next disini.
void style_routine(const char* routine, int n) {
  if (PlotState* st = chkini(routine)) install_style(*st, n);
}

// A width in device units on the devices that draw widths themselves: 1/20 mm
// for PostScript, points for PDF.
void native_width(PlotState& st, float w, bool integer_form) {
  if (is_pdf(st.page.idev)) {
    st.page.device->set_line_width(w * 0.5f * 72.0f / 254.0f, false);
  } else {
    st.page.device->set_line_width(w, integer_form);
  }
}

}  // namespace

void solid() { style_routine("solid", 0); }
void dot() { style_routine("dot", 1); }
void dash() { style_routine("dash", 2); }
void chndsh() { style_routine("chndsh", 3); }
void chndot() { style_routine("chndot", 4); }
void dashl() { style_routine("dashl", 5); }
void dotl() { style_routine("dotl", 6); }
void dashm() { style_routine("dashm", 7); }

void lintyp(int n) {
  PlotState* st = jqqlev(1, 3, "lintyp");
  if (st == nullptr || jqqval(*st, n, 0, 7) != 0) return;
  install_style(*st, n);
}

void myline(const int* pattern, int n) {
  PlotState* st = jqqlev(1, 3, "myline");
  if (st == nullptr || jqqval(*st, n, 1, 10) != 0) return;
  for (int i = 0; i < n; ++i) {
    if (pattern[i] < 1) {
      warni1(*st, 2, pattern[i]);
      return;
    }
  }
  install_pattern(*st, pattern, n);
}

void linwid(int n) {
  PlotState* st = jqqlev(1, 3, "linwid");
  if (st == nullptr || jqqval(*st, n, 1, 32000) != 0) return;
  qqstrk(*st);
  if (is_ps_or_pdf(st->page.idev)) {
    st->line.nlinwid = -n;
    int w = static_cast<int>(2.0f * static_cast<float>(n) * st->page.xunit);
    native_width(*st, static_cast<float>(std::max(w, 5)), true);
  } else if (is_wmf(st->page.idev)) {
    // A pen n plot units wide; width 1 stays the device's thinnest pen, as one
    // raster pixel stays one pixel.
    st->line.nlinwid = -n;
    st->page.device->set_line_width(n == 1 ? 1.0 : n * st->page.xdevfac, true);
  } else {
    st->line.nlinwid = n;
  }
}

void penwid(float x) {
  PlotState* st = jqqlev(1, 3, "penwid");
  if (st == nullptr) return;
  if (!(x > 0.0f && x <= 32000.0f)) {
    warni1(*st, 2, static_cast<int>(x));
    return;
  }
  qqstrk(*st);
  const int r = static_cast<int>(std::lround(x));
  if (is_ps_or_pdf(st->page.idev)) {
    st->line.nlinwid = r == 0 ? -1 : -r;
    const float xunit = st->page.xunit;
    float w = 0.0f;
    if (x >= 0.99f) {
      w = std::max(2.0f * x * xunit, 5.0f);
    } else {
      w = xunit > 2.0f ? 2.0f * x * xunit : 5.0f * x * xunit;
    }
    native_width(*st, w, false);
  } else {
    st->line.nlinwid = std::max(r, 1);
  }
}

}  // namespace plotix
