// skytrak3d run: the answers of the dialogue given as options. Everything is checked
// before the first file is written; then the run writes name.xyz and name.clo, reads
// them back and draws the pictures asked for.
#include "cli/run_command.h"

#include <CLI/CLI.hpp>
#include <map>
#include <memory>

#include "app/observer_near_box.h"
#include "app/single_run.h"
#include "app/view_dialogue.h"
#include "cli/catalogue_option.h"
#include "cli/help_text.h"
#include "cli/number_checks.h"
#include "cli/planet_name.h"
#include "cli/sky_option.h"
#include "cli/style_option.h"
#include "cli/version_flag.h"
#include "errors/error.h"
#include "textio/plain_text.h"

namespace cli {

namespace {

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
  bool quiet = false;
  std::string out = ".";
  sky::Sky sky = sky::Sky::table;
  app::PictureStyle style = app::PictureStyle::clear;
  app::PngBackground background = app::PngBackground::black;
  app::BoxFrame frame = app::BoxFrame::path;
  float zoom = 1.0f;
  app::PathColour colour = app::PathColour::plain;
  // The options only the clear style draws, as given on the command line.
  std::vector<std::string> clear_only;
};

const std::map<std::string, app::PlotOutput> kSaveFormats = {
    {"bmp", app::PlotOutput::bmp}, {"pdf", app::PlotOutput::pdf}, {"ps", app::PlotOutput::ps},
    {"wmf", app::PlotOutput::wmf}, {"png", app::PlotOutput::png}, {"svg", app::PlotOutput::svg}};

catalogue::CatalogueRecord catalogue_object(const RunOptions& options) {
  const std::vector<catalogue::CatalogueRecord> found = look_up(options.catalogue, options.object);
  if (found.empty()) throw errors::UsageError(no_match_message(options.object));
  if (found.size() > 1) {
    std::string list;
    for (const catalogue::CatalogueRecord& record : found) list += "\n" + record_line(record).substr(0, 38);
    throw errors::UsageError("--object \"" + textio::printable(options.object) + "\" matches " + std::to_string(found.size()) +
                     " records; name one of them:" + list);
  }
  return found.front();
}

app::HandElements hand_elements(const RunOptions& options) {
  if (options.name.empty()) throw errors::UsageError("--elements needs --name TEXT");
  const std::vector<double>& v = options.elements;
  return {{v[0], v[1], v[2], v[3], v[4], v[5]}, v[6], options.name};
}

app::SingleRunRequest request_of(const RunOptions& options) {
  app::SingleRunRequest request;
  const std::optional<int> planet = planet_number(options.planet);
  if (!planet) throw errors::UsageError("--planet: \"" + textio::printable(options.planet) + "\" is neither 1..9 nor a planet's name");
  request.planet = *planet;
  request.sky = options.sky;
  if (options.object.empty() == options.elements.empty()) throw errors::UsageError("give either --object or --elements");
  if (options.object.empty()) {
    request.object = hand_elements(options);
  } else {
    request.object = catalogue_object(options);
  }
  request.span = options.span;
  request.step = options.step;
  const std::vector<std::string>& view = options.view;
  if (!app::parse_view(view[0], view[1], view[2], view[3], request.view)) {
    throw errors::UsageError("--view: the focus must be S, P or A and the observer's position three finite numbers");
  }
  for (const std::string& format : options.save) request.formats.insert(kSaveFormats.at(format));
  if (options.show) request.formats.insert(app::PlotOutput::screen);
  request.animate = options.animate;
  request.folder = options.out;
  request.quiet = options.quiet;
  request.style = options.style;
  request.png_background = options.background;
  if (options.style == app::PictureStyle::classic && !options.clear_only.empty()) {
    throw errors::UsageError(options.clear_only.front() + " draws the clear style only; --style classic keeps the dialogue's picture");
  }
  request.frame = options.frame;
  request.view.zoom = options.zoom;
  request.path_colour = options.colour;
  return request;
}

void run(const RunOptions& options, CommandContext& context) {
  const app::SingleRunRequest request = request_of(options);
  if (context.checks_only) return;
  // A request the run refuses is an errors::UsageError, as a wrong option is.
  const app::SingleRunOutcome outcome = app::single_run(request, context.out);
  if (outcome.cut_by_page) context.warnings << app::kObserverNearBoxWarning;
  if (!outcome.pictures_written) context.status = errors::kExitFailure;
  if (options.show && !outcome.window_shown) {
    context.warnings << "--show: no window could be shown; --save FORMAT writes the picture to a file\n";
  }
}

}  // namespace

void add_run_command(CLI::App& program, CommandContext& context) {
  CLI::App* run_app = program.add_subcommand("run", "One run without questions: integrate, write the files, draw");
  add_version_flag(*run_app);
  auto options = std::make_shared<RunOptions>();
  run_app->add_option("--planet", options->planet, "Reference planet: 1..9 or its name (Earth = 3)")
      ->type_name("PLANET")
      ->required();
  CLI::Option* object =
      run_app->add_option("--object", options->object, "Catalogue object: designation or part of the name")
          ->type_name("NAME");
  CLI::Option* elements = run_app->add_option("--elements", options->elements, "Elements by hand")
                              ->type_name("a,e,i,node,peri,M,epochJD")
                              ->delimiter(',')
                              ->expected(7)
                              ->check(hand_entry_number());
  object->excludes(elements);
  run_app->add_option("--name", options->name, "Name of the object given by --elements")->type_name("NAME")->needs(elements);
  add_catalogue_option(*run_app, options->catalogue);
  run_app->add_option("--span", options->span, "Time span, years (negative: into the past)")
      ->type_name("YEARS")
      ->required()
      ->check(finite_number());
  run_app->add_option("--step", options->step, "Output step, years")
      ->type_name("YEARS")
      ->required()
      ->check(above_zero("the output step must be above 0"));
  run_app->add_option("--view", options->view, "Focus (S, P or A) and observer's position x,y,z")
      ->type_name("F,x,y,z")
      ->delimiter(',')
      ->expected(4);
  run_app->add_flag("--animate", options->animate, "Draw the path point by point");
  run_app->add_option("--save", options->save, "Pictures to write: bmp, pdf, ps, wmf, png, svg")
      ->type_name("FORMAT[,FORMAT...]")
      ->delimiter(',')
      ->check(unlabelled(CLI::IsMember(kSaveFormats)));
  run_app->add_flag("--show", options->show, "Show the picture in a window");
  run_app->add_option("--out", options->out, "Folder for the files (default: here)")
      ->type_name("DIR")
      ->check(unlabelled(CLI::ExistingDirectory));
  add_sky_option(*run_app, options->sky);
  add_style_option(*run_app, options->style);
  add_background_option(*run_app, options->background);
  CLI::Option* frame = add_frame_option(*run_app, options->frame);
  CLI::Option* zoom = add_zoom_option(*run_app, options->zoom);
  CLI::Option* colour = add_colour_option(*run_app, options->colour);
  run_app->add_flag("--quiet", options->quiet,
                    "Print nothing but errors: no progress line, no plotting protocol");
  add_examples(*run_app,
               {"skytrak3d run --planet earth --object apophis --span 40 --step 0.01 --colour time --save png,svg",
                "skytrak3d run --planet 3 --object eros --span -10 --step 0.05 --view S,0,0,5 --save pdf",
                "skytrak3d run --planet jupiter --elements 5.2,0.05,1.3,100,270,0,2458600.5 --name TROJAN "
                "--span 12 --step 0.1 --save svg"});
  run_app->callback([options, &context, frame, zoom, colour] {
    for (const CLI::Option* given : {frame, zoom, colour}) {
      if (given->count() > 0) options->clear_only.push_back(given->get_name());
    }
    run(*options, context);
  });
}

}  // namespace cli
