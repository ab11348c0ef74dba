// Reading the survey's objects from a one-line orbit catalogue, through the catalogue's
// chunked reader, and picking those an object list names.
#include "survey/survey_catalogue.h"

#include <cerrno>
#include <cstring>
#include <functional>
#include <optional>

#include "catalogue/catalogue_file.h"
#include "catalogue/catalogue_lookup.h"
#include "catalogue/catalogue_record.h"
#include "textio/plain_text.h"

namespace survey {
namespace {

// Hands every line of `path` to `take`, with its number. A file that cannot be opened,
// or a folder, is "cannot read the <what> (<path>): <the system's reason>"; a line over the reader's cap or a
// failed read ends with the reader's message.
void read_lines(const std::filesystem::path& path, const char* what,
                const std::function<void(std::string_view, long)>& take) {
  const std::string cannot_read = "cannot read the " + std::string(what) + " (" + path.string() + "): ";
  std::error_code ignored;
  if (std::filesystem::is_directory(path, ignored)) throw SurveyInputError(cannot_read + std::strerror(EISDIR));
  std::optional<catalogue::CatalogueFile> file;
  try {
    file.emplace(path);
  } catch (const catalogue::CatalogueError&) {
    const int reason = errno;  // left by the failed open
    throw SurveyInputError(cannot_read + std::strerror(reason));
  }
  try {
    std::string_view line;
    while (file->next_line(line)) take(line, file->line_number());
  } catch (const catalogue::CatalogueError& error) {
    throw SurveyInputError(error.what());
  }
}

// The records one name of the list matched, as indices into the candidates.
struct NameHits {
  std::vector<std::size_t> by_designation;
  std::vector<std::size_t> by_name;
};

// Keeps the candidate each name found, in catalogue order; a name that finds no record,
// or several, gets one line on `warnings` and keeps nothing.
std::vector<SurveyObject> chosen_objects(const std::vector<SurveyObject>& candidates,
                                         const std::vector<std::string>& names, const std::vector<NameHits>& hits,
                                         std::ostream& warnings) {
  std::vector<bool> chosen(candidates.size(), false);
  for (std::size_t n = 0; n < names.size(); ++n) {
    const std::vector<std::size_t>& found = hits[n].by_designation.empty() ? hits[n].by_name : hits[n].by_designation;
    if (found.size() == 1) {
      chosen[found.front()] = true;
    } else if (found.empty()) {
      warnings << "skytrak3d: --objects: no object matches \"" << textio::printable(names[n]) << "\"\n";
    } else {
      warnings << "skytrak3d: --objects: \"" << textio::printable(names[n]) << "\" matches " << found.size()
               << " objects; none taken\n";
    }
  }
  std::vector<SurveyObject> objects;
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    if (chosen[i]) objects.push_back(candidates[i]);
  }
  return objects;
}

}  // namespace

SurveyCatalogue read_survey_catalogue(const std::filesystem::path& path, const std::vector<std::string>& wanted,
                                      std::ostream& warnings) {
  const std::vector<catalogue::ObjectQuery> queries(wanted.begin(), wanted.end());
  std::vector<NameHits> hits(wanted.size());
  SurveyCatalogue result;
  read_lines(path, "catalogue", [&](std::string_view line, long number) {
    if (line.find_first_not_of(' ') == std::string_view::npos) return;
    catalogue::CatalogueRecord record;
    std::string field;
    if (catalogue::parse_catalogue_record(line, record, field)) {
      field = catalogue::record_refusal(record);
    } else {
      field = "columns " + field;
    }
    if (!field.empty()) {
      warnings << "skytrak3d: bad record skipped (" << path.string() << ", line " << number << ", " << field
               << ")\n";
      ++result.bad_records;
      return;
    }
    bool matched = queries.empty();
    const catalogue::SearchableName name(queries.empty() ? std::string_view() : line);
    for (std::size_t q = 0; q < queries.size(); ++q) {
      if (queries[q].matches_designation(line)) {
        hits[q].by_designation.push_back(result.objects.size());
        matched = true;
      } else if (queries[q].matches_name(name.view())) {
        hits[q].by_name.push_back(result.objects.size());
        matched = true;
      }
    }
    if (!matched) return;
    SurveyObject object;
    object.packed = std::string(textio::trim_blanks(record.designation));
    object.designation = std::string(textio::trim_blanks(record.name28));
    if (object.designation.empty()) object.designation = object.packed;
    object.epoch_jd = catalogue::epoch_julian_date(record);
    object.elements = record.elements;
    object.mean_motion = record.mean_motion;
    result.objects.push_back(std::move(object));
  });
  if (!wanted.empty()) result.objects = chosen_objects(result.objects, wanted, hits, warnings);
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
