// One run without questions: the object, the time span, the view and the pictures given
// at once. The command line's run is made of it; the dialogue shares its read-back.
#pragma once

#include <filesystem>
#include <ostream>
#include <set>
#include <string>
#include <variant>

#include "catalogue/catalogue_record.h"
#include "app/plot_stage.h"
#include "app/run_state.h"
#include "dynamics/orbital_elements.h"
#include "sky/sky.h"

namespace app {

// An orbit typed by hand: the elements, their epoch (Julian date) and the object's name.
struct HandElements {
  dynamics::OrbitalElements elements;
  double epoch_jd = 0.0;
  std::string name;
};

struct SingleRunRequest {
  int planet = 3;  // reference planet, 1..9
  sky::Sky sky = sky::Sky::table;  // where the planets start; the object's a follows it
  std::variant<catalogue::CatalogueRecord, HandElements> object;
  double span = 0.0;  // years, negative into the past
  double step = 0.0;  // output step, years
  View view;          // focus, observer and zoom; the rest follows from the path
  // Pictures to save, and PlotOutput::screen to show the picture in a window (drawn
  // first: the saves follow when it is closed, in the view it showed last).
  std::set<PlotOutput> formats;
  bool animate = false;  // in the window; a saved file holds one still frame
  std::filesystem::path folder = ".";
  bool quiet = false;  // nothing on `out`: no progress line, no plotting protocol
  PictureStyle style = PictureStyle::clear;
  PngBackground png_background = PngBackground::black;
  BoxFrame frame = BoxFrame::path;            // the clear picture's box
  PathColour path_colour = PathColour::plain;  // the clear picture's path
};

// What became of the pictures asked for, so that the command line can give a failed save
// its exit status and a window that could not be shown its hint.
struct SingleRunOutcome {
  bool pictures_written = true;  // every picture file asked for was written
  bool window_shown = false;     // the window asked for was shown (and closed by the user)
  bool cut_by_page = false;      // classic pictures of an observer inside or against the box
};

// Checks the request (elements, epoch, span and step: a request that cannot run is an
// errors::UsageError saying why, before any file is written), then becomes the working folder,
// integrates, writes the coordinates and close-approach files there, reads the path back
// and draws the pictures. The run's lines go to `out`.
SingleRunOutcome single_run(const SingleRunRequest& request, std::ostream& out);

// Reads the coordinates file of the run's object back from the working folder.
void read_back_run(RunState& state);

}  // namespace app
