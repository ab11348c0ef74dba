// Running a survey end to end.
#include "survey/survey_driver.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <sstream>
#include <string>

#include "errors/error.h"
#include "survey/batch/kernel_loader.h"
#include "survey/parallel/mpi_loader.h"
#include "survey/io/survey_object.h"
#include "survey/io/census.h"
#include "survey/io/object_stream.h"
#include "survey/io/survey_table.h"
#include "survey/parallel/ranks.h"
#include "survey/parallel/threaded_survey.h"
#include "survey/engine/window_steps.h"

namespace survey {
namespace {

long approaches_in(const std::vector<SurveyRow>& rows) {
  return static_cast<long>(std::count_if(rows.begin(), rows.end(),
                                         [](const SurveyRow& row) { return row.event == EventKind::approach; }));
}

std::string summary_line(const SurveyResult& result, int bad_records, double wall_seconds) {
  char line[200];
  std::snprintf(line, sizeof line,
                "survey: %ld objects, %d bad records skipped, %ld approaches, %.2f s wall, %.0f object-steps/s",
                result.objects, bad_records, approaches_in(result.rows), wall_seconds,
                wall_seconds > 0.0 ? static_cast<double>(result.object_steps) / wall_seconds : 0.0);
  return line;
}

// Under several ranks every rank reads the input files itself: a pipe would hand each
// rank a different part of its lines.
void check_every_rank_reads_all(const SurveyRanks& ranks, const std::filesystem::path& path, const char* option) {
  std::error_code ignored;
  if (ranks.size() == 1 || !std::filesystem::exists(path, ignored) || std::filesystem::is_regular_file(path, ignored)) {
    return;
  }
  throw errors::UsageError(std::string(option) +
                           ": under MPI every rank reads the file itself, so it must be a regular file (" +
                           path.string() + ")");
}

// This rank's share surveyed, and the census of the catalogue.
struct RankSurvey {
  SurveyResult mine;
  int bad_records = 0;
};

// Reads the catalogue and surveys this rank's share of it. Every rank takes the census of
// the whole catalogue, so that every one refuses the same window; only the lead rank reads
// the other shares' records in full, to report their bad records.
RankSurvey survey_share(const SurveyOptions& options, const CatalogueRun& run, const SurveyRanks& ranks,
                        const RunStreams& streams) {
  const bool lead = ranks.rank() == 0;
  std::ostringstream quiet;
  std::ostream& warnings = lead ? streams.warnings : quiet;
  // After the census, a failure on one rank alone (a read error) must end them all: the
  // others would wait for it at the gather.
  bool past_census = false;
  try {
    const CatalogueRunOptions& files = options.run;
    check_every_rank_reads_all(ranks, files.catalogue, "--catalogue");
    if (!files.object_list.empty()) check_every_rank_reads_all(ranks, files.object_list, "--objects");
    const std::vector<std::string> wanted = run.wanted();
    const LineShare mine_only = [&ranks](long line_number) { return ranks.owns_line(line_number); };
    const CatalogueCensus census = take_census(files.catalogue, wanted, warnings, mine_only,
                                               lead ? OtherShares::read_in_full : OtherShares::epochs_only);
    run.check_matched(census.picking, static_cast<std::size_t>(census.objects));
    check_window(options.settings, census.first_of_epochs);
    // Without its plug-in the survey goes on, slower, with rows that agree to rounding.
    if (const LoadedKernels& batches = batch_kernels(); batches.kernels == nullptr) {
      warnings << batches.missing << "; stepping the objects in groups instead\n";
    }
    past_census = true;
    SurveyProgress bar = run.progress(lead);
    SurveyObjectStream stream(files.catalogue, census, mine_only);
    RankSurvey share{survey_stream([&stream](std::vector<SurveyObject>& objects,
                                             std::size_t most) { stream.read(objects, most); },
                                   census.objects_of_epoch, options.settings, run.threads(),
                                   [&](long done, long total) { bar.update(done, total); }),
                     census.bad_records};
    bar.finish();
    return share;
  } catch (const errors::Error& error) {
    if (error.kind() == errors::ErrorKind::failure && past_census && ranks.size() > 1) {
      streams.warnings << "rank " << ranks.rank() << ": " << error.what() << '\n';
      ranks.abandon(errors::exit_status(error.kind()));
    }
    if (lead) throw;
    throw errors::Error(error.kind(), "");  // the lead rank says it
  }
}

}  // namespace

std::string run_survey(const SurveyOptions& options, const TextWriter& put_table, const RunStreams& streams) {
  const CatalogueRun run(options.run, streams);
  const SurveyRanks ranks(launched_rank_link());
  const RankSurvey share = survey_share(options, run, ranks, streams);
  run.note_threads(share.mine.thread_failure);
  const SurveyResult result = ranks.gather(share.mine);
  if (ranks.rank() != 0) return {};
  std::ostringstream table;
  write_table(table, result.rows);
  put_table(table.str());
  if (options.after_table) options.after_table(result.rows);
  return run.summary([&](double wall_seconds) { return summary_line(result, share.bad_records, wall_seconds); });
}

}  // namespace survey
