// The catalogue's place on the command line, and matches reported as lines.
#include "cli/catalogue_option.h"


#include <CLI/CLI.hpp>
#include <cstdio>
#include <filesystem>

#include "catalogue/catalogue_file.h"
#include "catalogue/catalogue_lookup.h"
#include "cli/help_text.h"
#include "errors/error.h"
#include "textio/plain_text.h"

namespace cli {

namespace {

std::filesystem::path default_catalogue() {
  std::error_code ignored;
  for (const char* name : {catalogue::kCatalogueName, catalogue::kCatalogueUpperName}) {
    if (std::filesystem::exists(name, ignored)) return name;
  }
  throw errors::UsageError(std::string("no catalogue: ") + catalogue::kCatalogueName +
                   " is not in the current folder; name one with --catalogue FILE");
}

}  // namespace

void add_catalogue_option(CLI::App& command, std::string& file) {
  command.add_option("--catalogue", file, "Catalogue of one-line MPC orbits (default: nea.dat here)")
      ->type_name("FILE")
      ->check(unlabelled(CLI::ExistingFile));
}

void add_whole_catalogue_option(CLI::App& command, std::string& file) {
  command.add_option("--catalogue", file, "Catalogue of one-line orbits (bad records are skipped)")
      ->type_name("FILE")
      ->required();
}

std::vector<catalogue::CatalogueRecord> look_up(const std::string& file, const std::string& text) {
  catalogue::CatalogueFile catalogue(file.empty() ? default_catalogue() : std::filesystem::path(file));
  return catalogue::look_up_catalogue(catalogue, text);
}

std::string no_match_message(const std::string& text) {
  return "no object matches \"" + textio::printable(text) + "\" in the catalogue";
}

std::string record_line(const catalogue::CatalogueRecord& record) {
  const dynamics::OrbitalElements& el = record.elements;
  char line[128];
  std::snprintf(line, sizeof line, "%-7s  %-28s  a=%.7f  e=%.7f  i=%.5f\n", std::string(textio::trim_blanks(record.designation)).c_str(),
                std::string(textio::trim_blanks(record.name28)).c_str(), el.a, el.e, el.i);
  return line;
}

}  // namespace cli
