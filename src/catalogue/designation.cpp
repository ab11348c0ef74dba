// Packing of numbered, provisional and survey designations.
#include "catalogue/designation.h"

#include <cctype>
#include <charconv>

#include "textio/plain_text.h"

namespace catalogue {

namespace {

constexpr long kFiveDigitLimit = 100000;
constexpr long kLetterLimit = 620000;
constexpr long kBase62Limit = kLetterLimit + 62L * 62 * 62 * 62;
constexpr std::string_view kBase62 = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

bool all_digits(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (std::isdigit(static_cast<unsigned char>(c)) == 0) return false;
  }
  return true;
}

long to_number(std::string_view digits) {
  long value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc() || end != digits.data() + digits.size()) return -1;
  return value;
}

bool is_upper(char c) { return c >= 'A' && c <= 'Z'; }

// Number in two places: "05", "99"; 100..619 as a base-62 letter and a digit ("A0", "a0").
std::optional<std::string> pack_two_places(long value) {
  if (value < 0 || value >= 620) return std::nullopt;
  const std::string units(1, static_cast<char>('0' + value % 10));
  return std::string(1, kBase62[static_cast<std::size_t>(value / 10)]) + units;
}

// "2004 MN4": year, blank, half-month letter (I is not used), second letter (Z is not
// used), optional cycle count.
std::optional<std::string> pack_provisional(std::string_view text) {
  if (text.size() < 7 || !all_digits(text.substr(0, 4)) || text[4] != ' ') return std::nullopt;
  const char half_month = text[5];
  const char second = text[6];
  if (!is_upper(half_month) || half_month == 'I' || half_month == 'Z') return std::nullopt;
  if (!is_upper(second) || second == 'I') return std::nullopt;
  const std::string_view cycle_digits = text.substr(7);
  long cycle = 0;
  if (!cycle_digits.empty()) {
    if (!all_digits(cycle_digits)) return std::nullopt;
    cycle = to_number(cycle_digits);
  }
  const long year = to_number(text.substr(0, 4));
  const std::optional<std::string> cycle_code = pack_two_places(cycle);
  if (year < 1800 || !cycle_code) return std::nullopt;
  const char century = kBase62[static_cast<std::size_t>(year / 100)];  // I = 18xx, J = 19xx, K = 20xx
  const std::string year_digits(text.substr(2, 2));
  return century + year_digits + half_month + *cycle_code + second;
}

// "2040 P-L" -> "PLS2040"; "3138 T-1" -> "T1S3138" (and T-2, T-3).
std::optional<std::string> pack_survey(std::string_view text) {
  if (text.size() != 8 || !all_digits(text.substr(0, 4)) || text[4] != ' ') return std::nullopt;
  const std::string_view survey = text.substr(5);
  const std::string number(text.substr(0, 4));
  if (survey == "P-L") return "PLS" + number;
  if (survey == "T-1" || survey == "T-2" || survey == "T-3") return std::string("T") + survey[2] + "S" + number;
  return std::nullopt;
}

}  // namespace

std::optional<std::string> pack_number(long number) {
  if (number <= 0 || number >= kBase62Limit) return std::nullopt;
  if (number < kFiveDigitLimit) {
    std::string digits = std::to_string(number);
    return std::string(5 - digits.size(), '0') + digits;
  }
  if (number < kLetterLimit) {
    std::string low = std::to_string(number % 10000);
    return std::string(1, kBase62[static_cast<std::size_t>(number / 10000)]) + std::string(4 - low.size(), '0') + low;
  }
  long rest = number - kLetterLimit;
  std::string packed = "~0000";
  for (std::size_t place = 4; place >= 1; --place) {
    packed[place] = kBase62[static_cast<std::size_t>(rest % 62)];
    rest /= 62;
  }
  return packed;
}

std::optional<std::string> pack_designation(std::string_view readable) {
  std::string_view text = textio::trim_blanks(readable);
  if (text.size() > 2 && text.front() == '(' && text.back() == ')') text = textio::trim_blanks(text.substr(1, text.size() - 2));
  if (all_digits(text)) return text.size() <= 9 ? pack_number(to_number(text)) : std::nullopt;
  if (std::optional<std::string> survey = pack_survey(text)) return survey;
  return pack_provisional(text);
}

}  // namespace catalogue
