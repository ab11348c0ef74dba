// The survey as the command line runs it: read the catalogue, share the objects among the
// ranks and threads, write the table (rank 0) and the summary line.
#pragma once

#include <filesystem>
#include <ostream>

#include "survey/survey_settings.h"

namespace survey {

struct SurveyOptions {
  std::filesystem::path catalogue;
  std::filesystem::path object_list;  // empty: every object of the catalogue
  std::filesystem::path csv;          // empty: the table goes to standard output
  SurveySettings settings;
  int jobs = 0;  // threads; 0 = one per core
  bool quiet = false;  // no progress bar and no summary line; warnings and errors stay
};

// Returns the exit status: 0, or 1 when the catalogue, the object list or the table
// cannot be read or written (one line on `err`). Progress goes to `err` when
// `err_is_terminal`, and the summary line after the table, unless `options.quiet`.
int run_survey(const SurveyOptions& options, std::ostream& out, std::ostream& err, bool err_is_terminal);

}  // namespace survey
