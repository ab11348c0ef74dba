// Lines passed on with a prefix (see prefixed_lines.h).
#include "textio/prefixed_lines.h"

#include <algorithm>
#include <utility>

namespace textio {

PrefixedLines::PrefixedLines(std::ostream& target, std::string prefix)
    : std::ostream(nullptr), buffer_(target, std::move(prefix)) {
  rdbuf(&buffer_);
}

PrefixedLines::Buffer::int_type PrefixedLines::Buffer::overflow(int_type c) {
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  const char byte = traits_type::to_char_type(c);
  return xsputn(&byte, 1) == 1 ? c : traits_type::eof();
}

std::streamsize PrefixedLines::Buffer::xsputn(const char* text, std::streamsize count) {
  const char* const end = text + count;
  for (const char* next = text; next != end;) {
    if (line_start_) target_ << prefix_;
    const char* line_end = std::find(next, end, '\n');
    if (line_end != end) ++line_end;
    target_.write(next, line_end - next);
    line_start_ = line_end[-1] == '\n';
    next = line_end;
  }
  return target_ ? count : 0;
}

int PrefixedLines::Buffer::sync() {
  target_.flush();
  return target_ ? 0 : -1;
}

}  // namespace textio
