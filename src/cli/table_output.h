// Where a table goes: a file named by --csv, or the standard output.
#pragma once

#include <ostream>
#include <string>

#include "survey/catalogue_run.h"

namespace CLI {
class App;
}

namespace cli {

// Adds "--csv FILE" to `command`, read into `csv`: where text_writer puts the table.
void add_csv_option(CLI::App& command, std::string& csv);

// The writer of a table's text: into `csv` through the byte sink of the pictures (a new
// file appears whole or not at all; a device, a pipe or the target of a link is
// written in place, never replaced), or onto `out` when `csv` is empty or "-". What does not
// get there whole is an errors::Failure.
survey::TextWriter text_writer(const std::string& csv, std::ostream& out);

}  // namespace cli
