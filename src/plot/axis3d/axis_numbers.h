// The numbers of an axis: which values are numbered, their field width (flen)
// and their text (fcha).
#pragma once

#include <string>

namespace plotix {

// Field width of value written with ndig digits after the point (-1 = an
// integer without a point): digits of the integer part, the point and the
// decimals, and a sign when the written value is negative.
int flen(double value, int ndig);

// Value written with ndig digits in exactly flen(value, ndig) characters.
// ndig = -1 rounds half away from zero; ndig = 0 keeps the point ("3.").
std::string fcha(double value, int ndig);

// Digits chosen for an axis with automatic digits: as few decimals as show the
// first number and the step exactly (at most 6), -1 when both are integers.
int auto_digits(double first, double step);

// Index of the last numbered value f + n*step: trunc((end - f)/step + 0.0001).
int last_number_index(double first, double step, double end);

// Whether number k of 0..n is drawn under the selection rule nlabsel.
bool number_selected(int k, int n, int nlabsel);

}  // namespace plotix
