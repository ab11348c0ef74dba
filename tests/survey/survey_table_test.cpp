// The table: calendar dates against published ones, an order that does not depend on the
// order rows were found in, and the CSV fields.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "survey/io/survey_table.h"

namespace {

using namespace survey;

// Splits a CSV line without quoted fields.
std::vector<std::string> fields(const std::string& line) {
  std::vector<std::string> out;
  std::stringstream in(line);
  std::string field;
  while (std::getline(in, field, ',')) out.push_back(field);
  return out;
}

// Every row of the published close-approach table pairs a TDB Julian date with its
// calendar minute: our conversion must give the same text for each.
TEST(SurveyTable, CalendarMatchesEveryPublishedDate) {
  std::ifstream in(std::string(SKYTRAK_SHARED_DATA) + "/cad-2020-H1.csv");
  if (!in) GTEST_SKIP() << "published close approaches not found in " << SKYTRAK_SHARED_DATA;
  std::string line;
  std::getline(in, line);
  int rows = 0;
  while (std::getline(in, line)) {
    const std::vector<std::string> f = fields(line);
    ASSERT_GE(f.size(), 5u);
    EXPECT_EQ(calendar_minute(std::stod(f[3])), f[4]) << line;
    ++rows;
  }
  EXPECT_GT(rows, 1000);
}

TEST(SurveyTable, CalendarRoundsToTheNearestMinuteAcrossDayAndYearEnds) {
  EXPECT_EQ(calendar_minute(2451545.0), "2000-Jan-01 12:00");
  // 23:59:45 on 31 December 1999 rounds up into the next year.
  EXPECT_EQ(calendar_minute(2451544.5 - 15.0 / 86400.0), "2000-Jan-01 00:00");
  EXPECT_EQ(calendar_minute(2451544.5 - 45.0 / 86400.0), "1999-Dec-31 23:59");
  // 29 February of a leap year, and the day after.
  EXPECT_EQ(calendar_minute(2458908.5), "2020-Feb-29 00:00");
  EXPECT_EQ(calendar_minute(2458909.5), "2020-Mar-01 00:00");
}

TEST(SurveyTable, OrderIsTheSameWhateverOrderTheRowsCameIn) {
  std::vector<SurveyRow> rows = {
      {"2019 AB", "K19A00B", 3, 2458900.25, 0.01, 5.0, EventKind::approach},
      {"2019 AA", "K19A00A", 3, 2458900.25, 0.02, 6.0, EventKind::approach},
      {"2019 AA", "K19A00A", 3, 2458900.25, 0.04, 6.0, EventKind::approach},  // a second record of both names
      {"2019 AA", "K19A00A", 4, 2458900.25, 0.03, 7.0, EventKind::approach},
      {"(433) Eros", "00433", 3, 2458850.0, 0.15, 8.0, EventKind::approach},
      {"2019 AA", "K19A00A", 3, 2458900.25, 1e-5, 12.0, EventKind::collision},
      {"2019 ZZ", "K19Z00Z", 0, 2459000.0, 0.001, 90.0, EventKind::sun},
  };
  std::vector<SurveyRow> sorted = rows;
  sort_rows(sorted);
  for (size_t n = 1; n < sorted.size(); ++n) {
    EXPECT_FALSE(row_before(sorted[n], sorted[n - 1]));
    EXPECT_LE(sorted[n - 1].jd, sorted[n].jd);
  }
  EXPECT_EQ(sorted.front().packed, "00433");
  std::mt19937 shuffle(14);
  for (int trial = 0; trial < 20; ++trial) {
    std::shuffle(rows.begin(), rows.end(), shuffle);
    sort_rows(rows);
    std::ostringstream a, b;
    write_table(a, rows);
    write_table(b, sorted);
    ASSERT_EQ(a.str(), b.str());
  }
}

TEST(SurveyTable, CsvLineHasTheHeaderFieldsAndQuotesCommas) {
  const SurveyRow approach{"(433) Eros", "00433", 3, 2458849.646807170, 0.162008280404152, 2.79339217149069,
                           EventKind::approach};
  EXPECT_EQ(fields(kTableHeader).size(), fields(csv_line(approach)).size());
  EXPECT_EQ(csv_line(approach), "(433) Eros,00433,Earth,2458849.646807,2020-Jan-01 03:31,0.16200828,2.7934,approach");
  const SurveyRow fall{"A, B", "x\"y", 0, 2458849.5, 0.004, 300.0, EventKind::sun};
  EXPECT_EQ(csv_line(fall), "\"A, B\",\"x\"\"y\",Sun,2458849.500000,2020-Jan-01 00:00,0.00400000,300.0000,sun");
  const SurveyRow gone{"2019 AA", "K19A00A", 0, 2458849.5, 61.0, 1.5, EventKind::ejection};
  EXPECT_EQ(fields(csv_line(gone))[2], "");
  EXPECT_EQ(fields(csv_line(gone))[7], "ejection");
}

}  // namespace
