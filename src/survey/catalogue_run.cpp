// The shared steps of a run over a whole catalogue (see catalogue_run.h).
#include "survey/catalogue_run.h"

#include <algorithm>
#include <thread>

#include "errors/error.h"
#include "survey/io/object_list.h"

namespace survey {

CatalogueRun::CatalogueRun(const CatalogueRunOptions& options, const RunStreams& streams)
    : options_(options), streams_(streams), start_(std::chrono::steady_clock::now()) {}

std::vector<std::string> CatalogueRun::wanted() const {
  if (options_.object_list.empty()) return {};
  std::vector<std::string> names = read_object_list(options_.object_list);
  if (names.empty()) throw errors::UsageError("--objects: the list names no object (" + options_.object_list.string() + ")");
  return names;
}

void CatalogueRun::check_matched(bool picking, std::size_t picked) const {
  if (picking && picked == 0) throw errors::Failure("--objects: no name of the list matched");
}

int CatalogueRun::threads() const {
  return options_.jobs > 0 ? options_.jobs : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

SurveyProgress CatalogueRun::progress(bool shown) const {
  return SurveyProgress(streams_.progress, shown && streams_.progress_shown && !options_.quiet);
}

void CatalogueRun::note_threads(const std::string& thread_failure) const {
  if (!thread_failure.empty()) streams_.warnings << thread_failure << '\n';
}

std::string CatalogueRun::summary(const std::function<std::string(double wall_seconds)>& line) const {
  if (options_.quiet) return {};
  return line(std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count());
}

}  // namespace survey
