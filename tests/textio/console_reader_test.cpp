// Free-format and column reading of console lines.
#include "textio/console_reader.h"

#include <gtest/gtest.h>

#include <limits>
#include <sstream>

namespace {

using textio::ConsoleReader;
using textio::ReadResult;
using Status = ReadResult::Status;

TEST(FreeRead, ValuesAcrossLinesAndSeparators) {
  std::istringstream in("\n   \n  1.5,\n2  ,x\n-7\n");
  ConsoleReader reader(in);
  double a = 0;
  int b = 0;
  char c = ' ';
  ASSERT_TRUE(reader.read_free({&a, &b, &c}).ok());
  EXPECT_EQ(a, 1.5);
  EXPECT_EQ(b, 2);
  EXPECT_EQ(c, 'x');
  ASSERT_TRUE(reader.read_free({&b}).ok());
  EXPECT_EQ(b, -7);
}

TEST(FreeRead, OneReadConsumesWholeLines) {
  std::istringstream in("1 2 3\n4\n");
  ConsoleReader reader(in);
  int v = 0;
  ASSERT_TRUE(reader.read_free({&v}).ok());
  EXPECT_EQ(v, 1);
  ASSERT_TRUE(reader.read_free({&v}).ok());
  EXPECT_EQ(v, 4);
}

TEST(FreeRead, SlashLeavesTheRestUnchanged) {
  std::istringstream in("1.5 / 9 9\n2,/\n/\n3\n");
  ConsoleReader reader(in);
  double a = 0, b = 7, c = 8;
  ASSERT_TRUE(reader.read_free({&a, &b}).ok());
  EXPECT_EQ(a, 1.5);
  EXPECT_EQ(b, 7);
  ASSERT_TRUE(reader.read_free({&a, &b}).ok());
  EXPECT_EQ(a, 2);
  EXPECT_EQ(b, 7);
  ASSERT_TRUE(reader.read_free({&c}).ok());
  EXPECT_EQ(c, 8);
  ASSERT_TRUE(reader.read_free({&c}).ok());
  EXPECT_EQ(c, 3);
}

TEST(FreeRead, TextValues) {
  std::istringstream in("'2004 MN4'\n\"it's\" x\n'don''t'\n2004 MN4\nab/cd\nYes\n''\n");
  ConsoleReader reader(in);
  std::string s;
  ASSERT_TRUE(reader.read_free({&s}).ok());
  EXPECT_EQ(s, "2004 MN4");
  ASSERT_TRUE(reader.read_free({&s}).ok());
  EXPECT_EQ(s, "it's");
  ASSERT_TRUE(reader.read_free({&s}).ok());
  EXPECT_EQ(s, "don't");
  ASSERT_TRUE(reader.read_free({&s}).ok());
  EXPECT_EQ(s, "2004");
  ASSERT_TRUE(reader.read_free({&s}).ok());
  EXPECT_EQ(s, "ab");
  char c = '?';
  ASSERT_TRUE(reader.read_free({&c}).ok());
  EXPECT_EQ(c, 'Y');
  ASSERT_TRUE(reader.read_free({&c}).ok());
  EXPECT_EQ(c, ' ');
}

TEST(FreeRead, NumberForms) {
  std::istringstream in("P,3,-3,1.5,Y\n1.5D2 +5 .5 5. 2e-3 -0\r\n");
  ConsoleReader reader(in);
  char focus = ' ', anim = ' ';
  float x = 0, y = 0, z = 0;
  ASSERT_TRUE(reader.read_free({&focus, &x, &y, &z, &anim}).ok());
  EXPECT_EQ(focus, 'P');
  EXPECT_EQ(x, 3.0f);
  EXPECT_EQ(y, -3.0f);
  EXPECT_EQ(z, 1.5f);
  EXPECT_EQ(anim, 'Y');
  double a = 0, c = 0, d = 0, e = 0;
  int b = 0, f = 1;
  ASSERT_TRUE(reader.read_free({&a, &b, &c, &d, &e, &f}).ok());
  EXPECT_EQ(a, 150.0);
  EXPECT_EQ(b, 5);
  EXPECT_EQ(c, 0.5);
  EXPECT_EQ(d, 5.0);
  EXPECT_EQ(e, 0.002);
  EXPECT_EQ(f, 0);
}

TEST(FreeRead, SinglePrecisionIsRoundedOnce) {
  // Just above the midpoint between 1 and the next float: by way of a double it would
  // round to the midpoint and then, ties to even, down to 1.
  std::istringstream in("1.0000000596046448\n");
  ConsoleReader reader(in);
  float f = 0;
  ASSERT_TRUE(reader.read_free({&f}).ok());
  EXPECT_EQ(f, 1.0f + 0x1p-23f);
}

TEST(FreeRead, TinyValuesUnderflowQuietly) {
  std::istringstream in("1e-400 -1d-310 1e-50\n");
  ConsoleReader reader(in);
  double zero = 1, subnormal = 0;
  float single_zero = 1;
  ASSERT_TRUE(reader.read_free({&zero, &subnormal, &single_zero}).ok());
  EXPECT_EQ(zero, 0.0);
  EXPECT_EQ(subnormal, -1e-310);
  EXPECT_EQ(single_zero, 0.0f);
}

ReadResult read_one_int(const std::string& text) {
  std::istringstream in(text);
  ConsoleReader reader(in);
  int v = 0;
  return reader.read_free({&v});
}

ReadResult read_one_double(const std::string& text) {
  std::istringstream in(text);
  ConsoleReader reader(in);
  double v = 0;
  return reader.read_free({&v});
}

// An integer too long for an int is still an integer: it reads as the nearest int, so
// that the question's own range test answers it (planet asked again, menu quits).
TEST(FreeRead, IntegersBeyondIntReadAsTheNearestInt) {
  std::istringstream in("99999999999 -99999999999 2147483647 +2147483648\n");
  ConsoleReader reader(in);
  int big = 0, small = 0, largest = 0, next = 0;
  ASSERT_TRUE(reader.read_free({&big, &small, &largest, &next}).ok());
  EXPECT_EQ(big, std::numeric_limits<int>::max());
  EXPECT_EQ(small, std::numeric_limits<int>::min());
  EXPECT_EQ(largest, 2147483647);
  EXPECT_EQ(next, std::numeric_limits<int>::max());
}

TEST(FreeRead, UnreadableValues) {
  EXPECT_EQ(read_one_int("abc\n").problem, "cannot read \"abc\" as an integer");
  EXPECT_EQ(read_one_int("1.5\n").status, Status::bad_value);
  EXPECT_EQ(read_one_int("3x\n").status, Status::bad_value);
  EXPECT_EQ(read_one_int("'3'\n").status, Status::bad_value);
  EXPECT_EQ(read_one_double("nan\n").problem, "cannot read \"nan\" as a number");
  EXPECT_EQ(read_one_double("1\x1B[2J\n").problem, "cannot read \"1\\x1B[2J\" as a number");
  EXPECT_EQ(read_one_double("inf\n").status, Status::bad_value);
  EXPECT_EQ(read_one_double("-Infinity\n").status, Status::bad_value);
  EXPECT_EQ(read_one_double("0x10\n").status, Status::bad_value);
  EXPECT_EQ(read_one_double("1e\n").status, Status::bad_value);
  EXPECT_EQ(read_one_double(".\n").status, Status::bad_value);
  EXPECT_EQ(read_one_double("1e999\n").problem, "\"1e999\" is out of range");
  EXPECT_EQ(read_one_double("'unclosed\n").status, Status::bad_value);
  EXPECT_EQ(read_one_double("'a'b\n").status, Status::bad_value);

  std::istringstream in("1e39\n");
  ConsoleReader reader(in);
  float f = 0;
  EXPECT_EQ(reader.read_free({&f}).problem, "\"1e39\" is out of range");
}

TEST(FreeRead, EndOfInput) {
  EXPECT_EQ(read_one_int("").status, Status::end_of_input);
  EXPECT_EQ(read_one_int("\n  \n").status, Status::end_of_input);
  EXPECT_EQ(read_one_int("5").status, Status::ok);  // a last line without its line end still counts
  std::istringstream in("1\n");
  ConsoleReader reader(in);
  int a = 0, b = 0;
  EXPECT_EQ(reader.read_free({&a, &b}).status, Status::end_of_input);
}

TEST(ColumnRead, FieldOfFixedWidth) {
  std::istringstream in("k02a29a extra\r\nab\n\n");
  ConsoleReader reader(in);
  std::string field;
  ASSERT_TRUE(reader.read_columns(7, field).ok());
  EXPECT_EQ(field, "k02a29a");
  ASSERT_TRUE(reader.read_columns(7, field).ok());
  EXPECT_EQ(field, "ab     ");
  ASSERT_TRUE(reader.read_columns(7, field).ok());
  EXPECT_EQ(field, "       ");
  EXPECT_EQ(reader.read_columns(7, field).status, Status::end_of_input);
}

}  // namespace
