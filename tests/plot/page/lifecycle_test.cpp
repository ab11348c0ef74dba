// Library state and life cycle: levels, warnings and their texts, the protocol,
// the reset at disini, and the fatal open errors.
#include <unistd.h>

#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "plot/core/clock.h"
#include "plot/core/error_stream.h"
#include "plot/core/fatal_status.h"
#include "plot/core/levels.h"
#include "plot/lines/polyline.h"
#include "plot/core/warnings.h"
#include "plot/plot_fixture.h"

namespace plotix::test {
namespace {

using ::testing::internal::CaptureStdout;
using ::testing::internal::GetCapturedStdout;

TEST_F(PlotTest, DisfinWithoutDisiniWarnsWithLevelZeroAndPrintsNoProtocol) {
  CaptureStdout();
  disfin();
  EXPECT_EQ(GetCapturedStdout(), " <<<< Warning   3: Incorrect level in disfin!   (   0)\n");
}

TEST_F(PlotTest, WrongLevelWarnsAndDoesNothing) {
  PlotState& st = open("CONS");
  CaptureStdout();
  metafl("PDF");
  EXPECT_EQ(GetCapturedStdout(), " <<<< Warning   3: Incorrect level in metafl!   (   1)\n");
  EXPECT_EQ(st.page.idev, 80);
  EXPECT_EQ(st.core.nwarn, 1);
  finish();
  CaptureStdout();
  pagera();
  EXPECT_EQ(GetCapturedStdout(), " <<<< Warning   3: Incorrect level in pagera!   (   0)\n");
}

TEST_F(PlotTest, AnyLevelRoutineWarnsBeforeDisiniButKeepsItsSetting) {
  CaptureStdout();
  noclip();
  EXPECT_EQ(GetCapturedStdout(), " <<<< Warning   3: Incorrect level in noclip!   (   0)\n");
  EXPECT_TRUE(qqgglb()->core.inoclip);
  // disini resets it, and its warning count starts again.
  PlotState& st = open("CONS");
  EXPECT_FALSE(st.core.inoclip);
  EXPECT_EQ(st.core.nwarn, 0);
  finish();
}

TEST_F(PlotTest, KeywordLookupCutsUpperCasesAndPads) {
  bool created = false;
  PlotState& st = *qqsglb(created);
  EXPECT_TRUE(created);
  qqcopy(st.core.croutine, "view3d", 32);
  EXPECT_EQ(jqqind(st, "ABS +USER+ANGL", 3, "user"), 2);
  EXPECT_EQ(jqqind(st, "ABS +USER+ANGL", 3, "ANGLE"), 3);
  CaptureStdout();
  EXPECT_EQ(jqqind(st, "ABS +USER+ANGL", 3, "US"), 0);
  EXPECT_EQ(GetCapturedStdout(), " <<<< Warning   2: Incorrect parameter in view3d!   (US)\n");
}

TEST_F(PlotTest, ValueRangeCheckWithAndWithoutUpperBound) {
  bool created = false;
  PlotState& st = *qqsglb(created);
  CaptureStdout();
  EXPECT_EQ(jqqval(st, 5, 1, 10), 0);
  EXPECT_EQ(jqqval(st, 5000, 1, 0), 0);  // upper bound below lower: none
  EXPECT_EQ(jqqval(st, 11, 1, 10), 1);
  EXPECT_EQ(jqqval(st, 0, 1, 0), 1);
  EXPECT_EQ(GetCapturedStdout(),
            " <<<< Warning   2: Incorrect parameter in !   (  11)\n"
            " <<<< Warning   2: Incorrect parameter in !   (   0)\n");
  EXPECT_EQ(st.core.nwarn, 2);
}

TEST_F(PlotTest, MessageTableBlankAndUserTexts) {
  bool created = false;
  PlotState& st = *qqsglb(created);
  EXPECT_STREQ(errmes(st, 1), "Negative parameter");
  EXPECT_STREQ(errmes(st, 18), "Incorrect character after the eushft operator");
  EXPECT_STREQ(errmes(st, 36), "File error");
  EXPECT_STREQ(errmes(st, 39), "Too many pages for CGM file (max. length 327 cm)");
  EXPECT_STREQ(errmes(st, 53), "Not enough memory");
  EXPECT_STREQ(errmes(st, 58), "Array is out of screen");
  for (int n = 1; n <= 58; ++n) {
    ASSERT_NE(errmes(st, n), nullptr) << n;
    EXPECT_GT(std::string(errmes(st, n)).size(), 5u) << n;
  }
  EXPECT_STREQ(errmes(st, 0), " ");
  EXPECT_STREQ(errmes(st, 59), " ");
  EXPECT_STREQ(errmes(st, 100), " ");
  qqserr(st, "Own trouble");
  EXPECT_STREQ(errmes(st, 115), "Own trouble");
  qqcopy(st.core.croutine, "curv3d", 32);
  CaptureStdout();
  warnin(st, 115);
  warnc1(st, 60, "x");
  qqerror(st, 170, "More than 9999 file versions");
  EXPECT_EQ(GetCapturedStdout(),
            " <<<< Warning 115: Own trouble in curv3d!\n"
            " <<<< Warning  60:   in curv3d!   (x)\n"
            " <<<< Warning 170: More than 9999 file versions in curv3d!\n");
}

TEST_F(PlotTest, WarningsAreCountedEvenWhenMessagesAreOff) {
  bool created = false;
  PlotState& st = *qqsglb(created);
  st.core.imsgmode = 0;
  CaptureStdout();
  warnin(st, 2);
  warni1(st, 2, 7);
  st.core.imsgmode = 6;
  st.core.iwarnon = false;
  warnc1(st, 2, "x");
  EXPECT_EQ(GetCapturedStdout(), "");
  EXPECT_EQ(st.core.nwarn, 3);
}

TEST_F(PlotTest, UpperCasingTouchesOnlyLetters) {
  char text[] = "aZ09-\xe4q";
  upstr(text);
  EXPECT_STREQ(text, "AZ09-\xe4Q");
  char field[7] = {'a', 'b', ' ', 'c', ' ', ' ', 'x'};  // 7 bytes, no terminator
  upstr(field, 6);
  EXPECT_EQ(std::string(field, 7), "AB C  x");
}

TEST_F(PlotTest, ReadHelpersCopyWithLimitAndConvertUnits) {
  char out[8];
  EXPECT_EQ(qqcopy(out, "ABCDEFGHIJ", 4), 4);
  EXPECT_STREQ(out, "ABCD");
  EXPECT_EQ(qqcopy(out, std::string_view("AB\0CD", 5), 7), 2);
  EXPECT_STREQ(out, "AB");
  bool created = false;
  PlotState& st = *qqsglb(created);
  EXPECT_EQ(jqquni(st, 300), 300);
  st.page.xunit = 4.0f;
  EXPECT_EQ(jqquni(st, 30), 8);  // 7.5 + 0.5
}

// The clock and the protocol read SOURCE_DATE_EPOCH; each test sets its own.
class ClockTest : public PlotTest {
 protected:
  void TearDown() override {
    unsetenv("SOURCE_DATE_EPOCH");
    PlotTest::TearDown();
  }
};

TEST_F(ClockTest, DateAndTimeComeFromSourceDateEpoch) {
  setenv("SOURCE_DATE_EPOCH", "1796560496", 1);  // 2026-12-06 12:34:56 UTC
  EXPECT_STREQ(dddate(), "06.12.2026");
  EXPECT_STREQ(ddtime(), "12:34:56");
  setenv("SOURCE_DATE_EPOCH", "0", 1);
  EXPECT_STREQ(dddate(), "01.01.1970");
  EXPECT_STREQ(ddtime(), "00:00:00");
  // Not a number: the real clock, which is certainly not 1970.
  setenv("SOURCE_DATE_EPOCH", "soon", 1);
  EXPECT_STRNE(dddate(), "01.01.1970");
  // The last second of year 9999 is the last date taken; one more is ignored.
  setenv("SOURCE_DATE_EPOCH", "253402300799", 1);
  EXPECT_STREQ(dddate(), "31.12.9999");
  setenv("SOURCE_DATE_EPOCH", "253402300800", 1);
  EXPECT_EQ(std::string(dddate()).size(), 10u);
}

TEST_F(ClockTest, ProtocolOfAScreenPlotHasItsExactLines) {
  setenv("SOURCE_DATE_EPOCH", "1796560496", 1);
  open("CONS");
  CaptureStdout();
  disfin();
  const std::string border = " " + std::string(66, '<');
  const std::string expected =
      "\n" + border +
      "\n <<                END OF PLOTIX / VERSION  9.3 B                <<"
      "\n <<  Date    : 06.12.2026  Time    : 12:34:56  Pageformat: DA4L  <<"
      "\n <<  Vectors : 0           Warnings: 0         Fileformat: CONS  <<"
      "\n <<  Metafile:" + std::string(49, ' ') + "  <<"
      "\n" + border + "\n\n";
  EXPECT_EQ(GetCapturedStdout(), expected);
}

TEST_F(ClockTest, ProtocolNamesTheFileAndCountsVectorsAndWarnings) {
  setenv("SOURCE_DATE_EPOCH", "1796560496", 1);
  auto dir = fresh_folder("protocol");
  setfil((dir / "p.bmp").string());
  PlotState& st = open("BMP");
  pagera();
  CaptureStdout();
  color("PINK");
  disfin();
  std::string out = GetCapturedStdout();
  EXPECT_NE(out.find("\n <<  Vectors : 5           Warnings: 1         Fileformat: BMP   <<"),
            std::string::npos)
      << out;
  char line[80];
  std::snprintf(line, sizeof line, "\n <<  %-58s  <<", ("Metafile: " + (dir / "p.bmp").string()).c_str());
  EXPECT_NE(out.find(line), std::string::npos) << out;
  EXPECT_EQ(st.core.level, 0);
}

TEST_F(PlotTest, AFormatWithoutDeviceIsAFatalStatusAfterItsWarning) {
  set_device_maker([](int) { return std::unique_ptr<devices::Device>(); });
  CaptureStdout();
  metafl("CGM");
  disini();
  disfin();  // does nothing after the failure: no protocol
  const std::string out = GetCapturedStdout();
  EXPECT_NE(out.find("Warning  40: File format and output device are incompatible in disini!   (CGM )"),
            std::string::npos) << out;
  EXPECT_EQ(out.find("Warnings:"), std::string::npos) << out;
  EXPECT_EQ(fatal_status(), FatalStatus::open_failed);
  EXPECT_STREQ(fatal_message(), "");
}

TEST_F(PlotTest, AFileThatCannotBeOpenedIsAFatalStatusWithTheDevicesReason) {
  log_->open_result.status = 36;
  log_->failure_reason = "cannot create plot.ps: Permission denied";
  auto dir = fresh_folder("unopenable");
  setfil((dir / "plot.ps").string());
  CaptureStdout();
  ::testing::internal::CaptureStderr();
  metafl("PS");
  disini();
  const std::string err = ::testing::internal::GetCapturedStderr();
  const std::string out = GetCapturedStdout();
  EXPECT_NE(out.find("Warning  36: File error in disini!   (" + (dir / "plot.ps").string() + ")"), std::string::npos)
      << out;
  EXPECT_EQ(err, "");  // the reason is the program's to print
  EXPECT_EQ(fatal_status(), FatalStatus::open_failed);
  EXPECT_STREQ(fatal_message(), "cannot create plot.ps: Permission denied");
}

TEST_F(PlotTest, AFailedCloseIsReportedNamingTheFile) {
  auto dir = fresh_folder("full_disk");
  setfil((dir / "plot.pdf").string());
  open("PDF");
  log_->close_status = 36;
  CaptureStdout();
  disfin();
  std::string out = GetCapturedStdout();
  EXPECT_EQ(out.rfind(" <<<< Warning  36: File error in disfin!   (" + (dir / "plot.pdf").string() + ")\n", 0), 0u) << out;
  EXPECT_NE(out.find("Warnings: 1 "), std::string::npos);
}

// The reason goes to the library's error stream, without the program's name; the write
// failure is the sticky status write_failed, and the library goes on: the next plot opens.
TEST_F(PlotTest, TheDevicesReasonGoesToTheErrorStreamAndTheLibraryGoesOn) {
  auto dir = fresh_folder("full_disk_reason");
  setfil((dir / "plot.pdf").string());
  open("PDF");
  log_->close_status = devices::kStatusFileError;
  log_->failure_reason = "write error on plot.pdf: No space left on device";
  std::ostringstream err;
  set_error_stream(err);
  CaptureStdout();
  disfin();
  const std::string out = GetCapturedStdout();
  set_error_stream(std::cerr);
  EXPECT_EQ(err.str(), "write error on plot.pdf: No space left on device\n");
  EXPECT_EQ(out.rfind(" <<<< Warning  36: File error in disfin!   (" + (dir / "plot.pdf").string() + ")\n", 0), 0u) << out;
  EXPECT_EQ(fatal_status(), FatalStatus::write_failed);
  EXPECT_STREQ(fatal_message(), "write error on plot.pdf: No space left on device");
  log_->close_status = devices::kStatusOk;
  EXPECT_EQ(open("PDF").core.level, 1);
  finish();
  EXPECT_EQ(fatal_status(), FatalStatus::write_failed);  // sticky: a later plot does not clear it
}

// The first failure stays, except that one which stops the library replaces a write
// failure; only out_of_memory and open_failed stop it.
TEST_F(PlotTest, TheFatalStatusKeepsItsFirstFailureUnlessOneStopsTheLibrary) {
  struct Case {
    std::vector<FatalStatus> recorded;
    FatalStatus kept;
  };
  const FatalStatus none = FatalStatus::none, memory = FatalStatus::out_of_memory, open = FatalStatus::open_failed,
                    write = FatalStatus::write_failed;
  const Case cases[] = {
      {{}, none},
      {{write}, write},
      {{write, write}, write},
      {{write, open}, open},
      {{write, memory, open}, memory},
      {{open, write}, open},
      {{open, memory}, open},
      {{memory, write, open}, memory},
  };
  for (const Case& c : cases) {
    clear_fatal();
    std::string first_of_kept;
    for (std::size_t i = 0; i < c.recorded.size(); ++i) {
      const std::string message = "failure " + std::to_string(i);
      record_fatal(c.recorded[i], message.c_str());
      if (c.recorded[i] == c.kept && first_of_kept.empty()) first_of_kept = message;
    }
    EXPECT_EQ(fatal_status(), c.kept) << c.recorded.size();
    EXPECT_EQ(fatal_message(), first_of_kept) << c.recorded.size();
    EXPECT_EQ(library_stopped(), c.kept == memory || c.kept == open) << c.recorded.size();
    EXPECT_EQ(jqqlev(0, 3, "test") == nullptr, library_stopped()) << c.recorded.size();
  }
  clear_fatal();
}

TEST_F(PlotTest, EndgrfStrokesUpdatesTheScreenAndReturnsToLevelOne) {
  PlotState& st = open("CONS");
  st.core.level = 3;
  st.axis3d.iaxsys = 3;
  strtqq(st, 10.0f, 10.0f);
  connqq(st, 20.0f, 10.0f);
  log_->calls.clear();
  endgrf();
  EXPECT_EQ(st.core.level, 1);
  EXPECT_EQ(st.axis3d.iaxsys, 0);
  ASSERT_EQ(log_->calls.size(), 3u);
  EXPECT_EQ(log_->calls[2].kind, devices::CallKind::kUpdate);
  finish();
}

TEST_F(PlotTest, ErrorFileTakesTheMessagesWhenThePlotGoesToStandardOutput) {
  auto dir = fresh_folder("errfil");
  PlotState& st = open("CONS");
  st.core.ioutstd = true;
  std::snprintf(st.core.cerrfil, sizeof st.core.cerrfil, "%s", (dir / "plotix.err").c_str());
  touch(dir / "plotix.err");  // an existing error file gets a version name
  CaptureStdout();
  color("PINK");
  EXPECT_EQ(GetCapturedStdout(), "");
  EXPECT_TRUE(st.core.errfil_open);
  EXPECT_EQ(std::string(st.core.cerrfil), (dir / "plotix_1.err").string());
  CaptureStdout();
  disfin();
  std::string out = GetCapturedStdout();
  EXPECT_NE(out.find("Err-file: " + (dir / "plotix_1.err").string()), std::string::npos) << out;
  std::FILE* f = std::fopen((dir / "plotix_1.err").c_str(), "r");
  ASSERT_NE(f, nullptr);
  char text[200] = {};
  ASSERT_NE(std::fgets(text, sizeof text, f), nullptr);
  std::fclose(f);
  EXPECT_STREQ(text, " <<<< Warning   2: Incorrect parameter in color!   (PINK)\n");
}

}  // namespace
}  // namespace plotix::test
