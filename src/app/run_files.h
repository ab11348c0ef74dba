// The two result files of an integration run: the coordinates file name7.xyz and the
// close-approach file name7.clo, with their headings and record layouts.
#pragma once

#include <filesystem>
#include <string>

#include "devices/byte_sink.h"
#include "dynamics/encounter_lists.h"
#include "dynamics/rotating_frame.h"

namespace app {

// Both files of one run. They are written under temporary names and replace the files
// of an earlier run only when close() saw both written whole: a run that fails half-way
// leaves the earlier files as they were. A file that cannot be created or written is an
// errors::Failure naming the file.
class RunFiles {
 public:
  // Names both files from name7, all 7 characters with blanks kept ("00433  " gives
  // "00433  .xyz", see file_stem), and opens the coordinates file with its heading.
  RunFiles(const std::filesystem::path& folder, const std::string& name7);
  // Opens the close-approach file with its heading.
  void open_close_approaches();

  // The coordinates record of one output point (app/coordinates_record.h).
  void write_point(double jd, const dynamics::RotatingPoint& point);
  // The close-approach record "(F14.2,F10.1,F10.2,F12.4,I5)".
  void write_approach(const dynamics::CloseApproach& approach);
  // The two collision lines, in free format.
  void write_collision(int planet);

  // Finishes both files, then puts both in place.
  void close();

 private:
  std::filesystem::path xyz_path_;
  std::filesystem::path clo_path_;
  devices::ByteSink xyz_;
  devices::ByteSink clo_;
};

// The coordinates file of the object name7 in the working folder.
std::string coordinates_file_name(const std::string& name7);

// The close-approach record of one approach, without its line end.
std::string approach_record(const dynamics::CloseApproach& approach);
// The two collision lines, each with its line end, as console and file receive them.
std::string collision_lines(int planet);

}  // namespace app
