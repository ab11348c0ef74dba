// Console output in free format and checked reading of answers.
#include "app/console.h"

#include <cerrno>
#include <cstring>

#include "errors/error.h"
#include "textio/plain_text.h"

namespace app {

void Console::line(std::initializer_list<textio::FreeItem> items) { textio::write_free_line(out_, items); }

void Console::empty_line() { line({" "}); }

void Console::formatted(std::string_view text) { out_ << text << '\n'; }

void Console::flush() {
  errno = 0;
  out_.flush();
  if (out_) return;
  const std::string reason = errno != 0 ? std::string(": ") + std::strerror(errno) : std::string();
  throw errors::Failure("cannot write to the standard output" + reason);
}

void Console::check(const textio::ReadResult& result, std::string_view prompt) {
  if (result.ok()) return;
  throw errors::Failure(result.problem + " (" + std::string(textio::trim_blanks(prompt)) + ")");
}

void Console::read(std::string_view prompt, std::initializer_list<textio::FreeTarget> targets) {
  flush();
  check(reader_.read_free(targets), prompt);
}

std::string Console::read_columns(std::string_view prompt, std::size_t width) {
  flush();
  std::string field;
  check(reader_.read_columns(width, field), prompt);
  return field;
}

void Console::wait_for_line(std::string_view prompt) {
  flush();
  std::string ignored;
  check(reader_.read_line(ignored), prompt);
}

}  // namespace app
