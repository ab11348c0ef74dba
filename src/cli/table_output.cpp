// Writing a finished table to its file or to the standard output.
#include "cli/table_output.h"

#include <CLI/CLI.hpp>
#include <cerrno>
#include <cstring>

#include "cli/file_name_check.h"
#include "devices/byte_sink.h"
#include "errors/error.h"

namespace cli {

namespace {

void write_text_file(const std::string& csv, const std::string& text) {
  devices::ByteSink sink;
  if (sink.open(csv)) {
    sink.write(text);
    if (sink.close()) return;
  }
  throw errors::Failure("cannot write the table: " + sink.error());
}

void write_text_out(std::ostream& out, const std::string& text) {
  errno = 0;
  out << text;
  out.flush();
  if (out) return;
  throw errors::Failure("cannot write the table to the standard output" +
                        (errno != 0 ? std::string(": ") + std::strerror(errno) : std::string()));
}

}  // namespace

void add_csv_option(CLI::App& command, std::string& csv) {
  command.add_option("--csv", csv, "Write the table to this file (it appears whole, or not at all); - is standard output")
      ->type_name("FILE")
      ->check(file_name());
}

survey::TextWriter text_writer(const std::string& csv, std::ostream& out) {
  if (csv.empty() || csv == "-") return [&out](const std::string& text) { write_text_out(out, text); };
  return [csv](const std::string& text) { write_text_file(csv, text); };
}

}  // namespace cli
