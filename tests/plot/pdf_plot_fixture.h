// Test fixture for plots saved as files: a fresh library state, the library clock fixed
// through SOURCE_DATE_EPOCH, and a temporary folder for the files.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "devices/pdf_test_support.h"
#include "plot/core/global_state.h"
#include "plot/plotix.h"

namespace plotix {

using namespace pdf_test;

class PdfPlotTest : public ::testing::Test {
 protected:
  void SetUp() override {
    free_global_state();
    setenv("SOURCE_DATE_EPOCH", "1796560496", 1);  // 6 December 2026, 12:34:56 UTC
    dir_ = fresh_folder("plot");  // short: the protocol shows 48 characters of the name
  }
  void TearDown() override {
    free_global_state();
    unsetenv("SOURCE_DATE_EPOCH");
    if (std::getenv("SKYTRAK_KEEP_TEST_FILES") == nullptr) fs::remove_all(dir_);
  }

  PlotState& open(const std::string& name, const char* format = "PDF") {
    setfil((dir_ / name).string());
    metafl(format);
    ::testing::internal::CaptureStdout();
    disini();
    ::testing::internal::GetCapturedStdout();
    return *qqgglb();
  }
  std::string finish() {
    ::testing::internal::CaptureStdout();
    disfin();
    return ::testing::internal::GetCapturedStdout();
  }

  fs::path dir_;
};

}  // namespace plotix
