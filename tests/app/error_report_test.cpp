// The edge of the program: each kind of error ends with its exit status and at most one
// line after the program's name, after what the standard output holds.
#include "app/error_report.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "app/plot_failure.h"
#include "errors/error.h"

namespace {

// A stream buffer that counts how often it was asked to send what it holds.
class CountingBuffer : public std::stringbuf {
 public:
  int syncs = 0;

 protected:
  int sync() override {
    ++syncs;
    return std::stringbuf::sync();
  }
};

TEST(ErrorReport, EachKindGivesItsStatusAndOneLineAfterTheProgramsName) {
  const errors::UsageError usage("--to must come after --from");
  const errors::Failure failure("cannot read the catalogue (x.dat): No such file or directory");
  const app::PlotFailure plot_failure("cannot create plot.ps: Permission denied");
  // The library said what failed: nothing more, the status all the same.
  const app::PlotFailure plot_failure_said("");
  const errors::Error usage_said(errors::ErrorKind::usage, "");
  const struct Case {
    const errors::Error& error;
    int status;
    const char* line;
  } cases[] = {
      {usage, 2, "skytrak3d: --to must come after --from\n"},
      {failure, 1, "skytrak3d: cannot read the catalogue (x.dat): No such file or directory\n"},
      {plot_failure, 1, "skytrak3d: cannot create plot.ps: Permission denied\n"},
      {plot_failure_said, 1, ""},
      {usage_said, 2, ""},
  };
  for (const Case& c : cases) {
    CountingBuffer out_buffer;
    std::ostream out(&out_buffer);
    std::ostringstream err;
    EXPECT_EQ(app::report_error(out, err, c.error), c.status) << c.line;
    EXPECT_EQ(c.status, errors::exit_status(c.error.kind())) << c.line;
    EXPECT_EQ(err.str(), c.line);
    EXPECT_EQ(out_buffer.syncs, 1) << c.line;
  }
}

}  // namespace
