// Finite and positive numbers on the command line.
#include "cli/number_checks.h"

#include <cmath>
#include <cstdlib>

namespace cli {

std::string finite_number_problem(const std::string& text, double& value) {
  if (text.find_first_not_of(" \t") == std::string::npos) return "empty, a number is needed";
  char* end = nullptr;
  value = std::strtod(text.c_str(), &end);
  if (end == text.c_str() || *end != '\0' || std::isnan(value)) return "not a number";
  if (std::isinf(value)) return "not finite";
  return {};
}

CLI::Validator finite_number() {
  return CLI::Validator(
      [](std::string& text) {
        double value = 0.0;
        return finite_number_problem(text, value);
      },
      "NUMBER");
}

CLI::Validator hand_entry_number() {
  return CLI::Validator(
      [](std::string& text) {
        double value = 0.0;
        std::string problem = finite_number_problem(text, value);
        if (problem.empty() && !(std::fabs(value) < 3.4e38)) problem = "beyond 3.4e38 in size";
        return problem;
      },
      "NUMBER");
}

CLI::Validator above_zero(const std::string& message) {
  return CLI::Validator(
      [message](std::string& text) {
        double value = 0.0;
        std::string problem = finite_number_problem(text, value);
        if (problem.empty() && !(value > 0.0)) problem = message;
        return problem;
      },
      "NUMBER > 0");
}

CLI::Validator within(double least, double most, const std::string& message) {
  return CLI::Validator(
      [least, most, message](std::string& text) {
        double value = 0.0;
        std::string problem = finite_number_problem(text, value);
        if (problem.empty() && !(value >= least && value <= most)) problem = message;
        return problem;
      },
      "NUMBER");
}

}  // namespace cli
