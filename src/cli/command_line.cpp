// Parsing with CLI11, the subcommand dispatch, and the mapping of failures to messages
// and exit statuses.
#include "cli/command_line.h"

#include <CLI/CLI.hpp>

#include "app/plot_failure.h"
#include "cli/help_text.h"
#include "cli/subcommands.h"
#include "cli/version_flag.h"

namespace cli {

namespace {

constexpr const char* kProgram = "skytrak3d";
constexpr const char* kDescription =
    "3D views of small-body orbits in a frame turning with a planet.\n"
    "Without arguments the program asks its questions on the console.";

// The one-line message and the hint naming the --help of the (sub)command that failed.
void report_usage_error(std::ostream& err, const std::string& message, const std::string& command) {
  err << kProgram << ": " << message << '\n';
  err << "Run '" << command << " --help' for usage.\n";
}

// "skytrak3d" or "skytrak3d run": the command whose options were being read.
std::string selected_command(const CLI::App& program) {
  std::string command = kProgram;
  for (const CLI::App* sub : program.get_subcommands()) command += " " + sub->get_name();
  return command;
}

}  // namespace

int run_command_line(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  CLI::App program(kDescription, kProgram);
  add_version_flag(program);
  program.require_subcommand(1);
  use_plain_option_values(program);
  CommandContext context{out, err};
  for (AddSubcommand add : subcommands()) add(program, context);

  try {
    program.parse(argc, argv);
  } catch (const CLI::Success& done) {  // --help or --version
    return program.exit(done, out, err);
  } catch (const CLI::ParseError& error) {
    report_usage_error(err, error.what(), selected_command(program));
    return kExitUsage;
  } catch (const UsageError& error) {
    report_usage_error(err, error.what(), selected_command(program));
    return kExitUsage;
  } catch (const app::PlotFailure& failure) {
    return app::report_plot_failure(out, err, failure);
  } catch (const std::runtime_error& error) {
    out.flush();
    err << kProgram << ": " << error.what() << '\n';
    return kExitFailure;
  }
  out.flush();
  return context.status;
}

}  // namespace cli
