// The objects of a survey: every readable record of a catalogue file, or only those whose
// designation a list names, read whole or counted in a first pass (the census) for a
// survey that streams them. Bad records are reported and skipped, never fatal.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue_file.h"
#include "catalogue/catalogue_record.h"
#include "dynamics/orbital_elements.h"

namespace survey {

struct SurveyObject {
  std::string designation;  // the readable name (columns 167-194), else the packed one
  std::string packed;       // columns 1-7, blanks trimmed
  double epoch_jd = 0.0;    // Julian date of the elements
  dynamics::OrbitalElements elements;
  double mean_motion = 0.0;  // degrees per day, from the record
};

struct SurveyCatalogue {
  std::vector<SurveyObject> objects;
  int bad_records = 0;
};

// A catalogue or list that cannot be opened or read.
class SurveyInputError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads every record of `path` (lines of at most 4096 characters). A record that cannot
// be read (a number), or that the dialogue would refuse (catalogue::record_refusal: epoch,
// semimajor axis, eccentricity), gets one line "skytrak3d: bad record skipped (<file>,
// line <n>, <field>)" on `warnings` and is counted. When `wanted` is not empty, only the
// records its names find as `run --object` does (catalogue::ObjectQuery: packed or
// readable designation, else part of the name) are kept, in catalogue order; a name that
// finds no record gets "skytrak3d: --objects: no object matches "<name>"", one that finds
// several "skytrak3d: --objects: "<name>" matches <n> objects; none taken" on `warnings`.
SurveyCatalogue read_survey_catalogue(const std::filesystem::path& path, const std::vector<std::string>& wanted,
                                      std::ostream& warnings);

// What tells one state of a file from another: its identity on the disk, size and time
// of the last change.
struct FileStamp {
  std::uintmax_t device = 0, inode = 0, size = 0;
  long long changed_ns = 0;
  bool operator==(const FileStamp&) const = default;
};

// The stamp of the file at `path`, or an empty one when it cannot be had.
FileStamp file_stamp(const std::filesystem::path& path);

// What a first pass over a catalogue learns without holding its objects: enough to
// refuse a window, to size the planets' tables and the progress, and to find the
// records an object list picked on a second pass.
struct CatalogueCensus {
  int bad_records = 0;
  long objects = 0;  // the objects of the survey, in every share (not kept with OtherShares::epochs_only)
  std::vector<SurveyObject> first_of_epochs;  // the first object of each epoch, in catalogue order
  std::map<double, size_t> objects_of_epoch;  // objects of this process's share, by epoch
  bool picking = false;                       // an object list chose the objects
  std::vector<long> picked_lines;             // then the lines of their records, increasing
  // A catalogue that is no regular file (a pipe) cannot be read again: the objects of
  // this process's share are then held here, in catalogue order.
  bool holds_objects = false;
  std::vector<SurveyObject> held;
  FileStamp stamp;  // the catalogue's when the census began
};

// Tells whether the record on a line (its number) belongs to this process's share.
using LineShare = std::function<bool(long line_number)>;

// How much of the records outside this process's share the census reads.
enum class OtherShares {
  read_in_full,  // every record checked, counted and, when bad, reported
  // Only what the window check needs (the first object of each epoch): without an object
  // list, a record whose epoch columns an earlier usable record had is passed over unread,
  // neither counted nor reported. For the ranks that report nothing.
  epochs_only,
};

// Reads the catalogue as read_survey_catalogue does, with the same lines on `warnings`,
// but holds only the records the names of `wanted` found (none when it is empty), until
// the names are settled, and the objects of a catalogue that is no regular file.
CatalogueCensus take_census(const std::filesystem::path& path, const std::vector<std::string>& wanted,
                            std::ostream& warnings, const LineShare& in_share,
                            OtherShares other_shares = OtherShares::read_in_full);

// Opens a file the survey reads: "cannot read the <what> (<path>): <the system's
// reason>" when it cannot (a folder cannot).
std::unique_ptr<catalogue::CatalogueFile> open_survey_file(const std::filesystem::path& path, const char* what);

// What makes a line no usable record: "columns <c>" when a number cannot be read, else
// catalogue::record_refusal's text; empty when `record` holds a usable record.
std::string record_problem(std::string_view line, catalogue::CatalogueRecord& record);

// The object of a usable record.
SurveyObject survey_object(const catalogue::CatalogueRecord& record);

// Names of an --objects file, one a line, surrounding blanks trimmed, empty lines
// ignored.
std::vector<std::string> read_object_list(const std::filesystem::path& path);

}  // namespace survey
