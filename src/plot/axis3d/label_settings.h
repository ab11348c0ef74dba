// Public axis labelling settings (any level; reset at disini).
#pragma once

#include <string_view>

namespace plotix {

void name(std::string_view text, std::string_view axes);
void hname(int height);
void labdig(int digits, std::string_view axes);
void flab3d();

}  // namespace plotix
