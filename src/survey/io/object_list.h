// The objects of a survey held whole: every usable record of a catalogue, or only those
// an object list names; and the names of such a list.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "survey/io/object_list.h"
#include "survey/io/survey_object.h"

namespace survey {

struct SurveyCatalogue {
  std::vector<SurveyObject> objects;
  int bad_records = 0;
};

// Reads every record of `path` (lines of at most 4096 characters). A record that cannot
// be read (a number), or that the dialogue would refuse (catalogue::record_refusal: epoch,
// semimajor axis, eccentricity), gets one line on `warnings` and is counted
// (read_usable_records). When `wanted` is not empty, only the records its names pick
// (NamePicker) are kept, in catalogue order.
SurveyCatalogue read_survey_catalogue(const std::filesystem::path& path, const std::vector<std::string>& wanted,
                                      std::ostream& warnings);

// Names of an --objects file, one a line, surrounding blanks trimmed, empty lines
// ignored.
std::vector<std::string> read_object_list(const std::filesystem::path& path);

}  // namespace survey
