// --sky reaches the planets' set-up: the survey starts in the ephemeris sky and the run
// in the table sky unless told otherwise.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "test_support/temp_dir.h"

namespace {

const std::string kSample = std::string(SKYTRAK_SOURCE_DIR) + "/data/nea.dat";

std::string run_out(std::vector<std::string> args) {
  args.insert(args.begin(), "skytrak3d");
  std::vector<const char*> argv;
  for (const std::string& arg : args) argv.push_back(arg.c_str());
  std::ostringstream out, err;
  EXPECT_EQ(cli::run_command_line(static_cast<int>(argv.size()), argv.data(), out, err), 0) << err.str();
  return out.str();
}

// The survey's table of the sample catalogue over 2020 H1, with the extra options.
std::string survey(const std::vector<std::string>& sky) {
  std::vector<std::string> args = {"survey", "--catalogue", kSample, "--from", "2458849.5", "--to", "2459031.5",
                                   "--distance", "0.2", "--jobs", "1"};
  args.insert(args.end(), sky.begin(), sky.end());
  return run_out(args);
}

// The coordinates file of a one-year run of Apophis, with the extra options.
std::string apophis_path(const std::vector<std::string>& sky) {
  const test_support::TempDir folder;
  std::vector<std::string> args = {"run",  "--planet", "3",   "--object", "99942",          "--catalogue",
                                   kSample, "--span",  "1",   "--step",   "0.1",            "--out",
                                   folder.path().string()};
  args.insert(args.end(), sky.begin(), sky.end());
  run_out(args);
  std::ifstream in(folder.path() / "99942  .xyz");
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(SkyOption, SurveyDefaultsToTheEphemerisSky) {
  const std::string by_default = survey({});
  EXPECT_EQ(by_default, survey({"--sky", "ephemeris"}));
  EXPECT_NE(by_default, survey({"--sky", "table"}));
}

TEST(SkyOption, RunDefaultsToTheTableSky) {
  const std::string by_default = apophis_path({});
  ASSERT_FALSE(by_default.empty());
  EXPECT_EQ(by_default, apophis_path({"--sky", "table"}));
  EXPECT_NE(by_default, apophis_path({"--sky", "ephemeris"}));
}

}  // namespace
