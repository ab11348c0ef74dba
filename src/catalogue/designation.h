// Readable designations of minor planets ("2004 MN4", "(99942)", "2040 P-L") packed into
// the catalogue's 7-column form by the Minor Planet Center's rules.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace catalogue {

// Packed form of a permanent number: 1..99999 as five digits ("00433"), 100000..619999 as a
// letter and four digits ("A0345", lower-case letters from 360000: "a0191"), and
// 620000..15396335 as "~" and four base-62 digits. Nothing for other numbers.
std::optional<std::string> pack_number(long number);

// Packed form of a readable designation: a number, bare or in parentheses ("99942",
// "(360191)"); a provisional designation ("2004 MN4" -> "K04M04N", cycle counts over 99 as
// a letter and a digit, lower case from 360); or a survey designation ("2040 P-L" ->
// "PLS2040", "3138 T-1" -> "T1S3138"). Leading and trailing blanks are ignored. Nothing
// when the text is none of these.
std::optional<std::string> pack_designation(std::string_view readable);

}  // namespace catalogue
