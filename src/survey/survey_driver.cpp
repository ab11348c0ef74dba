// Running a survey end to end.
#include "survey/survey_driver.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <sstream>
#include <string>
#include <thread>

#include "survey/batch/kernel_loader.h"
#include "survey/parallel/mpi_loader.h"
#include "survey/io/survey_object.h"
#include "survey/io/object_list.h"
#include "survey/io/catalogue_lines.h"
#include "survey/io/census.h"
#include "survey/io/object_stream.h"
#include "survey/io/progress_bar.h"
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
  throw SettingRefused(std::string(option) +
                       ": under MPI every rank reads the file itself, so it must be a regular file (" + path.string() +
                       ")");
}

}  // namespace

int run_survey(const SurveyOptions& options, const TableWriter& write_table, std::ostream& err,
               bool err_is_terminal) {
  const auto start = std::chrono::steady_clock::now();
  std::string no_link;
  std::unique_ptr<RankLink> link = launched_rank_link(no_link);
  if (!no_link.empty()) {
    err << "skytrak3d: " << no_link << '\n';
    return 1;
  }
  const SurveyRanks ranks(std::move(link));
  const bool lead = ranks.rank() == 0;
  // Every rank takes the census of the whole catalogue, so that every one refuses the
  // same window; only the lead rank reads the other shares' records in full, to report
  // their bad records.
  std::ostringstream quiet;
  std::ostream& warnings = lead ? err : quiet;
  // After the census, a failure on one rank alone (a read error) must end them all: the
  // others would wait for it at the gather.
  bool past_census = false;
  try {
    check_every_rank_reads_all(ranks, options.catalogue, "--catalogue");
    if (!options.object_list.empty()) check_every_rank_reads_all(ranks, options.object_list, "--objects");
    std::vector<std::string> wanted;
    if (!options.object_list.empty()) {
      wanted = read_object_list(options.object_list);
      if (wanted.empty()) {
        throw SettingRefused("--objects: the list names no object (" + options.object_list.string() + ")");
      }
    }
    const LineShare mine_only = [&ranks](long line_number) { return ranks.owns_line(line_number); };
    const CatalogueCensus census = take_census(options.catalogue, wanted, warnings, mine_only,
                                               lead ? OtherShares::read_in_full : OtherShares::epochs_only);
    if (census.picking && census.objects == 0) throw SurveyInputError("--objects: no name of the list matched");
    check_window(options.settings, census.first_of_epochs);
    const int jobs = options.jobs > 0 ? options.jobs : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    // Without its plug-in the survey goes on, slower, with rows that agree to rounding.
    if (std::string no_batches; batch_kernels(no_batches) == nullptr) {
      warnings << "skytrak3d: " << no_batches << "; stepping the objects in groups instead\n";
    }
    past_census = true;
    SurveyProgress bar(err, lead && err_is_terminal && !options.quiet);
    SurveyObjectStream stream(options.catalogue, census, mine_only);
    const SurveyResult mine = survey_stream(
        [&stream](std::vector<SurveyObject>& objects, std::size_t most) { stream.read(objects, most); },
        census.objects_of_epoch, options.settings, jobs, [&](long done, long total) { bar.update(done, total); });
    bar.finish();
    if (!mine.thread_failure.empty()) err << "skytrak3d: " << mine.thread_failure << '\n';
    const SurveyResult result = ranks.gather(mine);
    if (!lead) return 0;
    if (const std::string failure = write_table(result.rows); !failure.empty()) {
      err << "skytrak3d: " << failure << '\n';
      return 1;
    }
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!options.quiet) err << summary_line(result, census.bad_records, wall) << '\n';
    return 0;
  } catch (const SettingRefused& error) {
    if (lead) err << "skytrak3d: " << error.what() << '\n';
    return 2;
  } catch (const SurveyInputError& error) {
    if (past_census && ranks.size() > 1) {
      err << "skytrak3d: rank " << ranks.rank() << ": " << error.what() << '\n';
      ranks.abandon(1);
    }
    if (lead) err << "skytrak3d: " << error.what() << '\n';
    return 1;
  }
}

}  // namespace survey
