// Reading the survey's objects from a one-line orbit catalogue, through the catalogue's
// chunked reader, and picking those an object list names.
#include "survey/survey_catalogue.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <set>
#include <utility>

#include "catalogue/catalogue_lookup.h"
#include "textio/plain_text.h"

namespace survey {
namespace {

// Hands every line of `path` to `take`, with its number. A line over the reader's cap or
// a failed read ends with the reader's message.
void read_lines(const std::filesystem::path& path, const char* what,
                const std::function<void(std::string_view, long)>& take) {
  const std::unique_ptr<catalogue::CatalogueFile> file = open_survey_file(path, what);
  try {
    std::string_view line;
    while (file->next_line(line)) take(line, file->line_number());
  } catch (const catalogue::CatalogueError& error) {
    throw SurveyInputError(error.what());
  }
}

// Hands every usable record of the catalogue at `path` to `take`, with its line and the
// line's number; a record that is not usable gets one line on `warnings`. Blank lines, and
// the lines `pass_over` (when given) names by their text and number, are passed over
// unread. Returns the records not usable.
int read_usable_records(
    const std::filesystem::path& path, std::ostream& warnings,
    const std::function<void(std::string_view, long, const catalogue::CatalogueRecord&)>& take,
    const std::function<bool(std::string_view, long)>& pass_over = nullptr) {
  int bad_records = 0;
  read_lines(path, "catalogue", [&](std::string_view line, long number) {
    if (line.find_first_not_of(' ') == std::string_view::npos) return;
    if (pass_over && pass_over(line, number)) return;
    catalogue::CatalogueRecord record;
    if (const std::string problem = record_problem(line, record); !problem.empty()) {
      warnings << "skytrak3d: bad record skipped (" << path.string() << ", line " << number << ", " << problem
               << ")\n";
      ++bad_records;
      return;
    }
    take(line, number, record);
  });
  return bad_records;
}

// The names of an object list looked for in the usable records, each record a name
// finds being a candidate; once the whole catalogue is read, each name picks the one
// candidate it found.
class NamePicker {
 public:
  explicit NamePicker(const std::vector<std::string>& names)
      : names_(names), queries_(names.begin(), names.end()), hits_(names.size()) {}

  // True when a name finds the record of `line`, the candidate numbered `candidate`.
  bool finds(std::string_view line, std::size_t candidate) {
    bool found = false;
    const catalogue::SearchableName name(line);
    for (std::size_t q = 0; q < queries_.size(); ++q) {
      if (queries_[q].matches_designation(line)) {
        hits_[q].by_designation.push_back(candidate);
        found = true;
      } else if (queries_[q].matches_name(name.view())) {
        hits_[q].by_name.push_back(candidate);
        found = true;
      }
    }
    return found;
  }

  // Whether each of the `candidates` was picked. A name that found no record, or
  // several, gets one line on `warnings` and picks nothing.
  std::vector<bool> picked(std::size_t candidates, std::ostream& warnings) const {
    std::vector<bool> chosen(candidates, false);
    for (std::size_t n = 0; n < names_.size(); ++n) {
      const std::vector<std::size_t>& found =
          hits_[n].by_designation.empty() ? hits_[n].by_name : hits_[n].by_designation;
      if (found.size() == 1) {
        chosen[found.front()] = true;
      } else if (found.empty()) {
        warnings << "skytrak3d: --objects: no object matches \"" << textio::printable(names_[n]) << "\"\n";
      } else {
        warnings << "skytrak3d: --objects: \"" << textio::printable(names_[n]) << "\" matches " << found.size()
                 << " objects; none taken\n";
      }
    }
    return chosen;
  }

 private:
  // The records one name found, as candidate numbers.
  struct NameHits {
    std::vector<std::size_t> by_designation;
    std::vector<std::size_t> by_name;
  };
  const std::vector<std::string>& names_;
  std::vector<catalogue::ObjectQuery> queries_;
  std::vector<NameHits> hits_;
};

}  // namespace

FileStamp file_stamp(const std::filesystem::path& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) return {};
  return {static_cast<std::uintmax_t>(status.st_dev), static_cast<std::uintmax_t>(status.st_ino),
          static_cast<std::uintmax_t>(status.st_size),
          static_cast<long long>(status.st_mtim.tv_sec) * 1'000'000'000LL + status.st_mtim.tv_nsec};
}

std::unique_ptr<catalogue::CatalogueFile> open_survey_file(const std::filesystem::path& path, const char* what) {
  const std::string cannot_read = "cannot read the " + std::string(what) + " (" + path.string() + "): ";
  std::error_code ignored;
  if (std::filesystem::is_directory(path, ignored)) throw SurveyInputError(cannot_read + std::strerror(EISDIR));
  try {
    return std::make_unique<catalogue::CatalogueFile>(path);
  } catch (const catalogue::CatalogueError&) {
    const int reason = errno;  // left by the failed open
    throw SurveyInputError(cannot_read + std::strerror(reason));
  }
}

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

CatalogueCensus take_census(const std::filesystem::path& path, const std::vector<std::string>& wanted,
                            std::ostream& warnings, const LineShare& in_share, OtherShares other_shares) {
  CatalogueCensus census;
  census.picking = !wanted.empty();
  std::error_code ignored;
  census.holds_objects = std::filesystem::exists(path, ignored) && !std::filesystem::is_regular_file(path, ignored);
  census.stamp = file_stamp(path);
  std::set<double> epochs;
  // Counts the record on a line of epoch `epoch`; its object is made only when kept.
  auto count = [&](long line_number, double epoch, const auto& make_object) {
    ++census.objects;
    const bool mine = in_share(line_number);
    if (mine) ++census.objects_of_epoch[epoch];
    const bool held = mine && census.holds_objects;
    const bool first_of_epoch = epochs.insert(epoch).second;
    if (!held && !first_of_epoch) return;
    SurveyObject object = make_object();
    if (held) census.held.push_back(object);
    if (first_of_epoch) census.first_of_epochs.push_back(std::move(object));
  };
  // The epoch columns of the usable records counted so far: a record of another share
  // with the same columns cannot bring a new epoch, so it needs no reading for the window.
  std::set<std::string, std::less<>> epoch_columns;
  const auto epoch_of = [](std::string_view line) {
    return line.substr(std::min(line.size(), catalogue::kEpochOffset), catalogue::kEpochWidth);
  };
  const bool epochs_only = other_shares == OtherShares::epochs_only && !census.picking;
  const auto pass_over = [&](std::string_view line, long number) {
    return !in_share(number) && epoch_columns.find(epoch_of(line)) != epoch_columns.end();
  };
  NamePicker names(wanted);
  std::vector<std::pair<long, SurveyObject>> candidates;  // line number, object
  census.bad_records = read_usable_records(
      path, warnings,
      [&](std::string_view line, long number, const catalogue::CatalogueRecord& record) {
        if (!census.picking) {
          count(number, catalogue::epoch_julian_date(record), [&record] { return survey_object(record); });
          if (epochs_only && epoch_columns.find(epoch_of(line)) == epoch_columns.end()) {
            epoch_columns.emplace(epoch_of(line));  // a node only for columns not seen yet
          }
        } else if (names.finds(line, candidates.size())) {
          candidates.emplace_back(number, survey_object(record));
        }
      },
      epochs_only ? std::function<bool(std::string_view, long)>(pass_over) : nullptr);
  if (!census.picking) return census;
  const std::vector<bool> picked = names.picked(candidates.size(), warnings);
  for (std::size_t i = 0; i < picked.size(); ++i) {
    if (!picked[i]) continue;
    census.picked_lines.push_back(candidates[i].first);
    SurveyObject& object = candidates[i].second;
    count(candidates[i].first, object.epoch_jd, [&object] { return std::move(object); });
  }
  return census;
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
