// Parsing with CLI11, the subcommand dispatch, and the mapping of failures to messages
// and exit statuses.
#include "cli/command_line.h"

#include <CLI/CLI.hpp>
#include <cerrno>
#include <cstring>
#include <optional>
#include <string>

#include "app/error_report.h"
#include "cli/help_text.h"
#include "cli/subcommands.h"
#include "cli/version_flag.h"
#include "errors/error.h"
#include "textio/plain_text.h"
#include "textio/prefixed_lines.h"

namespace cli {

namespace {

constexpr const char* kProgram = "skytrak3d";
constexpr const char* kDescription =
    "3D views of small-body orbits in a frame turning with a planet.\n"
    "Without arguments the program asks its questions on the console;\n"
    "with --style clear alone it asks them and draws its pictures in the clear style.";

// The one-line message and the hint naming the --help of the (sub)command that failed.
int report_usage_error(std::ostream& err, const std::string& message, const std::string& command) {
  err << app::kMessagePrefix << message << '\n';
  err << "Run '" << command << " --help' for usage.\n";
  return errors::exit_status(errors::ErrorKind::usage);
}

// "skytrak3d" or "skytrak3d run": the command whose options were being read.
std::string selected_command(const CLI::App& program) {
  std::string command = kProgram;
  for (const CLI::App* sub : program.get_subcommands()) command += " " + sub->get_name();
  return command;
}

// The status, made 1 with a message when the standard output lost anything: a script
// must not take a table or a listing that went to a full disk for a whole one.
int checked_output(std::ostream& out, std::ostream& err, int status) {
  errno = 0;
  out.flush();
  if (out || status != errors::kExitOk) return status;
  return app::report_error(out, err,
                           errors::Failure("cannot write to the standard output" +
                                           (errno != 0 ? std::string(": ") + std::strerror(errno) : std::string())));
}

// The first word of the command line that looks like a long option ("--bogus", or
// "--bogus=1") and that neither the program nor the command `command` (may be null) has;
// nothing when there is none. CLI11 would report a missing required option, or a missing
// command, before such a word.
std::optional<std::string> unknown_option(int argc, const char* const* argv, const CLI::App& program,
                                          const CLI::App* command) {
  for (int k = 1; k < argc; ++k) {
    const std::string word = argv[k];
    if (word.size() <= 2 || word.rfind("--", 0) != 0) continue;
    const std::string name = word.substr(0, word.find('='));
    if (program.get_option_no_throw(name) == nullptr &&
        (command == nullptr || command->get_option_no_throw(name) == nullptr)) {
      return name;
    }
  }
  return std::nullopt;
}

int parse_and_run(int argc, const char* const* argv, std::ostream& out, std::ostream& err, bool checks_only) {
  CLI::App program(kDescription, kProgram);
  add_version_flag(program);
  program.require_subcommand(1);
  use_plain_option_values(program);
  textio::PrefixedLines warnings(err, app::kMessagePrefix);
  CommandContext context{out, err, warnings};
  context.checks_only = checks_only;
  for (AddSubcommand add : subcommands()) add(program, context);

  // A first word that is no option and no command is named as such: CLI11 would only
  // say that a subcommand is required.
  const auto is_command = [&program](const std::string& word) {
    for (const CLI::App* sub : program.get_subcommands({})) {
      if (sub->check_name(word)) return true;
    }
    return false;
  };
  if (argc > 1 && argv[1][0] != '-' && !is_command(argv[1])) {
    return report_usage_error(err, "unknown command: " + textio::printable(argv[1]), kProgram);
  }
  try {
    program.parse(argc, argv);
  } catch (const CLI::Success& done) {  // --help or --version
    return program.exit(done, out, err);
  } catch (const CLI::ParseError& error) {
    const CLI::App* command = argc > 1 && is_command(argv[1]) ? program.get_subcommand(argv[1]) : nullptr;
    if (const std::optional<std::string> unknown = unknown_option(argc, argv, program, command)) {
      return report_usage_error(err, "unknown option " + textio::printable(*unknown), selected_command(program));
    }
    // CLI11's own messages echo the values as given: escaped here, one line each.
    return report_usage_error(err, textio::printable(error.what()), selected_command(program));
  } catch (const errors::UsageError& error) {
    return report_usage_error(err, error.what(), selected_command(program));
  } catch (const errors::Error& error) {
    return app::report_error(out, err, error);
  } catch (const std::runtime_error& error) {
    return app::report_error(out, err, errors::Failure(error.what()));
  }
  return checked_output(out, err, context.status);
}

}  // namespace

int run_command_line(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  return parse_and_run(argc, argv, out, err, false);
}

int check_command_line(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  return parse_and_run(argc, argv, out, err, true);
}

}  // namespace cli
