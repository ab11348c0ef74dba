// Lookup by designation first, by name second, in one pass over the catalogue.
#include "catalogue/catalogue_lookup.h"

#include <algorithm>

#include "catalogue/designation.h"
#include "textio/plain_text.h"

namespace catalogue {

namespace {

std::string padded_designation(std::string_view designation) {
  std::string padded(designation.substr(0, kDesignationWidth));
  padded.resize(kDesignationWidth, ' ');
  return padded;
}

CatalogueRecord read_record(const CatalogueFile& catalogue, std::string_view line) {
  CatalogueRecord record;
  std::string failed_columns;
  if (!parse_catalogue_record(line, record, failed_columns)) throw catalogue.unreadable_record(failed_columns);
  return record;
}

}  // namespace

ObjectQuery::ObjectQuery(std::string_view text) {
  const std::string_view wanted = textio::trim_blanks(text);
  if (!wanted.empty() && wanted.size() <= kDesignationWidth) designations_.push_back(padded_designation(wanted));
  if (std::optional<std::string> packed = pack_designation(wanted)) designations_.push_back(padded_designation(*packed));
  name_part_ = textio::lower_case(wanted);
}

bool ObjectQuery::matches_designation(std::string_view line) const {
  return std::any_of(designations_.begin(), designations_.end(),
                     [line](const std::string& d) { return designation_matches(line, d); });
}

bool ObjectQuery::matches_name(std::string_view name) const {
  return !name_part_.empty() && name.find(name_part_) != std::string_view::npos;
}

SearchableName::SearchableName(std::string_view line) {
  if (line.size() <= kName28Offset) return;
  const std::string_view name = line.substr(kName28Offset, kName28Width);
  size_ = name.size();
  std::transform(name.begin(), name.end(), chars_.begin(), textio::lower_case_char);
}

std::vector<CatalogueRecord> look_up_catalogue(CatalogueFile& catalogue, std::string_view text) {
  const ObjectQuery query(text);
  std::vector<CatalogueRecord> by_designation;
  std::vector<CatalogueRecord> by_name;
  std::string_view line;
  while (catalogue.next_line(line)) {
    if (query.matches_designation(line)) {
      by_designation.push_back(read_record(catalogue, line));
    } else if (by_designation.empty() && query.matches_name(SearchableName(line).view())) {
      by_name.push_back(read_record(catalogue, line));
    }
  }
  return by_designation.empty() ? by_name : by_designation;
}

}  // namespace catalogue
