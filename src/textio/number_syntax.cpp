// Strict parsing of decimal numbers and integers, shared by the console and file readers.
#include "textio/number_syntax.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace textio {

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool scan_real(std::string_view text, std::size_t& mantissa_end, bool& point_seen) {
  std::size_t pos = 0;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
  std::size_t digits = 0;
  point_seen = false;
  for (; pos < text.size(); ++pos) {
    if (is_digit(text[pos])) {
      ++digits;
    } else if (text[pos] == '.' && !point_seen) {
      point_seen = true;
    } else {
      break;
    }
  }
  if (digits == 0) return false;
  mantissa_end = pos;
  if (pos == text.size()) return true;
  const char e = text[pos];
  if (e != 'E' && e != 'e' && e != 'D' && e != 'd') return false;
  ++pos;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
  const std::size_t exponent_start = pos;
  while (pos < text.size() && is_digit(text[pos])) ++pos;
  return pos > exponent_start && pos == text.size();
}

namespace {

// Checks the syntax, then converts with from_chars, which knows neither a "+" sign nor
// a D exponent. Values beyond its range go to strtod or strtof, which tell overflow
// (refused) from underflow (zero or a subnormal).
template <typename Number>
NumberStatus convert_real(std::string_view text, Number& value, Number (*fallback)(const char*, char**)) {
  std::size_t mantissa_end = 0;
  bool point_seen = false;
  if (!scan_real(text, mantissa_end, point_seen)) return NumberStatus::not_a_number;
  std::string buffer(text);  // short fields stay within the string's own storage
  if (mantissa_end < buffer.size()) buffer[mantissa_end] = 'E';
  const std::size_t first = buffer[0] == '+' ? 1 : 0;
  Number result{};
  const auto [end, ec] = std::from_chars(buffer.data() + first, buffer.data() + buffer.size(), result);
  if (ec == std::errc::result_out_of_range) {
    result = fallback(buffer.c_str(), nullptr);
  } else if (ec != std::errc{} || end != buffer.data() + buffer.size()) {
    return NumberStatus::not_a_number;
  }
  if (std::isinf(result)) return NumberStatus::out_of_range;
  value = result;
  return NumberStatus::ok;
}

}  // namespace

NumberStatus parse_real(std::string_view text, double& value) { return convert_real(text, value, std::strtod); }

NumberStatus parse_single(std::string_view text, float& value) { return convert_real(text, value, std::strtof); }

NumberStatus parse_integer(std::string_view text, int& value) {
  std::size_t pos = 0;
  if (!text.empty() && text[0] == '+') pos = 1;  // from_chars takes "-" but not "+"
  if (pos == text.size() || !(is_digit(text[pos]) || (pos == 0 && text[0] == '-'))) {
    return NumberStatus::not_a_number;
  }
  int result = 0;
  const char* first = text.data() + pos;
  const char* last = text.data() + text.size();
  const auto [end, ec] = std::from_chars(first, last, result);
  if (ec == std::errc::result_out_of_range) return NumberStatus::out_of_range;
  if (ec != std::errc{} || end != last) return NumberStatus::not_a_number;
  value = result;
  return NumberStatus::ok;
}

}  // namespace textio
