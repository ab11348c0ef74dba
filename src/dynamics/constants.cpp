// Converts packed dates to day counts.
#include "dynamics/constants.h"

namespace dynamics {

namespace {

int century_years(char c) {
  switch (c) {
    case 'I': return 1800;
    case 'J': return 1900;
    case 'K': return 2000;
    default: return 0;
  }
}

int month_number(char c) {
  if (c >= '1' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'C') return 10 + (c - 'A');
  return 0;
}

int day_number(char c) {
  if (c >= '1' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'V') return 10 + (c - 'A');
  return 0;
}

}  // namespace

void pacjd(char century, int year, char month, char day, int& jd) {
  const int y = century_years(century) + year;
  const int m = month_number(month);
  const int d = day_number(day);
  // Gregorian calendar day number (Fliegel and Van Flandern); C++ integer division
  // truncates toward zero, as the formula requires.
  const int c = (m - 14) / 12;
  const int day_number_jd = d - 32075 + 1461 * (y + 4800 + c) / 4 + 367 * (m - 2 - 12 * c) / 12 -
                            3 * ((y + 4900 + c) / 100) / 4;
  jd = day_number_jd - 2450001;
}

bool packed_date_known(char century, int year, char month, char day) {
  return century_years(century) != 0 && year >= 0 && year <= 99 && month_number(month) != 0 && day_number(day) != 0;
}

}  // namespace dynamics
