// Reading a survey's files line by line, and the usable records of a catalogue.
#include "survey/io/catalogue_lines.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <system_error>

#include "errors/error.h"
#include "survey/io/survey_object.h"

namespace survey {

std::unique_ptr<catalogue::CatalogueFile> open_survey_file(const std::filesystem::path& path, const char* what) {
  const std::string cannot_read = "cannot read the " + std::string(what) + " (" + path.string() + "): ";
  std::error_code ignored;
  if (std::filesystem::is_directory(path, ignored)) throw errors::Failure(cannot_read + std::strerror(EISDIR));
  try {
    return std::make_unique<catalogue::CatalogueFile>(path);
  } catch (const errors::Failure&) {
    const int reason = errno;  // left by the failed open
    throw errors::Failure(cannot_read + std::strerror(reason));
  }
}

void read_lines(const std::filesystem::path& path, const char* what,
                const std::function<void(std::string_view, long)>& take) {
  const std::unique_ptr<catalogue::CatalogueFile> file = open_survey_file(path, what);
  std::string_view line;
  while (file->next_line(line)) take(line, file->line_number());
}

int read_usable_records(
    const std::filesystem::path& path, std::ostream& warnings,
    const std::function<void(std::string_view, long, const catalogue::CatalogueRecord&)>& take,
    const std::function<bool(std::string_view, long)>& pass_over) {
  int bad_records = 0;
  long usable_or_passed_over = 0;
  read_lines(path, "catalogue", [&](std::string_view line, long number) {
    if (line.find_first_not_of(' ') == std::string_view::npos) return;
    ++usable_or_passed_over;
    if (pass_over && pass_over(line, number)) return;
    catalogue::CatalogueRecord record;
    if (const std::string problem = record_problem(line, record); !problem.empty()) {
      warnings << "bad record skipped (" << path.string() << ", line " << number << ", " << problem
               << ")\n";
      ++bad_records;
      --usable_or_passed_over;
      return;
    }
    take(line, number, record);
  });
  if (usable_or_passed_over == 0) throw errors::Failure("no usable record in the catalogue (" + path.string() + ")");
  return bad_records;
}

}  // namespace survey
