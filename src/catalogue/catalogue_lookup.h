// Looking objects up in the catalogue as people write them: packed or readable
// designation, or part of the name.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue_file.h"
#include "catalogue/catalogue_record.h"

namespace catalogue {

// One object as a person wrote it, matched against catalogue lines: by the packed
// designation (the text itself, or the text packed from its readable form), or by part
// of the readable name, ignoring case.
class ObjectQuery {
 public:
  explicit ObjectQuery(std::string_view text);

  // True when columns 1-7 of `line` are the text or its packed form.
  bool matches_designation(std::string_view line) const;
  // True when `name` (SearchableName of a line) contains the text, ignoring case.
  bool matches_name(std::string_view name) const;

 private:
  std::vector<std::string> designations_;  // padded to kDesignationWidth
  std::string name_part_;                  // lower case; empty matches no name
};

// The readable name of `line` (columns 167-194) in lower case, or empty for a shorter
// line; held in place, so that a search of the whole catalogue makes no string per line.
class SearchableName {
 public:
  explicit SearchableName(std::string_view line);
  std::string_view view() const { return {chars_.data(), size_}; }

 private:
  std::array<char, kName28Width> chars_{};
  std::size_t size_ = 0;
};

// The records of `catalogue` (read to its end) that match `text`: those whose packed
// designation is the text itself or the text packed from its readable form; when none
// match so, those whose readable name (columns 167-194) contains the text, ignoring case.
// A matching record whose numbers cannot be read throws errors::Failure.
std::vector<CatalogueRecord> look_up_catalogue(CatalogueFile& catalogue, std::string_view text);

}  // namespace catalogue
