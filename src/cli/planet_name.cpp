// Planet names and numbers.
#include "cli/planet_name.h"

#include "dynamics/constants.h"
#include "textio/plain_text.h"

namespace cli {

std::optional<int> planet_number(std::string_view text) {
  const std::string lower = textio::lower_case(text);
  for (int n = 1; n <= dynamics::kPlanetCount; ++n) {
    const std::string_view padded = dynamics::kPlanetNames[static_cast<std::size_t>(n - 1)];
    const std::string name = textio::lower_case(padded.substr(0, padded.find(' ')));
    if (text == std::to_string(n) || lower == name) return n;
  }
  return std::nullopt;
}

std::string planet_names_as_numbers(std::string_view list) {
  std::string numbers;
  for (std::size_t start = 0;;) {
    const std::size_t comma = list.find(',', start);
    const std::string_view item = list.substr(start, comma == std::string_view::npos ? comma : comma - start);
    const std::optional<int> number = planet_number(item);
    numbers += number ? std::to_string(*number) : textio::lower_case(item);
    if (comma == std::string_view::npos) return numbers;
    numbers += ',';
    start = comma + 1;
  }
}

}  // namespace cli
