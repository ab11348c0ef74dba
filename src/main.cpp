// SKYTRAK3D: the program's entry point. Without arguments it wires the stages of the
// dialogue; with arguments it hands them to the command line.
#include <unistd.h>

#include <csignal>
#include <iostream>

#include "app/catalogue.h"
#include "app/error_report.h"
#include "app/observer_near_box.h"
#include "app/plot_stage.h"
#include "app/program.h"
#include "app/run_stage.h"
#include "app/single_run.h"
#include "app/view_dialogue.h"
#include "cli/command_line.h"
#include "cli/style_option.h"
#include "devices/temp_file_cleanup.h"
#include "plot/plotix.h"
#include "textio/prefixed_lines.h"

int main(int argc, char** argv) {
  // A file-size limit (ulimit -f) fails a write like a full disk, reported and cleaned
  // up, instead of killing the program with a cut file behind it; a closed pipe fails
  // the write to the standard output, reported with status 1. An interrupted program
  // removes its temporary files before it ends.
  std::signal(SIGXFSZ, SIG_IGN);
  std::signal(SIGPIPE, SIG_IGN);
  devices::remove_temp_files_on_signals();
  // The plot library's lines (a file it could not finish, a window that cannot be shown)
  // on stderr after the program's name, from the dialogue and the command line alike.
  static textio::PrefixedLines plot_lines(std::cerr, app::kMessagePrefix);
  plotix::set_error_stream(plot_lines);
  // "skytrak3d --style clear" is the dialogue drawing in that style.
  app::PictureStyle style = app::PictureStyle::classic;
  if (argc > 1 && !cli::dialogue_style(argc, argv, style)) return cli::run_command_line(argc, argv, std::cout, std::cerr);
  return app::run_main(std::cin, std::cout, std::cerr, [style](app::Console& console, std::ostream& warnings) {
    app::Stages stages;
    stages.choose_object = [&console, &warnings](app::RunState& state) {
      app::choose_object(console, state, ".", warnings);
    };
    stages.classify = [](app::RunState& state) { app::classify(state); };
    stages.run_span = [&console](app::RunState& state) {
      app::run_span(console, state, ".", std::cerr, ::isatty(STDERR_FILENO) != 0);
    };
    stages.read_back = [](app::RunState& state) { app::read_back_run(state); };
    stages.view_dialogue = [&console](app::RunState& state) { app::view_dialogue(console, state); };
    stages.plot = [&console, &warnings, style, warned = false](app::RunState& state, int iopt) mutable {
      state.style = style;
      if (style == app::PictureStyle::classic && !warned && app::observer_near_box(state)) {
        warnings << app::kObserverNearBoxWarning;
        warned = true;
      }
      // The view last shown in the window, in the form the view prompt takes.
      if (app::plot_picture(state, app::plot_output(iopt))) console.formatted(app::view_prompt_form(state.view));
    };
    return stages;
  });
}
