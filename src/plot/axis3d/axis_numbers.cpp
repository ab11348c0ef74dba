// Number formatting and selection of the 2D axis machinery.
#include "plot/axis3d/axis_numbers.h"

#include <cmath>
#include <cstdio>

namespace plotix {

namespace {

// The value as it will be written: rounded to the digits shown, with a value
// that rounds to zero taken as zero, so no "-0" or "-0.0" appears.
double shown_value(double value, int ndig) {
  const double scale = std::pow(10.0, ndig > 0 ? ndig : 0);
  const double r = std::round(value * scale) / scale;
  return r == 0.0 ? 0.0 : r;
}

int decimal_digits(double q) {
  int i = 1;
  while (q >= 10.0 && i < 100) {
    q /= 10.0;
    ++i;
  }
  return i;
}

}  // namespace

int flen(double value, int ndig) {
  const double v = shown_value(value, ndig);
  const double q = ndig <= 0 ? std::fabs(v) : std::trunc(std::fabs(v));
  int w = ndig + decimal_digits(q) + 1;
  if (v < 0.0) ++w;
  return w;
}

std::string fcha(double value, int ndig) {
  const int w = flen(value, ndig);
  const double v = shown_value(value, ndig);
  std::string text(static_cast<size_t>(w) + 128, '\0');
  int n;
  if (ndig < 0) {
    n = std::snprintf(text.data(), text.size(), "%*.0f", w, v);
  } else if (ndig == 0) {
    n = std::snprintf(text.data(), text.size(), "%#*.0f", w, v);
  } else {
    n = std::snprintf(text.data(), text.size(), "%*.*f", w, ndig, v);
  }
  text.resize(n > 0 ? static_cast<size_t>(n) : 0);
  return text;
}

int auto_digits(double first, double step) {
  for (int d = 0; d <= 6; ++d) {
    const double scale = std::pow(10.0, d);
    const double a = first * scale, b = step * scale;
    const double tol = 1.0e-4 * std::fmax(1.0, std::fabs(b));
    if (std::fabs(a - std::round(a)) < tol && std::fabs(b - std::round(b)) < tol) {
      return d == 0 ? -1 : d;
    }
  }
  return 6;
}

int last_number_index(double first, double step, double end) {
  return static_cast<int>(std::trunc((end - first) / step + 0.0001));
}

bool number_selected(int k, int n, int nlabsel) {
  const bool first = k == 0, last = k == n;
  switch (nlabsel) {
    case 1: return !first;
    case 2: return !last;
    case 3: return !first && !last;
    case 4: return first || last;
    case 5: return first;
    case 6: return last;
    default: return true;
  }
}

}  // namespace plotix
