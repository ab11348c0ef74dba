// Free-format and column reading of console lines.
#include "textio/console_reader.h"

#include <limits>
#include <string_view>

#include "textio/number_syntax.h"
#include "textio/plain_text.h"

namespace textio {

namespace {

bool is_blank(char c) { return c == ' ' || c == '\t'; }
bool is_separator(char c) { return is_blank(c) || c == ','; }

ReadResult failure(ReadResult::Status status, std::string problem) { return {status, std::move(problem)}; }

ReadResult bad(std::string problem) { return failure(ReadResult::Status::bad_value, std::move(problem)); }

std::string quoted(std::string_view value) { return "\"" + printable(value) + "\""; }

ReadResult number_problem(NumberStatus status, std::string_view value, const char* kind) {
  if (status == NumberStatus::out_of_range) return bad(quoted(value) + " is out of range");
  return bad("cannot read " + quoted(value) + " as " + kind);
}

// One value as it was typed: its characters, and whether it was quoted.
struct Token {
  std::string text;
  bool was_quoted = false;
};

ReadResult store(const FreeTarget& target, const Token& token) {
  if (auto* text = std::get_if<std::string*>(&target)) {
    **text = token.text;
    return {};
  }
  if (auto* character = std::get_if<char*>(&target)) {
    **character = token.text.empty() ? ' ' : token.text[0];
    return {};
  }
  if (auto* integer = std::get_if<int*>(&target)) {
    const NumberStatus status = token.was_quoted ? NumberStatus::not_a_number : parse_integer(token.text, **integer);
    if (status == NumberStatus::out_of_range) {
      // Every integer question has its own range and its own answer to a value beyond
      // it; an integer too long for an int is such a value, so it reads as the int
      // nearest to it.
      **integer = token.text[0] == '-' ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
      return {};
    }
    return status == NumberStatus::ok ? ReadResult{} : number_problem(status, token.text, "an integer");
  }
  if (auto* single = std::get_if<float*>(&target)) {
    const NumberStatus status = token.was_quoted ? NumberStatus::not_a_number : parse_single(token.text, **single);
    return status == NumberStatus::ok ? ReadResult{} : number_problem(status, token.text, "a number");
  }
  const NumberStatus status =
      token.was_quoted ? NumberStatus::not_a_number : parse_real(token.text, *std::get<double*>(target));
  return status == NumberStatus::ok ? ReadResult{} : number_problem(status, token.text, "a number");
}

// Reads the quoted text that starts at line[pos]; pos ends after the closing quote.
ReadResult read_quoted(const std::string& line, std::size_t& pos, Token& token) {
  const char quote = line[pos++];
  token.was_quoted = true;
  while (pos < line.size()) {
    if (line[pos] == quote) {
      if (pos + 1 < line.size() && line[pos + 1] == quote) {
        token.text += quote;
        pos += 2;
        continue;
      }
      ++pos;
      if (pos < line.size() && !is_separator(line[pos]) && line[pos] != '/') {
        return bad("unexpected characters after the quoted text " + quoted(token.text));
      }
      return {};
    }
    token.text += line[pos++];
  }
  return bad("the quoted text " + quoted(token.text) + " has no closing quote");
}

}  // namespace

ReadResult ConsoleReader::read_line(std::string& line) {
  if (!std::getline(in_, line)) return failure(ReadResult::Status::end_of_input, "end of input");
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return {};
}

ReadResult ConsoleReader::read_columns(std::size_t width, std::string& field) {
  std::string line;
  ReadResult result = read_line(line);
  if (!result.ok()) return result;
  line.resize(width, ' ');
  field = line;
  return {};
}

ReadResult ConsoleReader::read_free(std::initializer_list<FreeTarget> targets) {
  auto next = targets.begin();
  std::string line;
  while (next != targets.end()) {
    ReadResult result = read_line(line);
    if (!result.ok()) return result;
    std::size_t pos = 0;
    while (next != targets.end()) {
      while (pos < line.size() && is_separator(line[pos])) ++pos;
      if (pos == line.size()) break;  // this line is used up: go on with the next one
      if (line[pos] == '/') return {};
      Token token;
      if (line[pos] == '\'' || line[pos] == '"') {
        result = read_quoted(line, pos, token);
        if (!result.ok()) return result;
      } else {
        const std::size_t start = pos;
        while (pos < line.size() && !is_separator(line[pos]) && line[pos] != '/') ++pos;
        token.text = line.substr(start, pos - start);
      }
      result = store(*next, token);
      if (!result.ok()) return result;
      ++next;
    }
  }
  return {};
}

}  // namespace textio
