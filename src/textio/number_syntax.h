// Strict parsing of the number texts the console and the catalogue accept.
#pragma once

#include <string_view>

namespace textio {

enum class NumberStatus { ok, not_a_number, out_of_range };

// A decimal number: optional sign, digits with at most one decimal point (at least one
// digit), and an optional exponent (E, e, D or d, optional sign, digits). Words such as
// "nan" or "inf" are not numbers. A value too large for a double is out of range; a
// value too small becomes zero or a subnormal.
NumberStatus parse_real(std::string_view text, double& value);

// The same syntax, converted straight to single precision (one rounding, not two).
NumberStatus parse_single(std::string_view text, float& value);

// An integer: optional sign and digits, within the range of int.
NumberStatus parse_integer(std::string_view text, int& value);

// True when text is a real as parse_real accepts it; mantissa_end receives the position
// where the mantissa ends and point_seen whether it holds a decimal point.
bool scan_real(std::string_view text, std::size_t& mantissa_end, bool& point_seen);

}  // namespace textio
