// Free-format output of texts, numbers and integers.
#include "textio/free_writer.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace textio {

namespace {

constexpr int kSignificantDigits = 9;
// An item whose last character would land on this column or beyond starts a new line.
constexpr std::size_t kWrapColumn = 80;

std::string exponent_text(int exponent) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
  return buffer;
}

// The digits of |value| rounded to 9 significant figures, trailing zeros removed, and
// the decimal exponent of the first digit.
void significant_digits(double magnitude, std::string& digits, int& exponent) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.*E", kSignificantDigits - 1, magnitude);
  // buffer is "d.ddddddddE+xx": rounding is already done, carries included.
  digits.assign(1, buffer[0]);
  digits.append(buffer + 2, kSignificantDigits - 1);
  exponent = std::atoi(buffer + 2 + kSignificantDigits);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
}

std::string magnitude_text(double magnitude) {
  if (magnitude == 0.0) return "0.";
  if (std::isnan(magnitude)) return "NaN";
  if (std::isinf(magnitude)) return "Infinity";
  std::string digits;
  int exponent = 0;
  significant_digits(magnitude, digits, exponent);
  if (exponent < -4 || exponent >= kSignificantDigits) {
    return digits.substr(0, 1) + "." + digits.substr(1) + exponent_text(exponent);
  }
  if (exponent < 0) return "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  const auto integer_digits = static_cast<std::size_t>(exponent) + 1;
  if (digits.size() <= integer_digits) {
    return digits + std::string(integer_digits - digits.size(), '0') + ".";
  }
  return digits.substr(0, integer_digits) + "." + digits.substr(integer_digits);
}

}  // namespace

std::string format_free_number(double value) {
  const bool negative = std::signbit(value) && value != 0.0 && !std::isnan(value);
  return std::string(negative ? " -" : "  ") + magnitude_text(std::fabs(value));
}

std::string format_free_integer(long long value) { return " " + std::to_string(value); }

std::string FreeItem::text() const {
  if (const auto* text = std::get_if<std::string_view>(&value_)) return std::string(*text);
  if (const auto* number = std::get_if<double>(&value_)) return format_free_number(*number);
  return format_free_integer(std::get<long long>(value_));
}

std::string format_free_line(std::initializer_list<FreeItem> items) {
  std::string result;
  std::string line = " ";
  for (const FreeItem& item : items) {
    const std::string text = item.text();
    if (line.size() > 1 && line.size() + text.size() >= kWrapColumn) {
      result += line + "\n";
      line = " ";
    }
    line += text;
  }
  result += line + "\n";
  return result;
}

void write_free_line(std::ostream& out, std::initializer_list<FreeItem> items) {
  out << format_free_line(items);
}

}  // namespace textio
