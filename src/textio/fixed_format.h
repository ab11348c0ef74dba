// Writing fixed-column fields (Aw, Fw.d, Ew.d, Iw, nX) for formatted lines and records.
#pragma once

#include <string>
#include <string_view>

namespace textio {

// Aw: the first w characters, or the text right-aligned in w columns.
std::string format_aw(std::string_view text, int w);

// Fw.d: rounded to d decimals, right-aligned; the zero before the point is dropped when
// that alone makes the value fit. A value too wide for the field gives w asterisks.
std::string format_fw(double value, int w, int d);

// Ew.d: 0.d...dE+ee right-aligned (1.234567 as E14.6 is "  0.123457E+01"). An exponent
// beyond 99 keeps the E and has three digits ("0.100000E+101"). Too wide: w asterisks.
std::string format_ew(double value, int w, int d);

// Iw: right-aligned; too wide: w asterisks.
std::string format_iw(long long value, int w);

// nX.
inline std::string format_x(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

}  // namespace textio
