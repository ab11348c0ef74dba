// A survey's objects read whole, and an object list's names.
#include "survey/io/object_list.h"

#include <utility>

#include "survey/io/catalogue_lines.h"
#include "survey/io/name_picker.h"
#include "textio/plain_text.h"

namespace survey {

SurveyCatalogue read_survey_catalogue(const std::filesystem::path& path, const std::vector<std::string>& wanted,
                                      std::ostream& warnings) {
  NamePicker names(wanted);
  SurveyCatalogue result;
  result.bad_records = read_usable_records(
      path, warnings, [&](std::string_view line, long, const catalogue::CatalogueRecord& record) {
        if (!wanted.empty() && !names.finds(line, result.objects.size())) return;
        result.objects.push_back(survey_object(record));
      });
  if (wanted.empty()) return result;
  const std::vector<bool> picked = names.picked(result.objects.size(), warnings);
  std::vector<SurveyObject> objects;
  for (std::size_t i = 0; i < picked.size(); ++i) {
    if (picked[i]) objects.push_back(std::move(result.objects[i]));
  }
  result.objects = std::move(objects);
  return result;
}

std::vector<std::string> read_object_list(const std::filesystem::path& path) {
  std::vector<std::string> names;
  read_lines(path, "object list", [&](std::string_view line, long) {
    std::string name = std::string(textio::trim_blanks(line));
    if (!name.empty()) names.push_back(std::move(name));
  });
  return names;
}

}  // namespace survey
