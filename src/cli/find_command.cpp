// skytrak3d find TEXT [--catalogue FILE]
#include "cli/find_command.h"

#include <CLI/CLI.hpp>
#include <memory>
#include <vector>

#include "cli/catalogue_option.h"
#include "cli/help_text.h"
#include "cli/version_flag.h"
#include "errors/error.h"

namespace cli {

namespace {

struct FindOptions {
  std::string text;
  std::string catalogue;
};

}  // namespace

void add_find_command(CLI::App& program, CommandContext& context) {
  CLI::App* find = program.add_subcommand(
      "find",
      "List the catalogue records matching TEXT: a packed designation (K04M04N, a0191), a readable one "
      "(2004 MN4, 360191, (360191)) or part of the name (apophis)");
  add_version_flag(*find);
  auto options = std::make_shared<FindOptions>();
  find->add_option("TEXT", options->text, "Designation or part of the name")->type_name("")->required();
  add_catalogue_option(*find, options->catalogue);
  add_examples(*find, {"skytrak3d find apophis", "skytrak3d find 433", "skytrak3d find a7943 --catalogue nea.dat"});
  find->callback([options, &context] {
    if (context.checks_only) return;
    const std::vector<catalogue::CatalogueRecord> found = look_up(options->catalogue, options->text);
    // Nothing found is an answer, not a wrong command line: status 1 and no usage hint.
    if (found.empty()) throw errors::Failure(no_match_message(options->text));
    for (const catalogue::CatalogueRecord& record : found) {
      context.out << record_line(record);
    }
  });
}

}  // namespace cli
