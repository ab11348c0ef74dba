// Examples and value names of the --help texts.
#include "cli/help_text.h"

#include <CLI/CLI.hpp>
#include <regex>
#include <string>

namespace cli {

namespace {

class PlainOptionValues : public CLI::Formatter {
 public:
  std::string make_option_opts(const CLI::Option* option) const override {
    static const std::regex kRepeatMarks(R"( x \d+| \.\.\.)");
    return std::regex_replace(CLI::Formatter::make_option_opts(option), kRepeatMarks, "");
  }
};

}  // namespace

void use_plain_option_values(CLI::App& program) { program.formatter(std::make_shared<PlainOptionValues>()); }

void add_examples(CLI::App& command, std::initializer_list<const char*> lines) {
  std::string footer = "Examples, with the sample catalogue data/nea.dat copied here as nea.dat:\n";
  for (const char* line : lines) footer += std::string("  ") + line + "\n";
  command.footer(footer);
}

CLI::Validator unlabelled(CLI::Validator check) {
  check.description("");
  return check;
}

}  // namespace cli
