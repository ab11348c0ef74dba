// Fuzz target: the free-format console reader and the number syntax, on any bytes.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "textio/console_reader.h"
#include "textio/number_syntax.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);

  // Every number the syntax accepts is finite.
  double real = 0;
  if (textio::parse_real(bytes, real) == textio::NumberStatus::ok && !std::isfinite(real)) std::abort();
  float single = 0;
  if (textio::parse_single(bytes, single) == textio::NumberStatus::ok && !std::isfinite(single)) std::abort();
  int integer = 0;
  textio::parse_integer(bytes, integer);

  // The reader consumes whole lines, so every read moves on and the loop ends.
  std::istringstream in(bytes);
  textio::ConsoleReader reader(in);
  for (int reads = 0;; ++reads) {
    int i = 0;
    double d = 0;
    float f = 0;
    char c = ' ';
    std::string text;
    const textio::ReadResult result = reader.read_free({&i, &d, &f, &c, &text});
    if (result.status == textio::ReadResult::Status::end_of_input) break;
    if (result.ok() && (!std::isfinite(d) || !std::isfinite(f))) std::abort();
    std::string field;
    if (!reader.read_columns(7, field).ok()) break;
    if (field.size() != 7 || reads > static_cast<int>(size)) std::abort();
  }
  return 0;
}
