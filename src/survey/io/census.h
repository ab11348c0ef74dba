// The first pass over a survey's catalogue (the census): what it learns without holding
// the objects, and the stamp that tells whether the file changed before the second pass.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "survey/io/survey_object.h"

namespace survey {

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

}  // namespace survey
