// Where a table goes: a file named by --csv, or the standard output.
#pragma once

#include <functional>
#include <ostream>
#include <string>

#include "survey/survey_driver.h"

namespace CLI {
class App;
}

namespace cli {

// Adds "--csv FILE" to `command`, read into `csv`: where text_writer puts the table.
void add_csv_option(CLI::App& command, std::string& csv);

// Puts a finished table's text in place; returns what went wrong, or an empty text.
using TextWriter = std::function<std::string(const std::string& text)>;

// The writer of a table's text: into `csv` through the byte sink of the pictures (a new
// file appears whole or not at all; a device, a pipe or the target of a link is
// written in place, never replaced), or onto `out` when `csv` is empty.
TextWriter text_writer(const std::string& csv, std::ostream& out);

// The survey's table written by text_writer.
survey::TableWriter table_writer(const std::string& csv, std::ostream& out);

}  // namespace cli
