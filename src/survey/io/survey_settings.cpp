// Reading the planets a survey watches.
#include "survey/io/survey_settings.h"

namespace survey {

bool parse_planet_list(std::string_view text, WatchedTargets& watched) {
  WatchedTargets chosen{};
  if (text == "all") {
    chosen.fill(true);
    chosen[0] = false;
    watched = chosen;
    return true;
  }
  size_t start = 0;
  for (;;) {
    const size_t comma = text.find(',', start);
    const std::string_view item = text.substr(start, comma == std::string_view::npos ? comma : comma - start);
    if (item == "moon") {
      chosen[kMoonTarget] = true;
    } else if (item.size() == 1 && item[0] >= '1' && item[0] <= '9') {
      chosen[static_cast<size_t>(item[0] - '0')] = true;
    } else {
      return false;
    }
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  watched = chosen;
  return true;
}

}  // namespace survey
