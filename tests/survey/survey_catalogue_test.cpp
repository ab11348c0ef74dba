// Reading a survey's objects: bad records reported and skipped, the object list, and a
// catalogue that cannot be read.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "survey/io/survey_object.h"
#include "survey/io/catalogue_lines.h"
#include "survey/io/object_list.h"
#include "test_support/temp_dir.h"

namespace {

using namespace survey;

std::vector<std::string> sample_lines() {
  std::ifstream in(std::string(SKYTRAK_SOURCE_DIR) + "/data/nea.dat");
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) lines.push_back(line);
  return lines;
}

void write_lines(const std::filesystem::path& path, const std::vector<std::string>& lines) {
  std::ofstream out(path, std::ios::binary);
  for (const std::string& line : lines) out << line << '\n';
}

TEST(SurveyCatalogue, BadRecordsAreReportedOneLineEachAndSkipped) {
  const std::vector<std::string> good = sample_lines();
  ASSERT_GE(good.size(), 3u);
  std::string bad_number = good[1];
  bad_number.replace(30, 3, "x.y");  // inside the mean anomaly, columns 26-35
  std::string hyperbolic = good[2];
  hyperbolic.replace(68, 11, "  1.2000000");  // eccentricity, columns 69-79
  test_support::TempDir dir;
  const auto path = dir.path() / "cat.txt";
  write_lines(path, {good[0], bad_number, "", hyperbolic, good[3]});
  std::ostringstream warnings;
  const SurveyCatalogue catalogue = read_survey_catalogue(path, {}, warnings);
  EXPECT_EQ(catalogue.bad_records, 2);
  ASSERT_EQ(catalogue.objects.size(), 2u);
  EXPECT_EQ(catalogue.objects[0].packed, "00433");
  EXPECT_EQ(catalogue.objects[0].designation, "(433) Eros");
  EXPECT_DOUBLE_EQ(catalogue.objects[0].epoch_jd, 2458666.5);  // 2019 July 2.0
  EXPECT_DOUBLE_EQ(catalogue.objects[0].elements.a, 1.4581823);
  EXPECT_EQ(warnings.str(), "bad record skipped (" + path.string() + ", line 2, columns 26-35)\n" +
                                "bad record skipped (" + path.string() +
                                ", line 4, the eccentricity (columns 69-79) must be at least 0 and below 1)\n");
}

TEST(SurveyCatalogue, ObjectListKeepsOnlyTheNamedObjects) {
  const std::vector<std::string> good = sample_lines();
  test_support::TempDir dir;
  write_lines(dir.path() / "cat.txt", good);
  // By packed or by readable designation, blanks around ignored.
  write_lines(dir.path() / "list.txt", {"  99942 ", "", "(433) Eros", "nothing such"});
  std::ostringstream warnings;
  const SurveyCatalogue catalogue =
      read_survey_catalogue(dir.path() / "cat.txt", read_object_list(dir.path() / "list.txt"), warnings);
  ASSERT_EQ(catalogue.objects.size(), 2u);
  EXPECT_EQ(catalogue.objects[0].packed, "00433");
  EXPECT_EQ(catalogue.objects[1].packed, "99942");
  EXPECT_EQ(warnings.str(), "--objects: no object matches \"nothing such\"\n");
}

// Each name is found as `run --object` finds it: packed, readable, or part of the name.
TEST(SurveyCatalogue, ObjectNamesAreLookedUpAsForOneRun) {
  const struct {
    const char* name;
    const char* packed;  // the object kept, or empty
    const char* warning;
  } cases[] = {
      {"(99942)", "99942", ""},
      {"99942", "99942", ""},
      {"apophis", "99942", ""},
      {"K02A29A", "K02A29A", ""},
      {"2002 AA29", "K02A29A", ""},
      {"xyz", "", "--objects: no object matches \"xyz\"\n"},
      {"apo", "", "--objects: \"apo\" matches 2 objects; none taken\n"},  // Apophis, Apollo
  };
  for (const auto& c : cases) {
    std::ostringstream warnings;
    const SurveyCatalogue catalogue =
        read_survey_catalogue(std::string(SKYTRAK_SOURCE_DIR) + "/data/nea.dat", {c.name}, warnings);
    std::vector<std::string> kept;
    for (const SurveyObject& object : catalogue.objects) kept.push_back(object.packed);
    EXPECT_EQ(kept, *c.packed ? std::vector<std::string>{c.packed} : std::vector<std::string>{}) << c.name;
    EXPECT_EQ(warnings.str(), c.warning) << c.name;
  }
}

TEST(SurveyCatalogue, UnreadableFilesThrow) {
  test_support::TempDir dir;
  std::ostringstream warnings;
  EXPECT_THROW(read_survey_catalogue(dir.path() / "missing.txt", {}, warnings), errors::Failure);
  EXPECT_THROW(read_object_list(dir.path() / "missing.txt"), errors::Failure);
  // A folder opens but cannot be read.
  EXPECT_THROW(read_survey_catalogue(dir.path(), {}, warnings), errors::Failure);
}

}  // namespace
