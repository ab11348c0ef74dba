// Fixed-column records: reading Aw/Fw.d/Iw/nX and writing Aw/Fw.d/Ew.d/Iw.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string_view>
#include <vector>

#include "textio/column_reader.h"
#include "textio/fixed_format.h"
#include "textio/number_syntax.h"

namespace {

using namespace textio;

const char kEros[] =
    "00433   11.16  0.46 K1972  84.17190  178.83549  304.30424   10.82858  0.2227385  0.55973997   1.4581823  0 "
    "MPO467611  8406  52 1893-2019 0.69 M-v 38h MPCLINUX   1804    (433) Eros               20190509";

TEST(ColumnRead, PublishedRecord) {
  ColumnReader r(kEros);
  EXPECT_EQ(r.text(7), "00433  ");
  double h = 0, g = 0, m = 0, peri = 0, node = 0, incl = 0, e = 0, n = 0, a = 0;
  int year = 0;
  ASSERT_TRUE(r.real(6, 2, h));
  ASSERT_TRUE(r.real(6, 2, g));
  r.skip(1);
  EXPECT_EQ(r.text(1), "K");
  ASSERT_TRUE(r.integer(2, year));
  EXPECT_EQ(r.text(1), "7");
  EXPECT_EQ(r.text(1), "2");
  ASSERT_TRUE(r.real(10, 5, m));
  ASSERT_TRUE(r.real(11, 5, peri));
  ASSERT_TRUE(r.real(11, 5, node));
  ASSERT_TRUE(r.real(11, 5, incl));
  ASSERT_TRUE(r.real(11, 7, e));
  ASSERT_TRUE(r.real(12, 8, n));
  ASSERT_TRUE(r.real(12, 7, a));
  EXPECT_EQ(h, 11.16);
  EXPECT_EQ(g, 0.46);
  EXPECT_EQ(year, 19);
  EXPECT_EQ(m, 84.1719);
  EXPECT_EQ(peri, 178.83549);
  EXPECT_EQ(node, 304.30424);
  EXPECT_EQ(incl, 10.82858);
  EXPECT_EQ(e, 0.2227385);
  EXPECT_EQ(n, 0.55973997);
  EXPECT_EQ(a, 1.4581823);
  EXPECT_EQ(r.text(3), "  0");
  r.skip(60);
  EXPECT_EQ(r.text(28), "   (433) Eros               ");
  EXPECT_EQ(r.text(8), "20190509");
  EXPECT_EQ(r.text(4), "    ");  // past the end of the line
}

TEST(ColumnRead, ImpliedDecimalsAndBlanks) {
  ColumnReader r("  14581823     5   -5 12E1          x");
  double v = -1;
  ASSERT_TRUE(r.real(11, 7, v));
  EXPECT_EQ(v, 1.4581823);
  ASSERT_TRUE(r.real(6, 2, v));
  EXPECT_EQ(v, 0.05);
  ASSERT_TRUE(r.real(4, 2, v));
  EXPECT_EQ(v, -0.05);
  ASSERT_TRUE(r.real(5, 1, v));
  EXPECT_EQ(v, 12.0);  // 1.2E1
  ASSERT_TRUE(r.real(5, 3, v));
  EXPECT_EQ(v, 0.0);  // blank field
  int i = -1;
  ASSERT_TRUE(r.integer(3, i));
  EXPECT_EQ(i, 0);
  EXPECT_FALSE(r.integer(3, i));
  EXPECT_EQ(r.failed_columns(), "35-37");
  // Past the end of the line: blank, so zero.
  ASSERT_TRUE(r.real(12, 7, v));
  EXPECT_EQ(v, 0.0);
}

TEST(ColumnRead, UnreadableNumbers) {
  double v = 0;
  ColumnReader letters("  84.1a190");
  EXPECT_FALSE(letters.real(10, 5, v));
  EXPECT_EQ(letters.failed_columns(), "1-10");
  ColumnReader inner_blank("xx 1 2");
  inner_blank.skip(2);
  EXPECT_FALSE(inner_blank.real(4, 0, v));
  EXPECT_EQ(inner_blank.failed_columns(), "3-6");
  ColumnReader word("  nan");
  EXPECT_FALSE(word.real(5, 2, v));
}

TEST(FixedWrite, ExponentForm) {
  EXPECT_EQ(format_ew(1.234567, 14, 6), "  0.123457E+01");
  EXPECT_EQ(format_ew(0.0, 14, 6), "  0.000000E+00");
  EXPECT_EQ(format_ew(-1.5e-7, 14, 6), " -0.150000E-06");
  EXPECT_EQ(format_ew(9.9999999, 14, 6), "  0.100000E+02");
  EXPECT_EQ(format_ew(0.5, 14, 6), "  0.500000E+00");
  EXPECT_EQ(format_ew(-1.5e-100, 14, 6), " -0.150000E-99");
  // Three exponent digits keep the E, so the number reader reads them (see below).
  EXPECT_EQ(format_ew(1.5e100, 14, 6), " 0.150000E+101");
  EXPECT_EQ(format_ew(-1.5e-101, 14, 6), "-0.150000E-100");
  // Too wide: first the optional zero goes, then the whole field is asterisks.
  EXPECT_EQ(format_ew(-1.0, 12, 6), "-.100000E+01");
  EXPECT_EQ(format_ew(-1.0, 11, 6), "***********");
}

TEST(FixedWrite, DecimalIntegerAndText) {
  EXPECT_EQ(format_fw(2458666.5, 14, 3), "   2458666.500");
  EXPECT_EQ(format_fw(0.5, 10, 5), "   0.50000");
  EXPECT_EQ(format_fw(0.5, 6, 5), ".50000");
  EXPECT_EQ(format_fw(-0.5, 7, 5), "-.50000");
  EXPECT_EQ(format_fw(12345.678, 8, 2), "12345.68");
  EXPECT_EQ(format_fw(12345.678, 7, 2), "*******");
  EXPECT_EQ(format_fw(2.675, 6, 1), "   2.7");
  EXPECT_EQ(format_iw(5, 5), "    5");
  EXPECT_EQ(format_iw(-12, 3), "-12");
  EXPECT_EQ(format_iw(-123, 3), "***");
  EXPECT_EQ(format_iw(123456, 5), "*****");
  EXPECT_EQ(format_aw("abc", 5), "  abc");
  EXPECT_EQ(format_aw("abcdef", 3), "abc");
  EXPECT_EQ(format_x(3), "   ");
  // One listing line "(A7,F11.6,F9.6,F10.5)" for the record of Eros.
  EXPECT_EQ(format_aw("00433  ", 7) + format_fw(1.4581823, 11, 6) + format_fw(0.2227385, 9, 6) +
                format_fw(10.82858, 10, 5),
            "00433     1.458182 0.222739  10.82858");
}

// Every finite value written as E14.6, from the smallest normal to the largest double,
// reads back with the number reader to within half a unit of its sixth digit.
TEST(FixedWrite, ExponentFormReadsBackOverTheWholeRange) {
  std::mt19937_64 random(12);
  std::uniform_real_distribution<double> mantissa(1.0, 10.0);
  std::uniform_int_distribution<int> exponent(-310, 307);
  std::vector<double> values = {std::numeric_limits<double>::max(), std::numeric_limits<double>::denorm_min(),
                                1e-99, 9.9999996e99, 1e100, -1e-100};
  for (int i = 0; i < 20000; ++i) values.push_back((i % 2 ? -1 : 1) * mantissa(random) * std::pow(10.0, exponent(random)));
  for (const double value : values) {
    const std::string field = format_ew(value, 14, 6);
    ASSERT_EQ(field.size(), 14u) << value;
    double back = 0;
    const std::size_t first = field.find_first_not_of(' ');
    ASSERT_EQ(parse_real(std::string_view(field).substr(first), back), NumberStatus::ok) << field;
    EXPECT_LE(std::fabs(back - value), 5.0000001e-6 * std::fabs(value)) << value << " written as " << field;
  }
}

}  // namespace
