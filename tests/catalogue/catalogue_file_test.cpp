// Streaming the catalogue line by line, and reading its records.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "catalogue/catalogue_file.h"
#include "catalogue/catalogue_record.h"
#include "dynamics/constants.h"
#include "test_support/temp_dir.h"

namespace {

using test_support::TempDir;

std::vector<std::string> all_lines(const TempDir& folder, std::size_t chunk_bytes = 1 << 20) {
  std::ostringstream hints;
  catalogue::CatalogueFile file(folder.path(), hints, chunk_bytes);
  std::vector<std::string> lines;
  std::string_view line;
  while (file.next_line(line)) lines.emplace_back(line);
  EXPECT_EQ(file.line_number(), static_cast<long>(lines.size()));
  EXPECT_EQ(hints.str(), "");
  return lines;
}

TEST(CatalogueFile, LinesAcrossChunksAndLongLines) {
  // Lines of 1..300 characters, repeated past several 1 MiB chunks, then one line of
  // the longest length read (4096, its CR not counted), an empty line, and a last line
  // without a line end.
  std::vector<std::string> expected;
  std::string content;
  for (int n = 0; content.size() < (5u << 20); ++n) {
    std::string line(static_cast<std::size_t>(n % 300), static_cast<char>('a' + n % 26));
    line += std::to_string(n);
    content += line + (n % 7 == 0 ? "\r\n" : "\n");
    expected.push_back(line);
  }
  expected.push_back(std::string(4096, 'L'));
  expected.push_back("");
  expected.push_back("last");
  content += expected[expected.size() - 3] + "\r\n\nlast";
  TempDir folder;
  folder.write("nea.dat", content);
  const std::vector<std::string> lines = all_lines(folder);
  ASSERT_EQ(lines.size(), expected.size());
  for (std::size_t k = 0; k < lines.size(); ++k) ASSERT_EQ(lines[k], expected[k]) << "line " << k + 1;

  // The same lines from chunks of a few bytes, so that every boundary is crossed.
  std::size_t head_end = 0;
  for (int k = 0; k < 200; ++k) head_end = content.find('\n', head_end) + 1;  // 200 whole lines
  const std::string head = content.substr(0, head_end) + expected[expected.size() - 3] + "\n\nlast";
  folder.write("nea.dat", head);
  for (const std::size_t chunk : {1, 2, 3, 7, 64, 4097}) {
    const std::vector<std::string> small = all_lines(folder, chunk);
    ASSERT_EQ(small.size(), 203u);
    EXPECT_EQ(small[small.size() - 3], expected[expected.size() - 3]) << "chunk " << chunk;
    EXPECT_EQ(small.back(), "last");
    for (std::size_t k = 0; k + 3 < small.size(); ++k) ASSERT_EQ(small[k], expected[k]) << "chunk " << chunk;
  }
}

// A line longer than that is no record: refused naming the file and the line, with or
// without a line end, however it is chunked; reading never holds the whole file.
TEST(CatalogueFile, OverlongLinesAreRefused) {
  TempDir folder;
  const std::string too_long(4097, 'x');
  for (const std::string& tail : {too_long + "\n", too_long, too_long + "\r\n", std::string(8u << 20, 'z')}) {
    folder.write("nea.dat", "first\nsecond\n" + tail);
    for (const std::size_t chunk : {std::size_t{5}, std::size_t{1} << 20}) {
      std::ostringstream hints;
      catalogue::CatalogueFile file(folder.path(), hints, chunk);
      std::string_view line;
      ASSERT_TRUE(file.next_line(line));
      ASSERT_TRUE(file.next_line(line));
      try {
        file.next_line(line);
        ADD_FAILURE() << "a line of " << tail.size() << " bytes was read";
      } catch (const errors::Failure& error) {
        EXPECT_STREQ(error.what(), "a line is longer than 4096 characters (nea.dat, line 3)");
      }
    }
  }
}

TEST(CatalogueFile, EmptyFileHasNoLines) {
  TempDir folder;
  folder.write("nea.dat", "");
  EXPECT_TRUE(all_lines(folder).empty());
}

TEST(CatalogueRecord, DesignationMatchIsExactOverSevenColumns) {
  EXPECT_TRUE(catalogue::designation_matches("00433   11.16", "00433  "));
  EXPECT_FALSE(catalogue::designation_matches(" 00433  11.16", "00433  "));
  EXPECT_FALSE(catalogue::designation_matches("k9219   24.3", "K9219  "));
  EXPECT_TRUE(catalogue::designation_matches("00433", "00433  "));  // a short line is blank-filled
  EXPECT_FALSE(catalogue::designation_matches("00433", "0043   "));
  EXPECT_TRUE(catalogue::designation_matches("", "       "));
}

// Every record of the published catalogue reads, with elements in their ranges, an
// epoch of 2019-07-02 (JD 2458666.5), and a mean motion that is the semimajor axis's by
// Kepler's third law (n^2 a^3 = k^2) to the rounding of the two fields.
TEST(CatalogueRecord, WholePublishedCatalogueReads) {
  constexpr double kGaussK = 0.01720209895;  // radians per day
  const std::filesystem::path full = std::filesystem::path(SKYTRAK_SHARED_DATA) / "NEA-2019-07-02.txt";
  if (!std::filesystem::exists(full)) GTEST_SKIP() << "no shared catalogue at " << full;
  std::ifstream in(full);
  std::string line, failed;
  catalogue::CatalogueRecord record;
  int count = 0, in_range = 0;
  while (std::getline(in, line)) {
    ++count;
    ASSERT_TRUE(catalogue::parse_catalogue_record(line, record, failed)) << "line " << count << " columns " << failed;
    const dynamics::OrbitalElements& el = record.elements;
    ASSERT_GT(el.a, 0.5) << line;
    ASSERT_TRUE(el.e >= 0 && el.e < 1) << line;
    ASSERT_TRUE(el.i >= 0 && el.i <= 180) << line;
    ASSERT_TRUE(el.m >= 0 && el.m < 360 && el.node >= 0 && el.node < 360 && el.peri >= 0 && el.peri < 360) << line;
    ASSERT_EQ(catalogue::epoch_julian_date(record), 2458666.5) << line;
    const double n = record.mean_motion * dynamics::kDegToRad;
    // a is rounded to 5e-8 AU, n to 5e-9 degrees per day.
    const double rounding = 3.0 * 5e-8 / el.a + 2.0 * 5e-9 / record.mean_motion;
    ASSERT_NEAR(n * n * el.a * el.a * el.a / (kGaussK * kGaussK), 1.0, rounding) << line;
    if (el.a >= 0.9 && el.a <= 1.1) ++in_range;
  }
  EXPECT_EQ(count, 20060);
  EXPECT_EQ(in_range, 1711);
}

}  // namespace
