// The survey streamed from its file, as the program runs it: the table, counts and
// messages of the survey of the whole catalogue held at once, whatever the chunks, the
// processes' shares of the lines, and a catalogue that can be read only once.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "survey/io/object_list.h"
#include "survey/io/object_stream.h"
#include "survey/io/census.h"
#include "survey/parallel/threaded_survey.h"
#include "test_support/temp_dir.h"

namespace {

using namespace survey;

// The sample catalogue with a blank line and a record whose eccentricity is refused.
std::vector<std::string> catalogue_lines() {
  std::ifstream in(std::string(SKYTRAK_SOURCE_DIR) + "/data/nea.dat");
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  std::string hyperbolic = lines.at(4);
  hyperbolic.replace(68, 11, "  1.2000000");
  lines.insert(lines.begin() + 7, {"", hyperbolic});
  return lines;
}

void write_lines(const std::filesystem::path& path, const std::vector<std::string>& lines) {
  std::ofstream out(path, std::ios::binary);
  for (const std::string& line : lines) out << line << '\n';
}

// Two months on each side of the sample's epoch (2019 July 2), Venus, Earth and Mars
// within 0.5 AU.
SurveySettings window() {
  constexpr double kEpoch = 2458666.5;
  SurveySettings settings;
  settings.watched[2] = settings.watched[3] = settings.watched[4] = true;
  settings.distance_au = 0.5;
  settings.from_jd = kEpoch - 60.0;
  settings.to_jd = kEpoch + 60.0;
  return settings;
}

std::string table_text(const std::vector<SurveyRow>& rows) {
  std::ostringstream out;
  write_table(out, rows);
  return out.str();
}

struct Streamed {
  std::string table, warnings;  // the first share's warnings
  long objects = 0, object_steps = 0;
};

// The catalogue surveyed by `shares` processes, each taking the lines whose number
// leaves its remainder, reading chunks of `chunk` objects; the rows merged.
Streamed streamed(const std::filesystem::path& path, const std::vector<std::string>& wanted, int shares,
                  size_t chunk) {
  Streamed out;
  std::vector<SurveyRow> rows;
  for (int share = 0; share < shares; ++share) {
    const LineShare mine = [&](long line) { return line % shares == share; };
    std::ostringstream warnings;
    // As the program runs it: only the first share reads the others' records in full.
    const CatalogueCensus census =
        take_census(path, wanted, warnings, mine, share == 0 ? OtherShares::read_in_full : OtherShares::epochs_only);
    SurveyObjectStream stream(path, census, mine);
    const SurveyResult result = survey_stream(
        [&](std::vector<SurveyObject>& objects, size_t most) { stream.read(objects, most); },
        census.objects_of_epoch, window(), 2, nullptr, chunk);
    rows.insert(rows.end(), result.rows.begin(), result.rows.end());
    out.objects += result.objects;
    out.object_steps += result.object_steps;
    if (share == 0) out.warnings = warnings.str();
  }
  sort_rows(rows);
  out.table = table_text(rows);
  return out;
}

TEST(SurveyStream, GivesTheTableOfTheCatalogueHeldWhole) {
  const test_support::TempDir dir;
  const auto path = dir.path() / "cat.txt";
  write_lines(path, catalogue_lines());
  const std::vector<std::string> list = {"apophis", "(433)", "nothing such", "1", "duende", "k9219", "2001 WN5"};
  for (const std::vector<std::string>& wanted : {std::vector<std::string>{}, list}) {
    std::ostringstream warnings;
    const SurveyCatalogue whole = read_survey_catalogue(path, wanted, warnings);
    const SurveyResult oracle = survey_objects(whole.objects, all_indices(whole.objects.size()), window(), 1, nullptr);
    ASSERT_FALSE(oracle.rows.empty());
    const struct {
      int shares;
      size_t chunk;
    } cases[] = {{1, 1}, {1, 5}, {1, kObjectsPerChunk}, {2, 3}, {3, kObjectsPerChunk}};
    for (const auto& c : cases) {
      SCOPED_TRACE(std::to_string(wanted.size()) + " names, " + std::to_string(c.shares) + " shares, chunks of " +
                   std::to_string(c.chunk));
      const Streamed result = streamed(path, wanted, c.shares, c.chunk);
      EXPECT_EQ(result.table, table_text(oracle.rows));
      EXPECT_EQ(result.objects, oracle.objects);
      EXPECT_EQ(result.object_steps, oracle.object_steps);
      EXPECT_EQ(result.warnings, warnings.str());
    }
  }
}

// A share that reads the other shares for their epochs only still finds the first object
// of every epoch, which the window check judges: a bad record brings no epoch, even when
// a usable one of the same epoch columns follows in another share.
TEST(SurveyStream, EveryShareFindsTheFirstObjectOfEachEpoch) {
  const test_support::TempDir dir;
  const auto path = dir.path() / "cat.txt";
  const std::string eros = catalogue_lines().front();
  const struct {
    const char* name;
    const char* epoch;
    bool usable;
  } records[] = {{"A000001", "K1972", true},  {"A000002", "K19B1", false}, {"A000003", "K1972", true},
                 {"A000004", "K19B1", true},  {"A000005", "K19B1", true},  {"A000006", "J9611", false},
                 {"A000007", "J9611", false}, {"A000008", "J9611", true}};
  std::vector<std::string> lines;
  for (const auto& record : records) {
    std::string line = eros;
    line.replace(0, 7, record.name);
    line.replace(catalogue::kEpochOffset, catalogue::kEpochWidth, record.epoch);
    if (!record.usable) line.replace(68, 11, "  1.2000000");
    lines.push_back(line);
  }
  write_lines(path, lines);
  const auto first_objects = [](const CatalogueCensus& census) {
    std::string names;
    for (const SurveyObject& object : census.first_of_epochs) names += object.packed + " ";
    return names;
  };
  for (int shares = 2; shares <= 3; ++shares) {
    for (int share = 0; share < shares; ++share) {
      const LineShare mine = [&](long line) { return line % shares == share; };
      std::ostringstream warnings;
      const std::string found = first_objects(take_census(path, {}, warnings, mine, OtherShares::epochs_only));
      EXPECT_EQ(found, "A000001 A000004 A000008 ") << share << " of " << shares << " shares";
    }
  }
}

// A catalogue edited or replaced between the census and the survey would bring objects
// that the census never counted nor the window check saw.
TEST(SurveyStream, RefusesACatalogueChangedAfterTheCensus) {
  const test_support::TempDir dir;
  const auto path = dir.path() / "cat.txt";
  const std::vector<std::string> lines = catalogue_lines();
  const std::function<void()> changes[] = {
      [&] { std::ofstream(path, std::ios::app) << lines.front() << '\n'; },
      [&] {
        write_lines(dir.path() / "new.txt", lines);  // the same bytes in another file
        std::filesystem::rename(dir.path() / "new.txt", path);
      }};
  for (const auto& change : changes) {
    write_lines(path, lines);
    std::ostringstream warnings;
    const LineShare every_line = [](long) { return true; };
    const CatalogueCensus census = take_census(path, {}, warnings, every_line);
    EXPECT_NO_THROW(SurveyObjectStream(path, census, every_line));
    change();
    try {
      SurveyObjectStream stream(path, census, every_line);
      ADD_FAILURE() << "the changed catalogue was read";
    } catch (const errors::Failure& error) {
      EXPECT_EQ(std::string(error.what()),
                "the catalogue changed after its first reading (" + path.string() + "); run the survey again");
    }
  }
}

// A pipe cannot be read twice: the census keeps its objects and the survey takes them.
TEST(SurveyStream, ReadsAPipeOnlyOnce) {
  const test_support::TempDir dir;
  const std::vector<std::string> lines = catalogue_lines();
  write_lines(dir.path() / "cat.txt", lines);
  const auto pipe = dir.path() / "pipe";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  std::thread writer([&] { write_lines(pipe, lines); });
  const Streamed from_pipe = streamed(pipe, {}, 1, 4);
  writer.join();
  const Streamed from_file = streamed(dir.path() / "cat.txt", {}, 1, 4);
  EXPECT_EQ(from_pipe.table, from_file.table);
  EXPECT_EQ(from_pipe.objects, from_file.objects);
}

// A read that fails half-way (a disk error) ends the survey with its error once the
// threads are through, as a failure before the survey would.
TEST(SurveyStream, AFailedReadEndsTheSurveyWithItsError) {
  std::ostringstream warnings;
  const SurveyCatalogue sample = read_survey_catalogue(std::string(SKYTRAK_SOURCE_DIR) + "/data/nea.dat", {}, warnings);
  int chunks = 0;
  auto fail_third_chunk = [&](std::vector<SurveyObject>& objects, size_t most) {
    if (++chunks == 3) throw errors::Failure("the disk failed");
    objects.insert(objects.end(), sample.objects.begin(), sample.objects.begin() + static_cast<long>(most));
  };
  try {
    survey_stream(fail_third_chunk, {{sample.objects.front().epoch_jd, 20}}, window(), 2, nullptr, 4);
    ADD_FAILURE() << "the failed read went unnoticed";
  } catch (const errors::Failure& error) {
    EXPECT_STREQ(error.what(), "the disk failed");
  }
  EXPECT_EQ(chunks, 3);
}

}  // namespace
