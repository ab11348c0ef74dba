// Small helpers on plain text shared by the dialogue and the command line: blanks cut
// off both ends, lower case, text made safe to echo, and cuts at character boundaries.
#pragma once

#include <string>
#include <string_view>

namespace textio {

// The text without its leading and trailing blanks.
std::string_view trim_blanks(std::string_view text);

// The text with its ASCII letters in lower case.
std::string lower_case(std::string_view text);
// One byte of it: A-Z become a-z, every other byte stays, as the C locale's tolower
// does; inline, since `find` lower-cases every name of the catalogue with it.
constexpr char lower_case_char(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// The text as a message may echo it: control bytes (below 0x20, and 0x7F) become \xNN,
// so that no answer sends control sequences to a terminal. Every other byte stays as it
// is (UTF-8, and a backslash, so that the echo of a printable answer does not change).
std::string printable(std::string_view text);

// The longest start of the text of at most `max_bytes` bytes that ends on a UTF-8
// character boundary: a name cut to its field never ends in half a character.
std::string_view utf8_prefix(std::string_view text, std::size_t max_bytes);

}  // namespace textio
