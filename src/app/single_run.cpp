// One run from a request: the object's state, the checks, the run, the pictures.
#include "app/single_run.h"

#include <sstream>

#include "app/console.h"
#include "app/observer_near_box.h"
#include "app/plot_failure.h"
#include "app/read_back.h"
#include "app/run_files.h"
#include "app/run_stage.h"
#include "app/start_dialogue.h"
#include "app/view_dialogue.h"
#include "errors/error.h"
#include "plot/plotix.h"
#include "sky/sky.h"
#include "textio/plain_text.h"

namespace app {

namespace {

// Name, elements and epoch of a catalogue record, as the name prompt takes them; the
// elements as the run's sky takes them.
void take_object(const catalogue::CatalogueRecord& record, RunState& state) {
  state.name7 = record.designation;
  state.name7.resize(catalogue::kDesignationWidth, ' ');
  state.name28 = record.name28;
  state.elements = sky::sky_model(state.sky).object_elements(record.elements, record.mean_motion);
  state.blocks.epoch_jd = catalogue::epoch_julian_date(record);
}

// Name, elements and epoch typed by hand, with the checks of hand entry.
void take_object(const HandElements& hand, RunState& state) {
  switch (dynamics::element_fault(hand.elements)) {
    case dynamics::ElementFault::semimajor_axis: throw errors::UsageError("elements: a must be above 0 and below 3.4e38");
    case dynamics::ElementFault::eccentricity: throw errors::UsageError("elements: e must be in [0, 1)");
    case dynamics::ElementFault::none: break;
  }
  if (!dynamics::epoch_accepted(hand.epoch_jd)) throw errors::UsageError("elements: the epoch must be in [2400000, 2480000]");
  state.elements = hand.elements;
  state.blocks.epoch_jd = hand.epoch_jd;
  state.name28 = textio::utf8_prefix(hand.name, catalogue::kName28Width);
  state.name28.resize(catalogue::kName28Width, ' ');
  state.name7 = textio::utf8_prefix(state.name28, catalogue::kDesignationWidth);
  state.name7.resize(catalogue::kDesignationWidth, ' ');
}

}  // namespace

void read_back_run(RunState& state) { read_back(state, coordinates_file_name(state.name7)); }

SingleRunOutcome single_run(const SingleRunRequest& request, std::ostream& out) {
  RunState state;
  state.ipl = request.planet;
  state.sysname = make_sysname(state.ipl);
  state.sky = request.sky;
  std::visit([&state](const auto& object) { take_object(object, state); }, request.object);
  classify(state);
  if (const char* refusal = set_time_span(state, request.span, request.step)) {
    throw errors::UsageError("span and step: " + std::string(textio::trim_blanks(refusal)));
  }
  state.view = request.view;
  state.style = request.style;
  state.png_background = request.png_background;
  state.frame = request.frame;
  state.path_colour = request.path_colour;

  // Every check is done: from here on files are written, all in the run's folder.
  std::filesystem::current_path(request.folder);
  state.quiet = request.quiet;
  std::istringstream no_answers;
  std::ostringstream dropped;
  Console console(no_answers, request.quiet ? dropped : out);
  integrate(console, state, ".", nullptr);
  read_back_run(state);
  set_view_focus(state);  // the focus on the object needs the path read back
  state.anim = false;
  SingleRunOutcome outcome;
  outcome.cut_by_page = !request.formats.empty() && state.style == PictureStyle::classic && observer_near_box(state);
  // The window first, so that the view the user turned it to is the one saved; its
  // line, in the form the view prompt takes, goes out when the window is closed.
  if (request.formats.contains(PlotOutput::screen)) {
    state.anim = request.animate;
    outcome.window_shown = plot_picture(state, PlotOutput::screen);
    if (outcome.window_shown) console.formatted(view_prompt_form(state.view));
    state.anim = false;
  }
  for (const PlotOutput output : request.formats) {
    if (output == PlotOutput::screen) continue;
    plot_picture(state, output);
    outcome.pictures_written = outcome.pictures_written && !plot_file_write_failed();
  }
  return outcome;
}

}  // namespace app
