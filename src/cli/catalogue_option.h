// The --catalogue option shared by the subcommands that read the catalogue, and the
// lookup of one object in it.
#pragma once

#include <string>
#include <vector>

#include "catalogue/catalogue_record.h"

namespace CLI {
class App;
}

namespace cli {

// Adds "--catalogue FILE" (an existing file) to `command`, read into `file`.
void add_catalogue_option(CLI::App& command, std::string& file);

// Adds "--catalogue FILE" (required) to a command that reads a whole catalogue and skips its
// bad records (survey, coorbital): a file that cannot be read is the command's own error.
void add_whole_catalogue_option(CLI::App& command, std::string& file);

// The records matching `text` in the catalogue `file`, or when `file` is empty in nea.dat
// (else NEA.DAT) of the current folder, perhaps none. No catalogue there: errors::UsageError.
std::vector<catalogue::CatalogueRecord> look_up(const std::string& file, const std::string& text);

// The message for a `text` that matches no record.
std::string no_match_message(const std::string& text);

// One line per record: packed designation, readable designation, a, e, i.
std::string record_line(const catalogue::CatalogueRecord& record);

}  // namespace cli
