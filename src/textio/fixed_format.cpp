// Fixed-column fields, with asterisks instead of a shifted column when a value is too wide.
#include "textio/fixed_format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace textio {

namespace {

std::string right_aligned(const std::string& text, int w) {
  const auto width = static_cast<std::size_t>(w);
  if (text.size() > width) return std::string(width, '*');
  return std::string(width - text.size(), ' ') + text;
}

// Drops the optional zero in "0." or "-0." when the field is one column short.
std::string fit_leading_zero(std::string text, int w) {
  const std::size_t zero = (text[0] == '-') ? 1 : 0;
  if (text.size() > static_cast<std::size_t>(w) && text.compare(zero, 2, "0.") == 0) text.erase(zero, 1);
  return right_aligned(text, w);
}

std::string special_value(double value, int w) {
  if (std::isnan(value)) return right_aligned("NaN", w);
  return right_aligned(value < 0 ? "-Infinity" : "Infinity", w);
}

}  // namespace

std::string format_aw(std::string_view text, int w) {
  const auto width = static_cast<std::size_t>(w);
  if (text.size() >= width) return std::string(text.substr(0, width));
  return std::string(width - text.size(), ' ') + std::string(text);
}

std::string format_fw(double value, int w, int d) {
  if (!std::isfinite(value)) return special_value(value, w);
  const int length = std::snprintf(nullptr, 0, "%.*f", d, value);
  std::string text(static_cast<std::size_t>(length), '\0');
  std::snprintf(text.data(), text.size() + 1, "%.*f", d, value);
  return fit_leading_zero(text, w);
}

std::string format_ew(double value, int w, int d) {
  if (!std::isfinite(value)) return special_value(value, w);
  std::string digits(static_cast<std::size_t>(d), '0');
  int exponent = 0;
  if (value != 0.0) {
    // "%.*E" gives d.ddddE+xx with d significant digits, rounding carries included;
    // 0.dddd form has the same digits and an exponent one higher.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*E", d - 1, std::fabs(value));
    digits.assign(1, buffer[0]);
    if (d > 1) digits.append(buffer + 2, static_cast<std::size_t>(d - 1));
    exponent = std::atoi(std::strchr(buffer, 'E') + 1) + 1;
  }
  // Two exponent digits, or three beyond 99: the E stays, so that every reader of
  // numbers in this program reads the field back.
  char tail[16];
  std::snprintf(tail, sizeof tail, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
  const std::string sign = std::signbit(value) && value != 0.0 ? "-" : "";
  return fit_leading_zero(sign + "0." + digits + tail, w);
}

std::string format_iw(long long value, int w) { return right_aligned(std::to_string(value), w); }

}  // namespace textio
