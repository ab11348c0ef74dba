// Tests of the progress bar of long runs.
#include "app/run_progress.h"

#include <gtest/gtest.h>

#include <sstream>
#include <thread>

namespace {

void feed(app::RunProgress& bar, double fraction) {
  for (int n = 0; n < 5000; ++n) bar.update(fraction);
}

TEST(RunProgress, ShownAfterASecondAndErased) {
  std::ostringstream err;
  app::RunProgress bar(err, true);
  feed(bar, 0.1);
  EXPECT_EQ(err.str(), "");  // a short run shows nothing
  std::this_thread::sleep_for(std::chrono::milliseconds(1050));
  feed(bar, 0.5);
  const std::string half = "\r[" + std::string(20, '#') + std::string(20, ' ') + "]  50%";
  EXPECT_EQ(err.str(), half);  // drawn once for an unchanged percentage
  bar.update(1.0);
  EXPECT_EQ(err.str(), half + "\r[" + std::string(40, '#') + "] 100%");
  err.str("");
  bar.finish();
  EXPECT_EQ(err.str(), "\r" + std::string(48, ' ') + "\r");
}

TEST(RunProgress, NothingWhenNotATerminal) {
  std::ostringstream err;
  app::RunProgress bar(err, false);
  std::this_thread::sleep_for(std::chrono::milliseconds(1050));
  feed(bar, 0.5);
  bar.finish();
  EXPECT_EQ(err.str(), "");
}

}  // namespace
