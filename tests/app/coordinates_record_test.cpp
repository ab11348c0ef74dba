// The coordinates record: what the run writes reads back through the read-back's own
// record reader to the precision of the written fields.
#include "app/coordinates_record.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <vector>

namespace {

struct Written {
  double jd;
  dynamics::RotatingPoint point;
};

TEST(CoordinatesRecord, WrittenRecordsReadBackToTheirPrecision) {
  const std::vector<Written> written = {
      {2458666.5, {1.2345678, -0.00012345678, 0.0, 12.5}},
      {2451545.0004, {-1.0, 3.0e-9, -7.654321e3, 1.0e-5}},
      {2400000.9996, {-0.999999949, 0.5, 1.0e12, 98.7654321}},
  };
  std::stringstream file;
  file << app::kCoordinatesHeading << '\n';
  for (const Written& w : written) {
    const std::string record = app::coordinates_record(w.jd, w.point);
    EXPECT_EQ(record.size(), 70u) << record;  // five fields of 14 columns
    file << record << '\n';
  }
  textio::ConsoleReader reader(file);
  std::string heading;
  ASSERT_TRUE(reader.read_line(heading).ok());
  EXPECT_EQ(heading, app::kCoordinatesHeading);
  // A mantissa 0.dddddd: off by at most half a unit of its sixth digit, and then by the
  // rounding to single precision of the coordinates.
  const auto near = [](double read, double value) {
    if (value == 0.0) return read == 0.0;
    const double last_digit = std::pow(10.0, std::floor(std::log10(std::fabs(value))) + 1.0 - 6.0);
    return std::fabs(read - value) <= 0.5 * last_digit + 6e-8 * std::fabs(value);
  };
  for (const Written& w : written) {
    app::PathPoint p;
    ASSERT_TRUE(app::read_coordinates_record(reader, p).ok());
    EXPECT_NEAR(p.jd, w.jd, 0.0005);
    EXPECT_TRUE(near(p.x, w.point.X)) << p.x << " " << w.point.X;
    EXPECT_TRUE(near(p.y, w.point.Y)) << p.y << " " << w.point.Y;
    EXPECT_TRUE(near(p.z, w.point.Z)) << p.z << " " << w.point.Z;
    EXPECT_TRUE(near(p.delta, w.point.delta)) << p.delta << " " << w.point.delta;
  }
  app::PathPoint after;
  EXPECT_EQ(app::read_coordinates_record(reader, after).status, textio::ReadResult::Status::end_of_input);
}

}  // namespace
