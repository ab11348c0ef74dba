// The objects of a survey: every readable record of a catalogue file, or only those whose
// designation a list names. Bad records are reported and skipped, never fatal.
#pragma once

#include <filesystem>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

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

// Names of an --objects file, one a line, surrounding blanks trimmed, empty lines
// ignored.
std::vector<std::string> read_object_list(const std::filesystem::path& path);

}  // namespace survey
