// The date and time a device receives at open ("dd.mm.yyyy", "hh:mm:ss", from the
// library's clock) split into numbers, for the file formats that write them otherwise.
#pragma once

#include <string>

namespace devices {

struct DateTimeFields {
  int year = 0, month = 0, day = 0;
  int hour = 0, minute = 0, second = 0;
};

// False when either text is malformed.
bool parse_date_time(const std::string& date, const std::string& time, DateTimeFields& out);

}  // namespace devices
