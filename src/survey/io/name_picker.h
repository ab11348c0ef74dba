// The names of an `--objects` list looked for in a catalogue's usable records: each
// record a name finds is a candidate; once the whole catalogue is read, each name picks
// the one candidate it found, as `run --object` would (catalogue::ObjectQuery: packed or
// readable designation first, else part of the name).
#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue_lookup.h"

namespace survey {

class NamePicker {
 public:
  explicit NamePicker(const std::vector<std::string>& names);

  // True when a name finds the record of `line`, the candidate numbered `candidate`.
  bool finds(std::string_view line, std::size_t candidate);

  // Whether each of the `candidates` was picked. A name that found no record gets
  // "--objects: no object matches "<name>"", one that found several "--objects: "<name>"
  // matches <n> objects; none taken" on `warnings`, and picks nothing.
  std::vector<bool> picked(std::size_t candidates, std::ostream& warnings) const;

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

}  // namespace survey
