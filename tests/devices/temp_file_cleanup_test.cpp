// Temporary files on SIGINT and SIGTERM: a child process writing pictures is stopped by
// the signal, and must end by that signal with none of its .part files left behind.
#include "devices/temp_file_cleanup.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "devices/byte_sink.h"
#include "test_support/temp_dir.h"

namespace devices {
namespace {

TEST(TempFileCleanup, SignalsRemoveOpenTemporaryFilesAndStillEndTheProgram) {
  for (const int signal_number : {SIGINT, SIGTERM}) {
    const test_support::TempDir folder;
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      remove_temp_files_on_signals();
      ByteSink finished, open_one, other;
      finished.open(folder.path("done.ps"));
      finished.write("whole");
      finished.close();
      open_one.open(folder.path("a.bmp"));
      other.open(folder.path("b.xyz"));
      open_one.write("half");
      std::raise(signal_number);
      ::_exit(0);  // not reached when the signal ends the process
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "status " << status;
    EXPECT_EQ(WTERMSIG(status), signal_number);
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) left.push_back(entry.path().filename());
    EXPECT_EQ(left, std::vector<std::string>{"done.ps"}) << "signal " << signal_number;
  }
}

}  // namespace
}  // namespace devices
