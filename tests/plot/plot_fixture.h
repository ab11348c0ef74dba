// Test fixture for the plotting library: every case starts from a fresh library
// state, with the recording device installed in place of the real devices.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "devices/recording_device.h"
#include "plot/core/device_factory.h"
#include "plot/core/global_state.h"
#include "plot/plotix.h"
#include "test_support/temp_dir.h"

namespace plotix::test {

// A move or draw the device received.
struct DevicePoint {
  double x, y;
  int code;
};

// A fresh library state for every case, with the program's real devices.
class RealDeviceTest : public ::testing::Test {
 protected:
  void SetUp() override { free_global_state(); }
  void TearDown() override { free_global_state(); }
};

class PlotTest : public ::testing::Test {
 protected:
  void SetUp() override {
    free_global_state();
    log_ = std::make_shared<devices::DeviceLog>();
    auto log = log_;
    set_device_maker([log](int) { return std::make_unique<devices::RecordingDevice>(log); });
  }

  void TearDown() override {
    set_device_maker({});
    free_global_state();
  }

  // Opens a plot in the given format (stdout of the open is swallowed).
  PlotState& open(const char* format) {
    metafl(format);
    disini();
    return *qqgglb();
  }

  // Opens a screen plot whose device scale is 1, so device points are the plot
  // points rounded to integers.
  PlotState& open_unit_screen() {
    PlotState& st = open("CONS");
    st.page.xdevfac = 1.0f;
    return st;
  }

  // Finishes the plot, dropping the protocol it prints.
  void finish() {
    ::testing::internal::CaptureStdout();
    disfin();
    ::testing::internal::GetCapturedStdout();
  }

  std::vector<DevicePoint> points() const {
    std::vector<DevicePoint> out;
    for (const auto& c : log_->calls) {
      if (c.kind == devices::CallKind::kMoveDraw) {
        out.push_back({c.v[0], c.v[1], static_cast<int>(c.v[2])});
      }
    }
    return out;
  }

  // The calls of one kind, in order.
  std::vector<devices::RecordedCall> calls(devices::CallKind kind) const {
    std::vector<devices::RecordedCall> out;
    for (const auto& c : log_->calls) {
      if (c.kind == kind) out.push_back(c);
    }
    return out;
  }

  std::shared_ptr<devices::DeviceLog> log_;
};

using test_support::fresh_folder;

inline void touch(const std::filesystem::path& file) {
  std::FILE* f = std::fopen(file.c_str(), "w");
  ASSERT_NE(f, nullptr);
  std::fclose(f);
}

}  // namespace plotix::test
