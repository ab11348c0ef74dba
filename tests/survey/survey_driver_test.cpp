// The survey end to end as the command line runs it: what it returns, what it writes on
// its streams (warnings without the program's name), and the errors it throws, each of
// its kind. The bad record's warning is checked against the census's own reading.
#include "survey/survey_driver.h"

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "errors/error.h"
#include "survey/io/object_list.h"
#include "survey/io/survey_table.h"
#include "test_support/temp_dir.h"

namespace {

using namespace survey;

std::vector<std::string> sample_lines(std::size_t count) {
  std::ifstream in(std::string(SKYTRAK_SOURCE_DIR) + "/data/nea.dat");
  std::vector<std::string> lines;
  for (std::string line; lines.size() < count && std::getline(in, line);) lines.push_back(line);
  return lines;
}

struct Ran {
  std::string summary;
  std::string table;
  std::string warnings;
  std::string progress;
  std::optional<errors::ErrorKind> error;
  std::string message;
};

Ran run(const SurveyOptions& options, const TextWriter& put_table = nullptr) {
  Ran ran;
  std::ostringstream warnings, progress;
  const RunStreams streams{warnings, progress, true};
  const TextWriter keep = [&ran](const std::string& text) { ran.table = text; };
  try {
    ran.summary = run_survey(options, put_table ? put_table : keep, streams);
  } catch (const errors::Error& error) {
    ran.error = error.kind();
    ran.message = error.what();
  }
  ran.warnings = warnings.str();
  ran.progress = progress.str();
  return ran;
}

// A month of approaches to the Earth over the catalogue at `catalogue`, on one thread.
SurveyOptions month_of(const std::filesystem::path& catalogue) {
  SurveyOptions options;
  options.run.catalogue = catalogue;
  options.run.jobs = 1;
  options.settings.from_jd = 2458849.5;
  options.settings.to_jd = 2458879.5;
  options.settings.watched[3] = true;
  return options;
}

TEST(SurveyDriver, ReturnsItsSummaryAndHandsOnItsTableWithWarningsWithoutTheProgramsName) {
  const test_support::TempDir folder;
  std::vector<std::string> lines = sample_lines(3);
  ASSERT_EQ(lines.size(), 3u);
  lines[1].replace(30, 3, "x.y");  // the mean anomaly cannot be read
  std::ofstream(folder.path() / "cat.txt") << lines[0] << '\n' << lines[1] << '\n' << lines[2] << '\n';
  SurveyOptions options = month_of(folder.path() / "cat.txt");
  // The oracle of the warning: the census's line for the same file.
  std::ostringstream census_warning;
  read_survey_catalogue(options.run.catalogue, {}, census_warning);

  for (const bool quiet : {false, true}) {
    options.run.quiet = quiet;
    const Ran ran = run(options);
    ASSERT_FALSE(ran.error) << ran.message;
    EXPECT_EQ(ran.warnings, census_warning.str());
    EXPECT_EQ(ran.warnings.rfind("bad record skipped (", 0), 0u) << ran.warnings;
    EXPECT_EQ(ran.table.rfind("designation,packed,planet,", 0), 0u) << ran.table;
    if (quiet) {
      EXPECT_EQ(ran.summary, "");
      EXPECT_EQ(ran.progress, "");
    } else {
      EXPECT_EQ(ran.summary.rfind("survey: 2 objects, 1 bad records skipped, ", 0), 0u) << ran.summary;
      EXPECT_NE(ran.progress.find(" objects, "), std::string::npos) << ran.progress;  // the bar was drawn
    }
  }
}

TEST(SurveyDriver, EachErrorIsThrownWithItsKindAndNothingIsPrintedForIt) {
  const test_support::TempDir folder;
  std::ofstream(folder.path() / "cat.txt") << sample_lines(2)[0] << '\n' << sample_lines(2)[1] << '\n';
  std::ofstream(folder.path() / "empty.txt") << "\n";
  std::ofstream(folder.path() / "unknown.txt") << "no such rock\n";
  const SurveyOptions base = month_of(folder.path() / "cat.txt");
  const TextWriter full_disk = [](const std::string&) { throw errors::Failure("cannot write the table: disk full"); };
  const struct Case {
    const char* what;
    std::filesystem::path catalogue, object_list;
    double to_jd;
    TextWriter put_table;
    errors::ErrorKind kind;
    std::string message;
    std::string warnings;
  } cases[] = {
      {"missing catalogue", folder.path() / "missing.txt", {}, base.settings.to_jd, nullptr, errors::ErrorKind::failure,
       "cannot read the catalogue (" + (folder.path() / "missing.txt").string() + "): No such file or directory", ""},
      {"empty list", base.run.catalogue, folder.path() / "empty.txt", base.settings.to_jd, nullptr,
       errors::ErrorKind::usage, "--objects: the list names no object (" + (folder.path() / "empty.txt").string() + ")",
       ""},
      {"no name matched", base.run.catalogue, folder.path() / "unknown.txt", base.settings.to_jd, nullptr,
       errors::ErrorKind::failure, "--objects: no name of the list matched",
       "--objects: no object matches \"no such rock\"\n"},
      {"window too long", base.run.catalogue, {}, base.settings.from_jd + 3e8, nullptr, errors::ErrorKind::usage, "",
       ""},
      {"table not written", base.run.catalogue, {}, base.settings.to_jd, full_disk, errors::ErrorKind::failure,
       "cannot write the table: disk full", ""},
  };
  for (const Case& c : cases) {
    SurveyOptions options = base;
    options.run.catalogue = c.catalogue;
    options.run.object_list = c.object_list;
    options.settings.to_jd = c.to_jd;
    const Ran ran = run(options, c.put_table);
    ASSERT_TRUE(ran.error) << c.what;
    EXPECT_EQ(*ran.error, c.kind) << c.what;
    if (c.message.empty()) {
      EXPECT_NE(ran.message.find("integration steps"), std::string::npos) << ran.message;
    } else {
      EXPECT_EQ(ran.message, c.message) << c.what;
    }
    EXPECT_EQ(ran.warnings, c.warnings) << c.what;
    EXPECT_EQ(ran.summary, "") << c.what;
  }
}

}  // namespace
