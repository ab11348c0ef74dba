// Headings, records and checked writing of the coordinates and close-approach files.
#include "app/run_files.h"

#include <cerrno>
#include <cstring>

#include "app/coordinates_record.h"
#include "textio/fixed_format.h"
#include "textio/free_writer.h"

namespace app {
namespace {

constexpr const char* kApproachesHeading = "  JDclose      Dmin/Rplan   Vp(K/s)    energy  Planet";
constexpr const char* kCollisionLine = "IMMINENT COLLISION WITH PLANET ";
constexpr const char* kEvacuateLine = "PLEASE, EVACUATE THE PLANET";

std::string reason() { return errno != 0 ? std::string(": ") + std::strerror(errno) : std::string(); }

}  // namespace

std::string approach_record(const dynamics::CloseApproach& approach) {
  return textio::format_fw(approach.jd, 14, 2) + textio::format_fw(approach.dmin_rplan, 10, 1) +
         textio::format_fw(approach.vp_kms, 10, 2) + textio::format_fw(approach.energy, 12, 4) +
         textio::format_iw(approach.planet, 5);
}

std::string collision_lines(int planet) {
  return textio::format_free_line({kCollisionLine, planet}) + textio::format_free_line({kEvacuateLine});
}

RunFiles::RunFiles(const std::filesystem::path& folder, const std::string& name7)
    : xyz_path_(folder / (name7 + ".xyz")), clo_path_(folder / (name7 + ".clo")) {
  errno = 0;
  xyz_.open(xyz_path_, std::ios::out | std::ios::trunc | std::ios::binary);
  if (!xyz_) throw OutputFileError("cannot create the coordinates file (" + xyz_path_.string() + ")" + reason());
  textio::write_free_line(xyz_, {kCoordinatesHeading});
  check(xyz_, xyz_path_);
}

void RunFiles::open_close_approaches() {
  errno = 0;
  clo_.open(clo_path_, std::ios::out | std::ios::trunc | std::ios::binary);
  if (!clo_) throw OutputFileError("cannot create the close-approach file (" + clo_path_.string() + ")" + reason());
  textio::write_free_line(clo_, {kApproachesHeading});
  check(clo_, clo_path_);
}

void RunFiles::check(std::ofstream& file, const std::filesystem::path& path) {
  if (!file) throw OutputFileError("cannot write the file (" + path.string() + ")");
}

void RunFiles::write_point(double jd, const dynamics::RotatingPoint& point) {
  xyz_ << coordinates_record(jd, point) << '\n';
  check(xyz_, xyz_path_);
}

void RunFiles::write_approach(const dynamics::CloseApproach& approach) {
  clo_ << approach_record(approach) << '\n';
  check(clo_, clo_path_);
}

void RunFiles::write_collision(int planet) {
  clo_ << collision_lines(planet);
  check(clo_, clo_path_);
}

void RunFiles::close() {
  errno = 0;
  xyz_.close();
  if (!xyz_) throw OutputFileError("cannot write the file (" + xyz_path_.string() + ")" + reason());
  clo_.close();
  if (!clo_) throw OutputFileError("cannot write the file (" + clo_path_.string() + ")" + reason());
}

}  // namespace app
