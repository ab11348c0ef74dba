// Drawing the picture of the last run through PLOTIX: on the screen, or saved as a
// BMP, PDF, PostScript, WMF, PNG or SVG file named after the object.
#pragma once

#include <string>

#include "app/run_state.h"

namespace app {

// Where a plot goes: the screen (menu 0 and after a view dialogue) or a file.
// Its values are the menu answers.
enum class PlotOutput { screen = 0, bmp = 1, pdf = 2, ps = 3, wmf = 4, png = 9, svg = 10 };

// The output of a menu answer: 1..4 save as BMP, PDF, PS, WMF, 9 and 10 as PNG and SVG;
// anything else is the screen.
PlotOutput plot_output(int iopt);

// A PNG picture takes the page's shape (2969 x 2099 units) at this width and height.
inline constexpr int kPngWidth = 1600;
inline constexpr int kPngHeight = 1131;

// The 11-character file name handed to the library for a save: name7, a point and the
// extension, with one blank after "ps" so that every name has the same length.
std::string picture_file_name(const std::string& name7, PlotOutput output);

// Makes the output settings for `output`, then draws: one frame per point from
// kstart to npts (kstart 1 when animated, else npts), each ended by endgrf. On the
// screen, the user may then turn and zoom the view in the window; each new view is
// drawn at once and becomes the run's view. Then disfin. True when the picture was
// shown in a window that the user has now closed. Throws PlotFailure (app/plot_failure.h)
// when the plot library stopped with a fatal status.
bool plot_picture(RunState& state, PlotOutput output);

}  // namespace app
