// Picking the records an object list names.
#include "survey/io/name_picker.h"

#include "textio/plain_text.h"

namespace survey {

NamePicker::NamePicker(const std::vector<std::string>& names)
    : names_(names), queries_(names.begin(), names.end()), hits_(names.size()) {}

bool NamePicker::finds(std::string_view line, std::size_t candidate) {
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

std::vector<bool> NamePicker::picked(std::size_t candidates, std::ostream& warnings) const {
  std::vector<bool> chosen(candidates, false);
  for (std::size_t n = 0; n < names_.size(); ++n) {
    const std::vector<std::size_t>& found =
        hits_[n].by_designation.empty() ? hits_[n].by_name : hits_[n].by_designation;
    if (found.size() == 1) {
      chosen[found.front()] = true;
    } else if (found.empty()) {
      warnings << "--objects: no object matches \"" << textio::printable(names_[n]) << "\"\n";
    } else {
      warnings << "--objects: \"" << textio::printable(names_[n]) << "\" matches " << found.size()
               << " objects; none taken\n";
    }
  }
  return chosen;
}

}  // namespace survey
