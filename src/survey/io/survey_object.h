// One object of a survey, made from a usable catalogue record.
#pragma once

#include <string>
#include <string_view>

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

// What makes a line no usable record: "columns <c>" when a number cannot be read, else
// catalogue::record_refusal's text; empty when `record` holds a usable record.
std::string record_problem(std::string_view line, catalogue::CatalogueRecord& record);

// The object of a usable record.
SurveyObject survey_object(const catalogue::CatalogueRecord& record);

}  // namespace survey
