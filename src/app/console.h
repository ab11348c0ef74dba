// The console of the dialogue: free-format lines out, answers in, and the one way an
// unreadable answer or the end of input ends the program.
#pragma once

#include <initializer_list>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>

#include "textio/console_reader.h"
#include "textio/free_writer.h"

namespace app {

class Console {
 public:
  Console(std::istream& in, std::ostream& out) : reader_(in), out_(out) {}

  // One free-format line (more when an item would reach column 80).
  void line(std::initializer_list<textio::FreeItem> items);
  // The dialogue's empty line: a single blank text.
  void empty_line();
  // A formatted line, written as it stands (no leading blank).
  void formatted(std::string_view text);

  // Reads free-format values for the question `prompt`. An answer that cannot be read as
  // the value asked for, or the end of the input, is an errors::Failure "<what went
  // wrong> (<prompt>)": the dialogue ends with status 1.
  void read(std::string_view prompt, std::initializer_list<textio::FreeTarget> targets);
  // Reads one line by columns: its first `width` characters, blank-filled.
  std::string read_columns(std::string_view prompt, std::size_t width);
  // Waits for one line and ignores what it holds.
  void wait_for_line(std::string_view prompt);

  // Sends what was written so far; the end of the program and every question do.
  // Output that cannot be written (a full disk, a closed pipe) throws errors::Failure:
  // nobody sees the dialogue, so it ends.
  void flush();

  std::ostream& out() { return out_; }

 private:
  void check(const textio::ReadResult& result, std::string_view prompt);

  textio::ConsoleReader reader_;
  std::ostream& out_;
};

}  // namespace app
