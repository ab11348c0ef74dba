// Drawing the survey's progress bar.
#include "survey/io/progress_bar.h"

#include <cstdio>
#include <string>

namespace survey {
namespace {

constexpr int kBarWidth = 30;
// Wide enough to erase the longest line the bar writes.
constexpr int kLineWidth = 80;

}  // namespace

SurveyProgress::SurveyProgress(std::ostream& err, bool enabled)
    : err_(err), enabled_(enabled), start_(std::chrono::steady_clock::now()) {}

void SurveyProgress::update(long done, long total) {
  if (!enabled_ || total <= 0) return;
  const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
  const double fraction = static_cast<double>(done) / static_cast<double>(total);
  const int filled = static_cast<int>(fraction * kBarWidth);
  char left[32] = "?";
  if (done > 0) {
    const long seconds = static_cast<long>(elapsed * (1.0 - fraction) / fraction + 0.5);
    std::snprintf(left, sizeof left, "%ld:%02ld", seconds / 60, seconds % 60);
  }
  err_ << "\r[" << std::string(static_cast<size_t>(filled), '#') << std::string(static_cast<size_t>(kBarWidth - filled), ' ')
       << "] " << done << '/' << total << " objects, " << left << " left  " << std::flush;  // blanks cover a shorter time
  shown_ = true;
}

void SurveyProgress::finish() {
  if (!shown_) return;
  err_ << '\r' << std::string(kLineWidth, ' ') << '\r' << std::flush;
  shown_ = false;
}

}  // namespace survey
