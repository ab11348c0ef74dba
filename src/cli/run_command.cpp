// skytrak3d run: the answers of the dialogue given as options. Everything is checked
// before the first file is written; then the run writes name.xyz and name.clo, reads
// them back and draws the pictures asked for.
#include "cli/run_command.h"


#include <CLI/CLI.hpp>
#include <filesystem>
#include <map>
#include <memory>
#include <sstream>

#include "app/catalogue.h"
#include "app/plot_stage.h"
#include "app/read_back.h"
#include "app/run_stage.h"
#include "app/start_dialogue.h"
#include "app/view_dialogue.h"
#include "cli/catalogue_option.h"
#include "cli/version_flag.h"
#include "dynamics/constants.h"
#include "textio/plain_text.h"

namespace cli {

namespace {

constexpr double kFirstEpoch = 2400000.0;
constexpr double kLastEpoch = 2480000.0;

struct RunOptions {
  std::string planet;
  std::string object;
  std::vector<double> elements;
  std::string name;
  std::string catalogue;
  double span = 0.0;
  double step = 0.0;
  std::vector<std::string> view = {"P", "3", "-3", "1.5"};
  bool animate = false;
  std::vector<std::string> save;
  bool show = false;
  std::string out = ".";
};

// Menu answer of each picture format, so the picture is drawn as the menu draws it.
const std::map<std::string, int> kSaveFormats = {{"bmp", 1}, {"pdf", 2}, {"ps", 3},
                                                  {"wmf", 4}, {"png", 9}, {"svg", 10}};

// 1..9, or the planet's name in any case ("earth", "Jupiter").
int planet_number(const std::string& text) {
  for (int n = 1; n <= dynamics::kPlanetCount; ++n) {
    std::string name(dynamics::kPlanetNames[static_cast<std::size_t>(n - 1)]);
    name = textio::lower_case(name.substr(0, name.find(' ')));
    if (text == std::to_string(n) || textio::lower_case(text) == name) return n;
  }
  throw UsageError("--planet: \"" + text + "\" is neither 1..9 nor a planet's name");
}

void choose_catalogue_object(const RunOptions& options, app::RunState& state) {
  const std::vector<catalogue::CatalogueRecord> found = look_up(options.catalogue, options.object);
  if (found.size() > 1) {
    std::string list;
    for (const catalogue::CatalogueRecord& record : found) list += "\n" + record_line(record).substr(0, 38);
    throw UsageError("--object \"" + options.object + "\" matches " + std::to_string(found.size()) +
                     " records; name one of them:" + list);
  }
  const catalogue::CatalogueRecord& record = found.front();
  state.name7 = record.designation;
  state.name7.resize(catalogue::kDesignationWidth, ' ');
  state.name28 = record.name28;
  state.elements = record.elements;
  state.blocks.epoch_jd = catalogue::epoch_julian_date(record);
}

// The checks of the hand entry: a > 0, 0 <= e < 1, the epoch within the dialogue's range.
void enter_elements(const RunOptions& options, app::RunState& state) {
  if (options.name.empty()) throw UsageError("--elements needs --name TEXT");
  const std::vector<double>& v = options.elements;
  if (v[0] <= 0.0) throw UsageError("--elements: a must be above 0");
  if (v[1] < 0.0 || v[1] >= 1.0) throw UsageError("--elements: e must be in [0, 1)");
  if (v[6] < kFirstEpoch || v[6] > kLastEpoch) throw UsageError("--elements: the epoch must be in [2400000, 2480000]");
  state.elements = {v[0], v[1], v[2], v[3], v[4], v[5]};
  state.blocks.epoch_jd = v[6];
  state.name28 = options.name;
  state.name28.resize(catalogue::kName28Width, ' ');
  state.name7 = state.name28.substr(0, catalogue::kDesignationWidth);
}

void set_view(const RunOptions& options, app::RunState& state) {
  app::View& view = state.view;
  const std::string& focus = options.view[0];
  if (focus.size() != 1 || std::string("SPAspa").find(focus[0]) == std::string::npos) {
    throw UsageError("--view: the focus must be S, P or A");
  }
  view.focus = focus[0];
  try {
    view.xobs = std::stof(options.view[1]);
    view.yobs = std::stof(options.view[2]);
    view.zobs = std::stof(options.view[3]);
  } catch (const std::logic_error&) {
    throw UsageError("--view: the observer's position must be three numbers");
  }
}

void run(const RunOptions& options, CommandContext& context) {
  app::RunState state;
  state.ipl = planet_number(options.planet);
  state.sysname = app::make_sysname(state.ipl);
  if (options.object.empty() == options.elements.empty()) throw UsageError("give either --object or --elements");
  if (options.object.empty()) {
    enter_elements(options, state);
  } else {
    choose_catalogue_object(options, state);
  }
  app::classify(state);
  if (const char* refusal = app::set_time_span(state, options.span, options.step)) {
    throw UsageError("--span and --step refused: " + std::string(textio::trim_blanks(refusal)));
  }
  set_view(options, state);

  // Every check is done: from here on files are written, all in the output folder.
  std::filesystem::current_path(options.out);
  std::istringstream no_answers;
  app::Console console(no_answers, context.out);
  app::integrate(console, state, ".", nullptr);
  app::read_back(state, state.name7 + ".xyz");
  app::set_view_focus(state);  // the focus on the object needs the path read back
  // As in the menu, a saved file holds one still frame; --animate is for the window.
  // (The read-back has set anim to 'Y', so it is set here, after it.)
  for (const std::string& format : options.save) {
    state.iopt = kSaveFormats.at(format);
    state.anim = 'N';
    app::plot_picture(state, app::plot_output(state.iopt));
  }
  if (options.show) {
    state.iopt = 0;
    state.anim = options.animate ? 'Y' : 'N';
    app::plot_picture(state, app::PlotOutput::screen);
  }
}

}  // namespace

void add_run_command(CLI::App& program, CommandContext& context) {
  CLI::App* run_app = program.add_subcommand("run", "One run without questions: integrate, write the files, draw");
  add_version_flag(*run_app);
  auto options = std::make_shared<RunOptions>();
  run_app->add_option("--planet", options->planet, "Reference planet: 1..9 or its name (Earth = 3)")->required();
  CLI::Option* object =
      run_app->add_option("--object", options->object, "Catalogue object: designation or part of the name");
  CLI::Option* elements = run_app->add_option("--elements", options->elements, "Elements by hand")
                              ->type_name("a,e,i,node,peri,M,epochJD")
                              ->delimiter(',')
                              ->expected(7);
  object->excludes(elements);
  run_app->add_option("--name", options->name, "Name of the object given by --elements")->needs(elements);
  add_catalogue_option(*run_app, options->catalogue);
  run_app->add_option("--span", options->span, "Time span, years (negative: into the past)")->required();
  run_app->add_option("--step", options->step, "Output step, years")->required();
  run_app->add_option("--view", options->view, "Focus (S, P or A) and observer's position x,y,z")
      ->type_name("F,x,y,z")
      ->delimiter(',')
      ->expected(4);
  run_app->add_flag("--animate", options->animate, "Draw the path point by point");
  run_app->add_option("--save", options->save, "Pictures to write")
      ->type_name("bmp,pdf,ps,wmf,png,svg")
      ->delimiter(',')
      ->check(CLI::IsMember(kSaveFormats));
  run_app->add_flag("--show", options->show, "Show the picture in a window");
  run_app->add_option("--out", options->out, "Folder for the files (default: here)")
      ->type_name("DIR")
      ->check(CLI::ExistingDirectory);
  run_app->callback([options, &context] { run(*options, context); });
}

}  // namespace cli
