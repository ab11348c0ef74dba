// Lookup by designation first, by name second, in one pass over the catalogue.
#include "app/catalogue_lookup.h"


#include <algorithm>

#include "app/designation.h"
#include "textio/plain_text.h"

namespace app {

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

std::vector<CatalogueRecord> look_up_catalogue(CatalogueFile& catalogue, std::string_view text) {
  const std::string_view wanted = textio::trim_blanks(text);
  std::vector<std::string> designations;
  if (!wanted.empty() && wanted.size() <= kDesignationWidth) designations.push_back(padded_designation(wanted));
  if (std::optional<std::string> packed = pack_designation(wanted)) designations.push_back(padded_designation(*packed));
  const std::string name_part = textio::lower_case(wanted);

  std::vector<CatalogueRecord> by_designation;
  std::vector<CatalogueRecord> by_name;
  std::string_view line;
  while (catalogue.next_line(line)) {
    const bool designation_match = std::any_of(designations.begin(), designations.end(), [line](const std::string& d) {
      return designation_matches(line, d);
    });
    if (designation_match) {
      by_designation.push_back(read_record(catalogue, line));
    } else if (by_designation.empty() && !name_part.empty() && line.size() > kName28Offset &&
               textio::lower_case(line.substr(kName28Offset, kName28Width)).find(name_part) != std::string::npos) {
      by_name.push_back(read_record(catalogue, line));
    }
  }
  return by_designation.empty() ? by_name : by_designation;
}

}  // namespace app
