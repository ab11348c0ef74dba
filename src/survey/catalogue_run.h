// What the survey and the co-orbital search share as the command line runs them over a
// whole catalogue: the object list read, the catalogue read, the threads, the progress
// bar, the table handed on and the summary line. Their drivers are these steps with their
// own work between; what goes wrong is an errors::Error, thrown for the edge to report.
#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "survey/io/progress_bar.h"

namespace survey {

struct CatalogueRunOptions {
  std::filesystem::path catalogue;
  std::filesystem::path object_list;  // empty: every object of the catalogue (the co-orbital search: its candidates)
  int jobs = 0;                       // threads; 0 = one per core
  bool quiet = false;                 // no progress bar and no summary line; warnings and errors stay
};

// Where a run's lines go: `warnings` one line each, without the program's name (the edge
// adds it); `progress` the bar, drawn when `progress_shown` (a terminal) and not quiet.
struct RunStreams {
  std::ostream& warnings;
  std::ostream& progress;
  bool progress_shown = false;
};

// Puts a finished table's text where it was asked for (a file, standard output); throws
// errors::Failure when the whole text did not get there.
using TextWriter = std::function<void(const std::string& text)>;

class CatalogueRun {
 public:
  // The wall time of the summary line counts from here.
  CatalogueRun(const CatalogueRunOptions& options, const RunStreams& streams);

  // The names of the object list, none without a list. A list that names no object is an
  // errors::UsageError.
  std::vector<std::string> wanted() const;
  // With a list, none of whose names picked an object: errors::Failure.
  void check_matched(bool picking, std::size_t picked) const;
  // The threads asked for, else one per core.
  int threads() const;
  // The progress bar, drawn only where `shown` too (on the rank that reports).
  SurveyProgress progress(bool shown) const;
  // Why fewer threads than asked for ran, as a warning; nothing when empty.
  void note_threads(const std::string& thread_failure) const;
  // The summary line `line` makes of the wall time so far; empty when quiet.
  std::string summary(const std::function<std::string(double wall_seconds)>& line) const;

 private:
  const CatalogueRunOptions& options_;
  const RunStreams& streams_;
  std::chrono::steady_clock::time_point start_;
};

}  // namespace survey
