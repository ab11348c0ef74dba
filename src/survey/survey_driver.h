// The survey as the command line runs it: read the catalogue, share the objects among the
// ranks and threads, write the table (rank 0) and the summary line.
#pragma once

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "survey/io/survey_settings.h"
#include "survey/io/survey_table.h"

namespace survey {

struct SurveyOptions {
  std::filesystem::path catalogue;
  std::filesystem::path object_list;  // empty: every object of the catalogue
  SurveySettings settings;
  int jobs = 0;  // threads; 0 = one per core
  bool quiet = false;  // no progress bar and no summary line; warnings and errors stay
};

// Puts the finished, sorted table where it was asked for (a file, standard output).
// Returns what went wrong, or an empty text when the whole table got there.
using TableWriter = std::function<std::string(const std::vector<SurveyRow>& rows)>;

// Returns the exit status: 0; 1 when the catalogue, the object list or the table cannot
// be read or written, or no name of the object list matched; 2 when the object list is
// empty or an object needs more than kMostStepsPerObject steps (one line on `err`). The lead rank hands the table to
// `write_table`. Progress goes to `err` when `err_is_terminal`, and the summary line after
// the table, unless `options.quiet`.
int run_survey(const SurveyOptions& options, const TableWriter& write_table, std::ostream& err,
               bool err_is_terminal);

}  // namespace survey
