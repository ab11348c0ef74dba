// The coordinates file name7.xyz line by line: its heading and the record of one output
// point, as the run writes them and the read-back reads them.
#pragma once

#include <string>

#include "dynamics/rotating_frame.h"
#include "textio/console_reader.h"

namespace app {

inline constexpr const char* kCoordinatesHeading = "JD , X (relative units) , Y (ru), Z (ru), DELTA (AU)";

// The record "(F14.3,4E14.6)" of one output point, without its line end: Julian date,
// X, Y, Z in the rotating frame (units of the planet's distance) and the planet-body
// distance in AU.
std::string coordinates_record(double jd, const dynamics::RotatingPoint& point);

// One record as the read-back keeps it: the path coordinates in single precision.
struct PathPoint {
  double jd = 0.0;
  float x = 0.0f, y = 0.0f, z = 0.0f;
  double delta = 0.0;
};

// Reads the next record in free format, so that any spacing of the five numbers reads.
textio::ReadResult read_coordinates_record(textio::ConsoleReader& reader, PathPoint& point);

}  // namespace app
