// Headings, records and checked writing of the coordinates and close-approach files.
#include "app/run_files.h"

#include "app/coordinates_record.h"
#include "app/file_stem.h"
#include "errors/error.h"
#include "textio/fixed_format.h"
#include "textio/free_writer.h"

namespace app {
namespace {

constexpr const char* kApproachesHeading = "  JDclose      Dmin/Rplan   Vp(K/s)    energy  Planet";
constexpr const char* kCollisionLine = "IMMINENT COLLISION WITH PLANET ";
constexpr const char* kEvacuateLine = "PLEASE, EVACUATE THE PLANET";

// The system's reason for a failure of the sink, e.g. ": No space left on device".
std::string reason(const devices::ByteSink& sink) { return ": " + sink.reason(); }

}  // namespace

std::string approach_record(const dynamics::CloseApproach& approach) {
  return textio::format_fw(approach.jd, 14, 2) + textio::format_fw(approach.dmin_rplan, 10, 1) +
         textio::format_fw(approach.vp_kms, 10, 2) + textio::format_fw(approach.energy, 12, 4) +
         textio::format_iw(approach.planet, 5);
}

std::string collision_lines(int planet) {
  return textio::format_free_line({kCollisionLine, planet}) + textio::format_free_line({kEvacuateLine});
}

std::string coordinates_file_name(const std::string& name7) { return file_stem(name7) + ".xyz"; }

RunFiles::RunFiles(const std::filesystem::path& folder, const std::string& name7)
    : xyz_path_(folder / coordinates_file_name(name7)), clo_path_(folder / (file_stem(name7) + ".clo")) {
  if (!xyz_.open(xyz_path_.string()))
    throw errors::Failure("cannot create the coordinates file (" + xyz_path_.string() + ")" + reason(xyz_));
  xyz_.write(textio::format_free_line({kCoordinatesHeading}));
}

void RunFiles::open_close_approaches() {
  if (!clo_.open(clo_path_.string()))
    throw errors::Failure("cannot create the close-approach file (" + clo_path_.string() + ")" + reason(clo_));
  clo_.write(textio::format_free_line({kApproachesHeading}));
}

// A failed write is found at the latest when the file is finished; the sink keeps the
// first error until then, so the records need no check of their own.
void RunFiles::write_point(double jd, const dynamics::RotatingPoint& point) {
  xyz_.write(coordinates_record(jd, point));
  xyz_.put('\n');
}

void RunFiles::write_approach(const dynamics::CloseApproach& approach) {
  clo_.write(approach_record(approach));
  clo_.put('\n');
}

void RunFiles::write_collision(int planet) { clo_.write(collision_lines(planet)); }

void RunFiles::close() {
  if (!xyz_.finish()) throw errors::Failure("cannot write the file (" + xyz_path_.string() + ")" + reason(xyz_));
  if (!clo_.finish()) throw errors::Failure("cannot write the file (" + clo_path_.string() + ")" + reason(clo_));
  // The close-approach file first: the coordinates file is what the program reads back,
  // so it is replaced last, when nothing else can fail any more.
  if (!clo_.commit()) throw errors::Failure("cannot write the file (" + clo_path_.string() + ")" + reason(clo_));
  if (!xyz_.commit()) throw errors::Failure("cannot write the file (" + xyz_path_.string() + ")" + reason(xyz_));
}

}  // namespace app
