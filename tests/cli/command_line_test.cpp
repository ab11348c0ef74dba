// The command line run in-process: usage and version, the errors with exit status 2, and
// find on the real catalogue.
#include "cli/command_line.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/version_flag.h"
#include "test_support/temp_dir.h"

namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

Outcome run(std::vector<std::string> args) {
  args.insert(args.begin(), "skytrak3d");
  std::vector<const char*> argv;
  for (const std::string& arg : args) argv.push_back(arg.c_str());
  std::ostringstream out;
  std::ostringstream err;
  const int status = cli::run_command_line(static_cast<int>(argv.size()), argv.data(), out, err);
  return {status, out.str(), err.str()};
}

const std::string kCatalogue = std::string(SKYTRAK_SHARED_DATA) + "/NEA-2019-07-02.txt";

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

TEST(CommandLine, HelpAndVersionOnStdoutWithStatusZero) {
  const Outcome help = run({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_THAT(help.out, HasSubstr("find"));
  EXPECT_EQ(help.err, "");
  const Outcome find_help = run({"find", "--help"});
  EXPECT_EQ(find_help.status, 0);
  EXPECT_THAT(find_help.out, HasSubstr("--catalogue"));
  for (const auto& args : {std::vector<std::string>{"--version"}, std::vector<std::string>{"find", "--version"}}) {
    const Outcome version = run(args);
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string(cli::kVersionText) + "\n");
  }
}

// Each wrong command line: exactly one message line and the hint naming the right --help.
TEST(CommandLine, WrongCommandLinesGiveOneLineAndTheHintWithStatusTwo) {
  struct Case {
    std::vector<std::string> args;
    std::string hint;
  };
  const std::vector<Case> cases = {
      {{"--frobnicate"}, "Run 'skytrak3d --help' for usage."},
      {{"paint"}, "Run 'skytrak3d --help' for usage."},
      {{"find"}, "Run 'skytrak3d find --help' for usage."},
      {{"find", "x", "--catalogue", "no/such/file"}, "Run 'skytrak3d find --help' for usage."},
      {{"find", "x", "--colour"}, "Run 'skytrak3d find --help' for usage."},
      // Refused before anything is written: a view number with trailing letters, an epoch
      // outside the hand entry's range.
      {{"run", "--planet", "3", "--elements", "1,0.1,0,0,0,0,2458666.5", "--name", "X", "--span", "1", "--step",
        "0.01", "--view", "P,3abc,1,1"},
       "Run 'skytrak3d run --help' for usage."},
      {{"run", "--planet", "3", "--elements", "1,0.1,0,0,0,0,2399999.5", "--name", "X", "--span", "1", "--step",
        "0.01"},
       "Run 'skytrak3d run --help' for usage."},
      // A sky is named exactly.
      {{"run", "--planet", "3", "--elements", "1,0.1,0,0,0,0,2458666.5", "--name", "X", "--span", "1", "--step",
        "0.01", "--sky", "Table"},
       "Run 'skytrak3d run --help' for usage."},
      // The clear picture's options: an enlargement above 0 and at most 10000, a frame and
      // a colouring by name, and none of them with the classic style.
      {{"run", "--planet", "3", "--elements", "1,0.1,0,0,0,0,2458666.5", "--name", "X", "--span", "1", "--step",
        "0.01", "--zoom", "0"},
       "Run 'skytrak3d run --help' for usage."},
      {{"run", "--planet", "3", "--elements", "1,0.1,0,0,0,0,2458666.5", "--name", "X", "--span", "1", "--step",
        "0.01", "--zoom", "-2"},
       "Run 'skytrak3d run --help' for usage."},
      {{"run", "--planet", "3", "--elements", "1,0.1,0,0,0,0,2458666.5", "--name", "X", "--span", "1", "--step",
        "0.01", "--zoom", "1e9"},
       "Run 'skytrak3d run --help' for usage."},
      {{"run", "--planet", "3", "--elements", "1,0.1,0,0,0,0,2458666.5", "--name", "X", "--span", "1", "--step",
        "0.01", "--frame", "box"},
       "Run 'skytrak3d run --help' for usage."},
      {{"run", "--planet", "3", "--elements", "1,0.1,0,0,0,0,2458666.5", "--name", "X", "--span", "1", "--step",
        "0.01", "--colour", "rainbow"},
       "Run 'skytrak3d run --help' for usage."},
      {{"run", "--planet", "3", "--elements", "1,0.1,0,0,0,0,2458666.5", "--name", "X", "--span", "1", "--step",
        "0.01", "--style", "classic", "--zoom", "2"},
       "Run 'skytrak3d run --help' for usage."},
      {{"survey", "--catalogue", "cat.txt", "--from", "2458566.5", "--to", "2458567.5", "--sky", "sun"},
       "Run 'skytrak3d survey --help' for usage."},
      {{"survey", "--catalogue", "cat.txt", "--from", "2458566.5", "--to", "2458567.5", "--sky", "1"},
       "Run 'skytrak3d survey --help' for usage."},
  };
  for (const Case& c : cases) {
    const Outcome outcome = run(c.args);
    EXPECT_EQ(outcome.status, 2) << c.args.back();
    EXPECT_EQ(outcome.out, "");
    const std::vector<std::string> lines = lines_of(outcome.err);
    ASSERT_EQ(lines.size(), 2u) << outcome.err;
    EXPECT_THAT(lines[0], StartsWith("skytrak3d: "));
    EXPECT_EQ(lines[1], c.hint);
  }
}

TEST(CommandLine, FindByEveryFormOfADesignationAndByName) {
  if (!std::filesystem::exists(kCatalogue)) GTEST_SKIP() << "real catalogue absent";
  const Outcome packed = run({"find", "a0191", "--catalogue", kCatalogue});
  ASSERT_EQ(packed.status, 0) << packed.err;
  ASSERT_EQ(lines_of(packed.out).size(), 1u);
  EXPECT_THAT(packed.out, StartsWith("a0191    (360191) 1988 TA"));
  EXPECT_THAT(packed.out, HasSubstr("a=1.5397415  e=0.4784641  i=2.53130"));
  // The same record through the readable number, in parentheses, and its old provisional
  // designation found in the name.
  for (const char* form : {"360191", "(360191)", "1988 TA"}) {
    EXPECT_EQ(run({"find", form, "--catalogue", kCatalogue}).out, packed.out) << form;
  }
  const Outcome by_name = run({"find", "APOPHIS", "--catalogue", kCatalogue});
  EXPECT_THAT(by_name.out, StartsWith("99942    (99942) Apophis"));
  EXPECT_EQ(run({"find", "2014 OV391", "--catalogue", kCatalogue}).out.substr(0, 7), "K14Od1V");
  EXPECT_EQ(run({"find", "6344 P-L", "--catalogue", kCatalogue}).out.substr(0, 7), "PLS6344");
  // Part of a name common to several records lists every one of them.
  const Outcome eros = run({"find", "eros", "--catalogue", kCatalogue});
  EXPECT_GT(lines_of(eros.out).size(), 1u);
  EXPECT_THAT(eros.out, HasSubstr("(433) Eros"));
}

// No match is an answer, status 1 with one line and no usage hint; the same text given to
// run --object is a wrong command line.
TEST(CommandLine, FindWithoutMatchFailsWithoutTheUsageHint) {
  const std::string sample = std::string(SKYTRAK_SOURCE_DIR) + "/data/nea.dat";
  const Outcome none = run({"find", "no such rock", "--catalogue", sample});
  EXPECT_EQ(none.status, 1);
  EXPECT_EQ(none.out, "");
  EXPECT_EQ(none.err, "skytrak3d: no object matches \"no such rock\" in the catalogue\n");
  const Outcome run_none = run({"run", "--planet", "3", "--object", "no such rock", "--catalogue", sample, "--span",
                                "1", "--step", "0.1"});
  EXPECT_EQ(run_none.status, 2);
  EXPECT_EQ(lines_of(run_none.err), (std::vector<std::string>{none.err.substr(0, none.err.size() - 1),
                                                               "Run 'skytrak3d run --help' for usage."}));
}

// What the whole-catalogue commands meet on the way is reported at the edge: each line
// after the program's name, the status of the error's kind, and no usage hint (the command
// line itself was right).
TEST(CommandLine, ErrorsOfTheWholeCatalogueRunsGiveTheirStatusWithoutTheHint) {
  const test_support::TempDir folder;
  const std::string sample = std::string(SKYTRAK_SOURCE_DIR) + "/data/nea.dat";
  const std::string missing = (folder.path() / "missing.dat").string();
  const std::string empty_list = (folder.path() / "empty.txt").string();
  const std::string unknown_list = (folder.path() / "unknown.txt").string();
  folder.write("empty.txt", "\n  \n");
  folder.write("unknown.txt", "no such rock\n");
  const std::vector<std::string> survey = {"survey", "--from", "2458849.5", "--to", "2458879.5", "--jobs", "1"};
  const std::vector<std::string> coorbital = {"coorbital", "--planet", "earth", "--jobs", "1"};
  const auto with = [](std::vector<std::string> command, std::initializer_list<std::string> more) {
    command.insert(command.end(), more);
    return command;
  };
  const struct Case {
    std::vector<std::string> args;
    int status;
    std::vector<std::string> lines;
  } cases[] = {
      {with(survey, {"--catalogue", missing}), 1,
       {"skytrak3d: cannot read the catalogue (" + missing + "): No such file or directory"}},
      {with(coorbital, {"--catalogue", missing}), 1,
       {"skytrak3d: cannot read the catalogue (" + missing + "): No such file or directory"}},
      {with(survey, {"--catalogue", sample, "--objects", empty_list}), 2,
       {"skytrak3d: --objects: the list names no object (" + empty_list + ")"}},
      {with(coorbital, {"--catalogue", sample, "--objects", empty_list}), 2,
       {"skytrak3d: --objects: the list names no object (" + empty_list + ")"}},
      // A warning for the name, then the failure.
      {with(survey, {"--catalogue", sample, "--objects", unknown_list}), 1,
       {"skytrak3d: --objects: no object matches \"no such rock\"", "skytrak3d: --objects: no name of the list matched"}},
      {with(coorbital, {"--catalogue", sample, "--objects", unknown_list}), 1,
       {"skytrak3d: --objects: no object matches \"no such rock\"", "skytrak3d: --objects: no name of the list matched"}},
      {with(survey, {"--catalogue", sample, "--csv", (folder.path() / "no" / "table.csv").string(), "--quiet"}), 1,
       {}},
  };
  for (const Case& c : cases) {
    const Outcome outcome = run(c.args);
    EXPECT_EQ(outcome.status, c.status) << outcome.err;
    EXPECT_EQ(outcome.out, "");
    const std::vector<std::string> lines = lines_of(outcome.err);
    if (c.lines.empty()) {
      ASSERT_EQ(lines.size(), 1u) << outcome.err;
      EXPECT_THAT(lines[0], StartsWith("skytrak3d: cannot write the table: "));
    } else {
      EXPECT_EQ(lines, c.lines);
    }
  }
}

// The survey of the sample gives the same table for the same window and planets however
// they are written.
TEST(CommandLine, SurveyCalendarDatesAndNamesGiveTheTableOfJulianDatesAndNumbers) {
  const std::string sample = std::string(SKYTRAK_SOURCE_DIR) + "/data/nea.dat";
  const auto survey = [&sample](const char* planets, const char* from, const char* to) {
    return run({"survey", "--catalogue", sample, "--planet", planets, "--from", from, "--to", to, "--jobs", "1"});
  };
  const Outcome by_numbers = survey("3,4", "2458849.5", "2462502.5");
  ASSERT_EQ(by_numbers.status, 0) << by_numbers.err;
  EXPECT_THAT(by_numbers.out, HasSubstr(",Earth,"));  // a table with approaches, not an empty one
  EXPECT_EQ(survey("Earth,mars", "2020-01-01", "2030-01-01T00:00").out, by_numbers.out);
  const Outcome refused = survey("3", "2020-02-30", "2030-01-01");
  EXPECT_EQ(refused.status, 2);
  EXPECT_THAT(refused.err, HasSubstr("--from: \"2020-02-30\" is neither a Julian date")) << refused.err;
}

// --sky reaches the planets' set-up: the survey's table of the sample catalogue over
// 2020 H1 starts in the ephemeris sky, and the path of a one-year run of Apophis in the
// table sky, unless told otherwise.
std::string sample_survey(const std::string& sky) {
  std::vector<std::string> args = {"survey", "--catalogue", std::string(SKYTRAK_SOURCE_DIR) + "/data/nea.dat",
                                   "--from", "2458849.5", "--to", "2459031.5", "--distance", "0.2", "--jobs", "1"};
  if (!sky.empty()) args.insert(args.end(), {"--sky", sky});
  return run(args).out;
}

std::string apophis_path(const std::string& sky) {
  const test_support::TempDir folder;
  std::vector<std::string> args = {"run", "--planet", "3", "--object", "99942", "--catalogue",
                                   std::string(SKYTRAK_SOURCE_DIR) + "/data/nea.dat", "--span", "1", "--step", "0.1",
                                   "--out", folder.path().string()};
  if (!sky.empty()) args.insert(args.end(), {"--sky", sky});
  EXPECT_EQ(run(args).status, 0);
  std::ifstream in(folder.path() / "99942  .xyz");
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(CommandLine, SurveyDefaultsToTheEphemerisSkyAndRunToTheTable) {
  EXPECT_EQ(sample_survey(""), sample_survey("ephemeris"));
  EXPECT_NE(sample_survey(""), sample_survey("table"));
  const std::string run_default = apophis_path("");
  ASSERT_FALSE(run_default.empty());
  EXPECT_EQ(run_default, apophis_path("table"));
  EXPECT_NE(run_default, apophis_path("ephemeris"));
}

}  // namespace
