// The survey's progress bar on a terminal's error stream: objects done of the total and
// the time left, erased at the end.
#pragma once

#include <chrono>
#include <ostream>

namespace survey {

class SurveyProgress {
 public:
  // enabled: the error stream is a terminal.
  SurveyProgress(std::ostream& err, bool enabled);
  void update(long done, long total);
  void finish();

 private:
  std::ostream& err_;
  bool enabled_;
  bool shown_ = false;
  std::chrono::steady_clock::time_point start_;
};

}  // namespace survey
