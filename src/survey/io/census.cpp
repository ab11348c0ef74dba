// The census of a survey's catalogue, and the file's stamp.
#include "survey/io/census.h"

#include <sys/stat.h>

#include <algorithm>
#include <set>
#include <string_view>
#include <system_error>
#include <utility>

#include "survey/io/catalogue_lines.h"
#include "survey/io/name_picker.h"

namespace survey {

FileStamp file_stamp(const std::filesystem::path& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) return {};
  return {static_cast<std::uintmax_t>(status.st_dev), static_cast<std::uintmax_t>(status.st_ino),
          static_cast<std::uintmax_t>(status.st_size),
          static_cast<long long>(status.st_mtim.tv_sec) * 1'000'000'000LL + status.st_mtim.tv_nsec};
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

}  // namespace survey
