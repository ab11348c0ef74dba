// Reading the survey's objects chunk by chunk.
#include "survey/io/object_stream.h"

#include <string>
#include <string_view>
#include <utility>

#include "errors/error.h"

namespace survey {

SurveyObjectStream::SurveyObjectStream(const std::filesystem::path& path, const CatalogueCensus& census,
                                       LineShare in_share)
    : file_(census.holds_objects ? nullptr : open_survey_file(path, "catalogue")),
      census_(census),
      in_share_(std::move(in_share)) {
  // Replaced or edited since the census, the file would bring objects that no census
  // counted, nor the window check saw.
  if (file_ && file_stamp(path) != census.stamp) {
    throw errors::Failure("the catalogue changed after its first reading (" + path.string() +
                           "); run the survey again");
  }
}

std::size_t SurveyObjectStream::read(std::vector<SurveyObject>& objects, std::size_t most) {
  std::size_t taken = 0;
  if (census_.holds_objects) {
    for (; next_held_ < census_.held.size() && taken < most; ++next_held_, ++taken) {
      objects.push_back(census_.held[next_held_]);
    }
    return taken;
  }
  const std::vector<long>& picks = census_.picked_lines;
  std::string_view line;
  while (taken < most) {
    if (census_.picking && next_pick_ == picks.size()) break;  // the rest holds no picked record
    if (!file_->next_line(line)) break;
    const long number = file_->line_number();
    if (census_.picking) {
      if (number != picks[next_pick_]) continue;
      ++next_pick_;
    }
    if (!in_share_(number)) continue;
    catalogue::CatalogueRecord record;
    if (!record_problem(line, record).empty()) continue;
    objects.push_back(survey_object(record));
    ++taken;
  }
  return taken;
}

}  // namespace survey
