// Test support for the text routines: a plot opened on the recording device
// (PostScript code, device scale 1, so device coordinates are plot coordinates
// turned: X = y, Y = x) with messages written to a temporary file, and the
// strokes the device received read back as polylines in plot coordinates.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "plot/core/global_state.h"
#include "plot/lines/polyline.h"
#include "plot/plot_fixture.h"

namespace plotix::test {

struct PagePoint {
  double x;
  double y;
};
using Stroke = std::vector<PagePoint>;

struct Box {
  double x1 = 1e9, y1 = 1e9, x2 = -1e9, y2 = -1e9;
};

class TextPlot : public test::PlotTest {
 protected:
  void SetUp() override {
    PlotTest::SetUp();
    st_ = &open("PS");
    st_->page.xdevfac = 1.0f;
    messages_ = std::tmpfile();
    st_->core.fp_msg = messages_;
    st_->core.fp_errfil = messages_;
    log_->calls.clear();
  }

  void TearDown() override {
    PlotTest::TearDown();
    std::fclose(messages_);
  }

  // Everything drawn since the last call, as polylines in plot coordinates.
  std::vector<Stroke> take_strokes() {
    qqstrk(*st_);
    std::vector<Stroke> strokes;
    for (const devices::RecordedCall& call : log_->calls) {
      if (call.kind != devices::CallKind::kMoveDraw) continue;
      const PagePoint p{call.v[1], call.v[0]};
      if (static_cast<int>(call.v[2]) == devices::kMove || strokes.empty()) strokes.emplace_back();
      strokes.back().push_back(p);
    }
    log_->calls.clear();
    return strokes;
  }

  static Box bounds(const std::vector<Stroke>& strokes) {
    Box b;
    for (const Stroke& s : strokes) {
      for (const PagePoint& p : s) {
        b.x1 = std::min(b.x1, p.x);
        b.y1 = std::min(b.y1, p.y);
        b.x2 = std::max(b.x2, p.x);
        b.y2 = std::max(b.y2, p.y);
      }
    }
    return b;
  }

  // What was printed on the message stream since the last call.
  std::string take_messages() {
    std::fflush(messages_);
    std::rewind(messages_);
    std::string text;
    for (int c = std::fgetc(messages_); c != EOF; c = std::fgetc(messages_)) {
      text.push_back(static_cast<char>(c));
    }
    std::fclose(messages_);
    messages_ = std::tmpfile();
    st_->core.fp_msg = messages_;
    st_->core.fp_errfil = messages_;
    return text;
  }

  PlotState* st_ = nullptr;
  std::FILE* messages_ = nullptr;
};

}  // namespace plotix::test
