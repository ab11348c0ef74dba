// parse_date_time (see date_time_fields.h).
#include "devices/date_time_fields.h"

#include <cstdio>

namespace devices {

bool parse_date_time(const std::string& date, const std::string& time, DateTimeFields& out) {
  char end;
  return std::sscanf(date.c_str(), "%2d.%2d.%4d%c", &out.day, &out.month, &out.year, &end) == 3 &&
         std::sscanf(time.c_str(), "%2d:%2d:%2d%c", &out.hour, &out.minute, &out.second, &end) == 3;
}

}  // namespace devices
