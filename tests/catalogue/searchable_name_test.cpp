// The readable name of a catalogue line as `find` searches it: lower case, columns
// 167-194, cut where the line ends.
#include <gtest/gtest.h>

#include <string>

#include "catalogue/catalogue_lookup.h"

namespace {

TEST(SearchableName, IsTheNameFieldInLowerCase) {
  const std::string before(catalogue::kName28Offset, 'X');
  const struct {
    std::string line;
    std::string name;
  } cases[] = {
      {before, ""},                                                      // ends before the field
      {before + "(99942) Apophis             Tail", "(99942) apophis             "},  // the field alone
      {before + "2004 MN4", "2004 mn4"},                                 // ends inside the field
      {before + "\xC3\x89ROS", "\xC3\x89ros"},                           // bytes beyond ASCII kept
  };
  for (const auto& c : cases) EXPECT_EQ(catalogue::SearchableName(c.line).view(), c.name) << c.line;
}

}  // namespace
