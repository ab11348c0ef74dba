// A usable catalogue record turned into a survey object.
#include "survey/io/survey_object.h"

#include "textio/plain_text.h"

namespace survey {

std::string record_problem(std::string_view line, catalogue::CatalogueRecord& record) {
  std::string field;
  if (!catalogue::parse_catalogue_record(line, record, field)) return "columns " + field;
  return catalogue::record_refusal(record);
}

SurveyObject survey_object(const catalogue::CatalogueRecord& record) {
  SurveyObject object;
  object.packed = std::string(textio::trim_blanks(record.designation));
  object.designation = std::string(textio::trim_blanks(record.name28));
  if (object.designation.empty()) object.designation = object.packed;
  object.epoch_jd = catalogue::epoch_julian_date(record);
  object.elements = record.elements;
  object.mean_motion = record.mean_motion;
  return object;
}

}  // namespace survey
