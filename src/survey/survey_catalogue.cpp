// Reading the survey's objects from a one-line orbit catalogue.
#include "survey/survey_catalogue.h"

#include <algorithm>
#include <fstream>
#include <unordered_set>

#include "app/catalogue_record.h"
#include "textio/plain_text.h"

namespace survey {
namespace {

std::ifstream open_input(const std::filesystem::path& path, const char* what) {
  std::ifstream in(path, std::ios::binary);
  std::error_code ignored;
  if (!in || std::filesystem::is_directory(path, ignored)) throw SurveyInputError("cannot read the " + std::string(what) + " (" + path.string() + ")");
  return in;
}

bool next_line(std::ifstream& in, std::string& line) {
  if (!std::getline(in, line)) return false;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

void check_read_to_end(const std::ifstream& in, const std::filesystem::path& path, const char* what) {
  if (in.bad()) throw SurveyInputError("cannot read the " + std::string(what) + " (" + path.string() + ")");
}

}  // namespace

SurveyCatalogue read_survey_catalogue(const std::filesystem::path& path, const std::vector<std::string>& wanted,
                                      std::ostream& warnings) {
  std::ifstream in = open_input(path, "catalogue");
  const std::unordered_set<std::string> wanted_set(wanted.begin(), wanted.end());
  SurveyCatalogue catalogue;
  std::string line;
  long number = 0;
  while (next_line(in, line)) {
    ++number;
    if (line.find_first_not_of(' ') == std::string::npos) continue;
    app::CatalogueRecord record;
    std::string field;
    if (app::parse_catalogue_record(line, record, field)) {
      field = app::record_refusal(record);
    } else {
      field = "columns " + field;
    }
    if (!field.empty()) {
      warnings << "skytrak3d: bad record skipped (" << path.string() << ", line " << number << ", " << field
               << ")\n";
      ++catalogue.bad_records;
      continue;
    }
    SurveyObject object;
    object.packed = std::string(textio::trim_blanks(record.designation));
    object.designation = std::string(textio::trim_blanks(record.name28));
    if (object.designation.empty()) object.designation = object.packed;
    if (!wanted_set.empty() && !wanted_set.contains(object.packed) && !wanted_set.contains(object.designation)) {
      continue;
    }
    object.epoch_jd = app::epoch_julian_date(record);
    object.elements = record.elements;
    catalogue.objects.push_back(std::move(object));
  }
  check_read_to_end(in, path, "catalogue");
  return catalogue;
}

std::vector<std::string> read_object_list(const std::filesystem::path& path) {
  std::ifstream in = open_input(path, "object list");
  std::vector<std::string> names;
  std::string line;
  while (next_line(in, line)) {
    std::string name = std::string(textio::trim_blanks(line));
    if (!name.empty()) names.push_back(std::move(name));
  }
  check_read_to_end(in, path, "object list");
  return names;
}

}  // namespace survey
