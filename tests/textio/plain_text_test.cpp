// trim_blanks and lower_case at their edges: nothing but blanks, inner blanks kept,
// bytes outside ASCII left as they are.
#include "textio/plain_text.h"

#include <gtest/gtest.h>

#include <cctype>

TEST(PlainText, TrimKeepsInnerBlanksAndEmptiesAllBlankText) {
  EXPECT_EQ(textio::trim_blanks("  2004 MN4 "), "2004 MN4");
  EXPECT_EQ(textio::trim_blanks("     "), "");
  EXPECT_EQ(textio::trim_blanks(""), "");
  EXPECT_EQ(textio::trim_blanks("a"), "a");
}

// Every cut of a name mixing 1- to 4-byte characters: the longest start within the
// byte count that ends between two characters.
TEST(PlainText, Utf8PrefixCutsBetweenCharacters) {
  const std::string name = "A\xC3\x84\xE2\x82\xAC\xF0\x9F\x98\x80z";  // A, Ä, €, an emoji, z
  const std::size_t longest_start[] = {0, 1, 1, 3, 3, 3, 6, 6, 6, 6, 10, 11, 11};  // for 0..12 bytes
  for (std::size_t max = 0; max <= name.size() + 1; ++max) {
    EXPECT_EQ(textio::utf8_prefix(name, max), name.substr(0, longest_start[max])) << max;
  }
}

TEST(PlainText, PrintableEscapesControlBytesOnly) {
  EXPECT_EQ(textio::printable("a\x1B[2Jb"), "a\\x1B[2Jb");
  EXPECT_EQ(textio::printable(std::string("\a\\x\0\x7F", 5)), "\\x07\\x\\x00\\x7F");
  EXPECT_EQ(textio::printable("\xC3\x84 ok ~"), "\xC3\x84 ok ~");
}

TEST(PlainText, LowerCaseOnlyChangesAsciiCapitals) {
  EXPECT_EQ(textio::lower_case("(99942) Apophis P-L"), "(99942) apophis p-l");
  EXPECT_EQ(textio::lower_case("\xC3\x89ros"), "\xC3\x89ros");
  // Every byte as the C locale's tolower (the program never sets another locale).
  for (int byte = 0; byte < 256; ++byte) {
    const char c = static_cast<char>(byte);
    EXPECT_EQ(textio::lower_case_char(c), static_cast<char>(std::tolower(byte))) << byte;
  }
}
