// Checks of numeric option values, made on the text before CLI11 converts it, so that
// an empty text is not read as 0 and a NaN or an infinity never reaches a run.
#pragma once

#include <CLI/CLI.hpp>
#include <string>

namespace cli {

// The value's text as the number a check sees, or why it is none: "" when it reads as
// a finite number, else "empty, a number is needed", "not a number", "not finite".
std::string finite_number_problem(const std::string& text, double& value);

// A finite number ("--span: not a number" for nan).
CLI::Validator finite_number();

// A finite number of a size the hand entry reads (below 3.4e38, the range of a float),
// else "not a number", "not finite" or "beyond 3.4e38 in size".
CLI::Validator hand_entry_number();

// A finite number above 0, or `message` ("must be above 0" by default).
CLI::Validator above_zero(const std::string& message = "must be above 0");

// A finite number from least to most, or `message`.
CLI::Validator within(double least, double most, const std::string& message);

}  // namespace cli
