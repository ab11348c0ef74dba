// Percentage bar of a long run on the terminal's error stream, erased at the end.
#include "app/run_progress.h"

#include <algorithm>
#include <string>

namespace app {
namespace {

constexpr int kBarWidth = 40;
constexpr int kCallsBetweenClockReads = 4096;
constexpr std::chrono::milliseconds kDelayBeforeShowing{1000};
// "\r[" + bar + "] 100%"
constexpr int kLineWidth = kBarWidth + 8;

}  // namespace

RunProgress::RunProgress(std::ostream& err, bool enabled)
    : err_(err), enabled_(enabled), start_(std::chrono::steady_clock::now()) {}

void RunProgress::update(double fraction) {
  if (!enabled_) return;
  if (!shown_) {
    if (++calls_ < kCallsBetweenClockReads) return;
    calls_ = 0;
    if (std::chrono::steady_clock::now() - start_ < kDelayBeforeShowing) return;
    shown_ = true;
  }
  const int percent = static_cast<int>(std::clamp(fraction, 0.0, 1.0) * 100.0);
  if (percent == last_percent_) return;
  last_percent_ = percent;
  const int filled = percent * kBarWidth / 100;
  std::string bar = std::string(static_cast<size_t>(filled), '#') + std::string(static_cast<size_t>(kBarWidth - filled), ' ');
  err_ << "\r[" << bar << "] " << std::string(percent < 10 ? 2 : percent < 100 ? 1 : 0, ' ') << percent << '%'
       << std::flush;
}

void RunProgress::finish() {
  if (!shown_) return;
  err_ << '\r' << std::string(kLineWidth, ' ') << '\r' << std::flush;
  shown_ = false;
}

}  // namespace app
