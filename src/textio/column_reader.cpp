// Field-by-field reading of fixed-column records.
#include "textio/column_reader.h"

#include "textio/number_syntax.h"
#include "textio/plain_text.h"

namespace textio {

std::string_view ColumnReader::field(std::size_t w) {
  const std::size_t start = column_;
  column_ += w;
  if (start >= line_.size()) return {};
  return line_.substr(start, w);
}

bool ColumnReader::fail(std::size_t w) {
  failed_columns_ = std::to_string(column_ - w + 1) + "-" + std::to_string(column_);
  return false;
}

std::string ColumnReader::text(std::size_t w) {
  std::string result(field(w));
  result.resize(w, ' ');
  return result;
}

bool ColumnReader::real(std::size_t w, int d, double& value) {
  const std::string_view digits = trim_blanks(field(w));
  if (digits.empty()) {
    value = 0.0;
    return true;
  }
  std::size_t mantissa_end = 0;
  bool point_seen = false;
  if (!scan_real(digits, mantissa_end, point_seen)) return fail(w);
  std::string number(digits);
  if (!point_seen && d > 0) {
    // Put the implied point in the text itself, so "1458182" reads exactly as 1.458182.
    std::string mantissa = number.substr(0, mantissa_end);
    const std::string exponent = number.substr(mantissa_end);
    const std::size_t sign = (mantissa[0] == '+' || mantissa[0] == '-') ? 1 : 0;
    const auto places = static_cast<std::size_t>(d);
    if (mantissa.size() - sign < places) mantissa.insert(sign, places - (mantissa.size() - sign), '0');
    mantissa.insert(mantissa.size() - places, 1, '.');
    number = mantissa + exponent;
  }
  if (parse_real(number, value) != NumberStatus::ok) return fail(w);
  return true;
}

bool ColumnReader::integer(std::size_t w, int& value) {
  const std::string_view digits = trim_blanks(field(w));
  if (digits.empty()) {
    value = 0;
    return true;
  }
  if (parse_integer(digits, value) != NumberStatus::ok) return fail(w);
  return true;
}

}  // namespace textio
