// Free-format output: lines that begin with one blank, followed by text items unchanged,
// numbers in at most 9 significant digits and integers, wrapped before column 80.
#pragma once

#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>
#include <variant>

namespace textio {

// One item of a free-format line: a text, a number or an integer.
class FreeItem {
 public:
  FreeItem(const char* text) : value_(std::string_view(text)) {}
  FreeItem(std::string_view text) : value_(text) {}
  FreeItem(const std::string& text) : value_(std::string_view(text)) {}
  FreeItem(double number) : value_(number) {}
  FreeItem(float number) : value_(static_cast<double>(number)) {}
  FreeItem(int integer) : value_(static_cast<long long>(integer)) {}
  FreeItem(long long integer) : value_(integer) {}

  // The characters this item adds to a line.
  std::string text() const;

 private:
  std::variant<std::string_view, double, long long> value_;
};

// " " or "-", then the value: at most 9 significant digits without trailing zeros,
// E-form (E, sign, two or more exponent digits) when the decimal exponent is below -4 or
// at least 9, a decimal point always present; zero is "0.". Preceded by one blank.
std::string format_free_number(double value);

// A blank, an optional "-" and the digits.
std::string format_free_integer(long long value);

// The items as one free-format line (or several, when an item would reach column 80),
// each ending in a newline.
std::string format_free_line(std::initializer_list<FreeItem> items);

void write_free_line(std::ostream& out, std::initializer_list<FreeItem> items);

}  // namespace textio
