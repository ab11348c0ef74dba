// Composition of the page-header line drawn by paghdr.
#pragma once

#include <string>
#include <string_view>

namespace plotix {

inline constexpr std::size_t kMaxHeaderFirst = 100;   // characters kept of cstr1
inline constexpr std::size_t kMaxHeaderLength = 132;  // the whole header, when cstr2 is added

// cstr1 + " " + date + ", " + time + ", " + "PLOTIX 9.3 ", then as much of cstr2
// as keeps the header within 132 characters (none when it is already longer).
std::string compose_page_header(std::string_view cstr1, std::string_view cstr2,
                                std::string_view date, std::string_view time);

}  // namespace plotix
