// The readable name of a catalogue line as `find` searches it: lower case, columns
// 167-194, cut where the line ends; bytes beyond ASCII kept.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "catalogue/catalogue_lookup.h"

TEST(SearchableName, IsTheNameFieldInLowerCase) {
  const std::string before(catalogue::kName28Offset, 'X');
  const std::pair<std::string, std::string> cases[] = {
      {before, ""}, {before + "(99942) Apophis             Tail", "(99942) apophis             "},
      {before + "2004 MN4", "2004 mn4"}, {before + "\xC3\x89ROS", "\xC3\x89ros"}};
  for (const auto& [line, name] : cases) EXPECT_EQ(catalogue::SearchableName(line).view(), name) << line;
}
