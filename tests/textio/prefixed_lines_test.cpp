// Lines passed on with a prefix, against an independent oracle: whatever way the text is
// cut into writes, each line reaches the target once, whole, after the prefix.
#include "textio/prefixed_lines.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>

namespace {

// The oracle: the prefix before the start of every line of `text`, a last line without
// its end included.
std::string prefixed(const std::string& text, const std::string& prefix) {
  std::string result;
  bool line_start = true;
  for (const char c : text) {
    if (line_start) result += prefix;
    result += c;
    line_start = c == '\n';
  }
  return result;
}

TEST(PrefixedLines, EveryCutOfTheTextGivesEachLineItsPrefixOnce) {
  std::mt19937 random(20261208);
  const std::string letters = "ab \n\n:";
  for (int trial = 0; trial < 300; ++trial) {
    std::string text;
    for (int n = static_cast<int>(random() % 40); n > 0; --n) text += letters[random() % letters.size()];
    std::ostringstream target;
    {
      textio::PrefixedLines lines(target, "tool: ");
      // The text in pieces of random length, by write, put and <<.
      for (std::size_t at = 0; at < text.size();) {
        const std::size_t piece = std::min<std::size_t>(text.size() - at, random() % 7);
        switch (random() % 3) {
          case 0: lines.write(text.data() + at, static_cast<std::streamsize>(piece)); break;
          case 1:
            for (std::size_t i = 0; i < piece; ++i) lines.put(text[at + i]);
            break;
          default: lines << text.substr(at, piece); break;
        }
        at += piece;
      }
      EXPECT_TRUE(lines.good()) << text;
    }
    EXPECT_EQ(target.str(), prefixed(text, "tool: ")) << text;
  }
}

// The target gets each piece at once: lines written to it directly between whole lines
// of the prefixed stream keep their place.
TEST(PrefixedLines, LinesWrittenToTheTargetDirectlyKeepTheirOrder) {
  std::ostringstream target;
  textio::PrefixedLines warnings(target, "tool: ");
  warnings << "first warning\n";
  target << "a summary line\n";
  warnings << "second " << 2 << '\n';
  EXPECT_EQ(target.str(), "tool: first warning\na summary line\ntool: second 2\n");
}

// A target that fails fails the prefixed stream too, so that a writer can tell.
TEST(PrefixedLines, AFailedTargetFailsTheStream) {
  std::ostringstream target;
  target.setstate(std::ios::badbit);
  textio::PrefixedLines warnings(target, "tool: ");
  warnings << "lost\n" << std::flush;
  EXPECT_FALSE(warnings.good());
}

}  // namespace
