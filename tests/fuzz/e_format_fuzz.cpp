// Fuzz target: a number written in the exponent form of the result files (E14.6) reads
// back with the program's number reader, to within half a unit of its sixth digit.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

#include "textio/fixed_format.h"
#include "textio/number_syntax.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  double value = 0;
  if (size < sizeof value) return 0;
  std::memcpy(&value, data, sizeof value);
  const std::string field = textio::format_ew(value, 14, 6);
  if (field.size() != 14) std::abort();
  if (!std::isfinite(value)) return 0;
  double back = 0;
  const std::size_t first = field.find_first_not_of(' ');
  if (textio::parse_real(field.substr(first), back) != textio::NumberStatus::ok) std::abort();
  // Subnormals below 1e-300 have too few bits for six digits; they must still read.
  if (std::fabs(value) >= 1e-300 && std::fabs(back - value) > 5.0000001e-6 * std::fabs(value)) std::abort();
  return 0;
}
