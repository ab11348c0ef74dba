// The library clock and the date and time texts (dddate, ddtime).
#include "plot/core/clock.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>


namespace plotix {

std::tm clock_now() {
  std::tm result{};
  const char* epoch = std::getenv("SOURCE_DATE_EPOCH");
  if (epoch != nullptr && *epoch != '\0') {
    char* end = nullptr;
    errno = 0;
    long long seconds = std::strtoll(epoch, &end, 10);
    // Dates past the end of year 9999 have no four-digit year: ignored like junk.
    constexpr long long kLastSecondOf9999 = 253402300799;
    if (errno == 0 && *end == '\0' && seconds >= 0 && seconds <= kLastSecondOf9999) {
      std::time_t t = static_cast<std::time_t>(seconds);
      if (gmtime_r(&t, &result) != nullptr) return result;
    }
  }
  std::time_t now = std::time(nullptr);
  localtime_r(&now, &result);
  return result;
}

const char* dddate() {
  static char buffer[40];
  std::tm t = clock_now();
  std::snprintf(buffer, sizeof buffer, "%02d.%02d.%4d", t.tm_mday, t.tm_mon + 1,
                t.tm_year + 1900);
  return buffer;
}

const char* ddtime() {
  static char buffer[40];
  std::tm t = clock_now();
  std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", t.tm_hour, t.tm_min, t.tm_sec);
  return buffer;
}

}  // namespace plotix
