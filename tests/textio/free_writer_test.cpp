// Free-format output: number forms, integers, line starts and wrapping before column 80.
#include "textio/free_writer.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using textio::format_free_line;
using textio::format_free_number;

TEST(FreeNumber, FixedForm) {
  EXPECT_EQ(format_free_number(1.0), "  1.");
  EXPECT_EQ(format_free_number(-2.5), " -2.5");
  EXPECT_EQ(format_free_number(1.4581823), "  1.4581823");
  EXPECT_EQ(format_free_number(2458666.5), "  2458666.5");
  EXPECT_EQ(format_free_number(100.0), "  100.");
  EXPECT_EQ(format_free_number(123456789.0), "  123456789.");
  EXPECT_EQ(format_free_number(0.0001), "  0.0001");
  EXPECT_EQ(format_free_number(-0.00012345), " -0.00012345");
  // Nine significant digits, rounded, trailing zeros gone.
  EXPECT_EQ(format_free_number(1.23456789012), "  1.23456789");
  EXPECT_EQ(format_free_number(9.9999999999), "  10.");
  EXPECT_EQ(format_free_number(0.25000000001), "  0.25");
  // A single-precision value shows its binary noise at nine digits.
  EXPECT_EQ(format_free_number(0.1f), "  0.100000001");
}

TEST(FreeNumber, ExponentFormAndZero) {
  EXPECT_EQ(format_free_number(0.0), "  0.");
  EXPECT_EQ(format_free_number(-0.0), "  0.");
  EXPECT_EQ(format_free_number(1e9), "  1.E+09");
  EXPECT_EQ(format_free_number(1234567890.0), "  1.23456789E+09");
  EXPECT_EQ(format_free_number(999999999.5), "  1.E+09");  // rounding carries into the exponent
  EXPECT_EQ(format_free_number(0.00001), "  1.E-05");
  EXPECT_EQ(format_free_number(-2.5e-7), " -2.5E-07");
  EXPECT_EQ(format_free_number(6.02e23), "  6.02E+23");
  EXPECT_EQ(format_free_number(1e-300), "  1.E-300");
}

TEST(FreeLine, ItemsAndLeadingBlank) {
  EXPECT_EQ(format_free_line({"ASTEROID:", "00433  "}), " ASTEROID:00433  \n");
  EXPECT_EQ(format_free_line({"       a:", 1.4581823}), "        a:  1.4581823\n");
  EXPECT_EQ(format_free_line({"IMMINENT COLLISION WITH PLANET ", 3}), " IMMINENT COLLISION WITH PLANET  3\n");
  EXPECT_EQ(format_free_line({"x", -12, "y"}), " x -12y\n");
  EXPECT_EQ(format_free_line({" "}), "  \n");
  std::ostringstream out;
  textio::write_free_line(out, {"T=", 0.5});
  EXPECT_EQ(out.str(), " T=  0.5\n");
}

TEST(FreeLine, WrapsBeforeColumn80) {
  const std::string text78(78, 'a');
  // Column 1 is the blank, so 78 characters end on column 79: they fit.
  EXPECT_EQ(format_free_line({text78}), " " + text78 + "\n");
  // One more character would reach column 80: it starts a new line.
  EXPECT_EQ(format_free_line({text78, "b"}), " " + text78 + "\n b\n");
  EXPECT_EQ(format_free_line({std::string(77, 'a'), "b"}), " " + std::string(77, 'a') + "b\n");
  // Numbers wrap as whole items: six of 12 characters reach column 73, the seventh
  // would end on column 85.
  const std::string twelve = "  1.23456789";
  const double v = 1.23456789;
  EXPECT_EQ(format_free_line({v, v, v, v, v, v, v}),
            " " + twelve + twelve + twelve + twelve + twelve + twelve + "\n " + twelve + "\n");
  // An item longer than a line still goes out, alone on its line.
  const std::string text90(90, 'c');
  EXPECT_EQ(format_free_line({"x", text90}), " x\n " + text90 + "\n");
}

}  // namespace
