// Writing the survey's table to its file or to the standard output.
#include "cli/table_output.h"

#include <cerrno>
#include <cstring>

#include "devices/byte_sink.h"

namespace cli {

namespace {

std::string write_table_file(const std::string& csv, const std::vector<survey::SurveyRow>& rows) {
  devices::ByteSink sink;
  if (sink.open(csv)) {
    sink.write(survey::kTableHeader);
    sink.put('\n');
    for (const survey::SurveyRow& row : rows) {
      sink.write(survey::csv_line(row));
      sink.put('\n');
    }
    if (sink.close()) return {};
  }
  return "cannot write the table: " + sink.error();
}

std::string write_table_out(std::ostream& out, const std::vector<survey::SurveyRow>& rows) {
  errno = 0;
  survey::write_table(out, rows);
  out.flush();
  if (out) return {};
  return "cannot write the table to the standard output" +
         (errno != 0 ? std::string(": ") + std::strerror(errno) : std::string());
}

}  // namespace

survey::TableWriter table_writer(const std::string& csv, std::ostream& out) {
  if (csv.empty()) return [&out](const std::vector<survey::SurveyRow>& rows) { return write_table_out(out, rows); };
  return [csv](const std::vector<survey::SurveyRow>& rows) { return write_table_file(csv, rows); };
}

}  // namespace cli
