// The survey as the command line runs it: read the catalogue, share the objects among the
// ranks and threads, write the table (rank 0) and make the summary line.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "survey/catalogue_run.h"
#include "survey/io/survey_settings.h"
#include "survey/io/survey_table.h"

namespace survey {

struct SurveyOptions {
  CatalogueRunOptions run;
  SurveySettings settings;
  // When set, handed the table's rows on the lead rank once the table is written (the
  // command line draws its picture from them).
  std::function<void(const std::vector<SurveyRow>& rows)> after_table;
};

// Surveys the catalogue; the lead rank hands the table's text to `put_table`. Returns
// the summary line (empty when quiet, and on the other ranks). Throws errors::Failure when
// the catalogue, the object list or the table cannot be read or written, or no name of
// the object list matched; errors::UsageError when the object list is empty or an object
// needs more than kMostStepsPerObject steps. Under several ranks only the lead rank's
// error has a message; a rank that fails alone after the census says so and ends them all.
std::string run_survey(const SurveyOptions& options, const TextWriter& put_table, const RunStreams& streams);

}  // namespace survey
