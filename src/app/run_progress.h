// A progress bar for long integration runs, on the error stream of a terminal only, so
// that standard output stays exactly the dialogue.
#pragma once

#include <chrono>
#include <ostream>

namespace app {

class RunProgress {
 public:
  // enabled: the error stream is a terminal. The bar appears only once the run has
  // lasted about a second.
  RunProgress(std::ostream& err, bool enabled);

  // fraction of the span done, 0..1; cheap enough to call at every step.
  void update(double fraction);
  // Erases the bar if it was shown.
  void finish();

 private:
  std::ostream& err_;
  bool enabled_;
  bool shown_ = false;
  int calls_ = 0;
  int last_percent_ = -1;
  std::chrono::steady_clock::time_point start_;
};

}  // namespace app
