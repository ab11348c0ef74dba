// Writing and reading the record of one point of the coordinates file.
#include "app/coordinates_record.h"

#include "textio/fixed_format.h"

namespace app {

std::string coordinates_record(double jd, const dynamics::RotatingPoint& point) {
  return textio::format_fw(jd, 14, 3) + textio::format_ew(point.X, 14, 6) +
         textio::format_ew(point.Y, 14, 6) + textio::format_ew(point.Z, 14, 6) +
         textio::format_ew(point.delta, 14, 6);
}

textio::ReadResult read_coordinates_record(textio::ConsoleReader& reader, PathPoint& point) {
  return reader.read_free({&point.jd, &point.x, &point.y, &point.z, &point.delta});
}

}  // namespace app
