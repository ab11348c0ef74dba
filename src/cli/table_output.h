// Where the survey's table goes: a file named by --csv, or the standard output.
#pragma once

#include <ostream>
#include <string>

#include "survey/survey_driver.h"

namespace cli {

// The writer of the table: into `csv` through the byte sink of the pictures (a new
// file appears whole or not at all; a device, a pipe or the target of a link is
// written in place, never replaced), or onto `out` when `csv` is empty.
survey::TableWriter table_writer(const std::string& csv, std::ostream& out);

}  // namespace cli
