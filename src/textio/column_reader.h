// Reading a fixed-column record field by field (Aw, Fw.d, Iw, nX).
#pragma once

#include <string>
#include <string_view>

namespace textio {

// Walks one line from column 1. Columns beyond the end of the line read as blanks, so
// a short line gives blank text and zero numbers. Each numeric read returns false when
// its field holds something that is not a number; `failed_columns` then names the
// columns, e.g. "26-35".
class ColumnReader {
 public:
  explicit ColumnReader(std::string_view line) : line_(line) {}

  // Aw: the next w columns, blank-filled past the end of the line.
  std::string text(std::size_t w);

  // Fw.d: a blank field is zero; without a decimal point the last d digits of the
  // mantissa are the fraction (an exponent may follow).
  bool real(std::size_t w, int d, double& value);

  // Iw: a blank field is zero.
  bool integer(std::size_t w, int& value);

  // nX.
  void skip(std::size_t n) { column_ += n; }

  std::string failed_columns() const { return failed_columns_; }

 private:
  std::string_view field(std::size_t w);
  bool fail(std::size_t w);

  std::string_view line_;
  std::size_t column_ = 0;  // columns already consumed
  std::string failed_columns_;
};

}  // namespace textio
