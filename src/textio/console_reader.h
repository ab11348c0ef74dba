// Reading the console: free-format values over one or more lines, and whole lines read
// by columns.
#pragma once

#include <initializer_list>
#include <istream>
#include <string>
#include <variant>

namespace textio {

// Where one free-format value goes. A one-character field keeps the first character
// of the value; a text receives the whole value.
using FreeTarget = std::variant<int*, double*, float*, char*, std::string*>;

struct ReadResult {
  enum class Status { ok, end_of_input, bad_value };
  Status status = Status::ok;
  std::string problem;  // what went wrong, for the message to the user

  bool ok() const { return status == Status::ok; }
};

class ConsoleReader {
 public:
  explicit ConsoleReader(std::istream& in) : in_(in) {}

  // Reads one value per target, in order. Values are separated by blanks, commas or line
  // ends and may run over several lines; an empty line only waits for more. A slash ends
  // the read and leaves the remaining targets unchanged. Text is quoted (' or ", a
  // doubled quote standing for itself) or ends at a blank, comma, slash or line end.
  // The read consumes whole lines: what is left on its last line is discarded.
  // An integer beyond the range of int reads as the nearest int (INT_MAX or INT_MIN).
  ReadResult read_free(std::initializer_list<FreeTarget> targets);

  // Reads one whole line (without its line end, and without a CR before it).
  ReadResult read_line(std::string& line);

  // Reads one line as a field of `width` columns: a shorter line is filled with
  // blanks, columns after `width` are ignored.
  ReadResult read_columns(std::size_t width, std::string& field);

 private:
  std::istream& in_;
};

}  // namespace textio
