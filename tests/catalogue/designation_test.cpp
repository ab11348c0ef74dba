// Packing of readable designations: the Minor Planet Center's own worked examples, and
// every record of the real catalogue, whose readable name must pack to its columns 1-7.
#include "catalogue/designation.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace {

using catalogue::pack_designation;
using catalogue::pack_number;

TEST(Designation, NumbersInTheirThreeForms) {
  EXPECT_EQ(pack_number(433), "00433");
  EXPECT_EQ(pack_number(99999), "99999");
  EXPECT_EQ(pack_number(100345), "A0345");
  EXPECT_EQ(pack_number(359999), "Z9999");
  EXPECT_EQ(pack_number(360017), "a0017");
  EXPECT_EQ(pack_number(619999), "z9999");
  EXPECT_EQ(pack_number(620000), "~0000");
  EXPECT_EQ(pack_number(3140113), "~AZaz");
  EXPECT_EQ(pack_number(15396335), "~zzzz");
  EXPECT_FALSE(pack_number(0));
  EXPECT_FALSE(pack_number(15396336));
  EXPECT_EQ(pack_designation(" (360191) "), "a0191");
  EXPECT_EQ(pack_designation("367943"), "a7943");
}

TEST(Designation, ProvisionalAndSurveyForms) {
  EXPECT_EQ(pack_designation("2004 MN4"), "K04M04N");
  EXPECT_EQ(pack_designation("1995 XA"), "J95X00A");
  EXPECT_EQ(pack_designation("1998 SQ108"), "J98SA8Q");
  EXPECT_EQ(pack_designation("2007 TA418"), "K07Tf8A");
  EXPECT_EQ(pack_designation("2008 AA360"), "K08Aa0A");
  EXPECT_EQ(pack_designation("2040 P-L"), "PLS2040");
  EXPECT_EQ(pack_designation("3138 T-1"), "T1S3138");
  EXPECT_EQ(pack_designation("1010 T-2"), "T2S1010");
  EXPECT_EQ(pack_designation("4101 T-3"), "T3S4101");
  for (const char* not_a_designation : {"", "apophis", "2004 IA", "2004 AI", "2004 mn4", "2004 MN4x", "2040 P-X",
                                        "2004 AA620", "12345678901"}) {
    EXPECT_FALSE(pack_designation(not_a_designation)) << not_a_designation;
  }
}

// Columns 167-194 hold "(433) Eros" for a numbered object and "2014 OV391" or "6344 P-L"
// otherwise; the number in parentheses, or the whole text, must pack to columns 1-7.
TEST(Designation, EveryRecordOfTheRealCatalogue) {
  std::ifstream catalogue(std::string(SKYTRAK_SHARED_DATA) + "/NEA-2019-07-02.txt");
  if (!catalogue) GTEST_SKIP() << "real catalogue absent";
  std::string line;
  int checked = 0;
  while (std::getline(catalogue, line)) {
    const std::string packed = line.substr(0, line.find(' '));
    std::string readable = line.substr(166, 28);
    readable = readable.substr(readable.find_first_not_of(' '));
    readable = readable.substr(0, readable.find_last_not_of(' ') + 1);
    if (readable.front() == '(') readable = readable.substr(0, readable.find(')') + 1);
    ASSERT_EQ(pack_designation(readable), packed) << line;
    ++checked;
  }
  EXPECT_GT(checked, 20000);
}

}  // namespace
