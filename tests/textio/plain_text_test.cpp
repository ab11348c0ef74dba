// trim_blanks and lower_case at their edges: nothing but blanks, inner blanks kept,
// bytes outside ASCII left as they are.
#include "textio/plain_text.h"

#include <gtest/gtest.h>

TEST(PlainText, TrimKeepsInnerBlanksAndEmptiesAllBlankText) {
  EXPECT_EQ(textio::trim_blanks("  2004 MN4 "), "2004 MN4");
  EXPECT_EQ(textio::trim_blanks("     "), "");
  EXPECT_EQ(textio::trim_blanks(""), "");
  EXPECT_EQ(textio::trim_blanks("a"), "a");
}

TEST(PlainText, LowerCaseOnlyChangesAsciiCapitals) {
  EXPECT_EQ(textio::lower_case("(99942) Apophis P-L"), "(99942) apophis p-l");
  EXPECT_EQ(textio::lower_case("\xC3\x89ros"), "\xC3\x89ros");
}
