// How pictures are drawn: --style classic|clear (on run, and alone to start the
// dialogue in that style), --background black|white for PNG pictures, and the clear
// style's --frame path|system, --zoom F and --colour plain|time.
#pragma once

#include <string>

#include "app/picture_style.h"

namespace CLI {
class App;
class Option;
}

namespace cli {

// Adds --style classic|clear to `command`, read into `style`; its value on entry is the
// default the help shows.
void add_style_option(CLI::App& command, app::PictureStyle& style);

// Adds --background black|white to `command`, read into `background`; its value on entry
// is the default the help shows, `pictures` says which pictures it paints.
void add_background_option(CLI::App& command, app::PngBackground& background,
                           const std::string& pictures = "PNG pictures");

// Adds --frame path|system, read into `frame`; returns the option.
CLI::Option* add_frame_option(CLI::App& command, app::BoxFrame& frame);

// Adds --zoom F, from app::kLeastZoom to app::kMostZoom, read into `zoom`; returns the option.
CLI::Option* add_zoom_option(CLI::App& command, float& zoom);

// Adds --colour plain|time, read into `colour`; returns the option.
CLI::Option* add_colour_option(CLI::App& command, app::PathColour& colour);

// True when the arguments are "--style NAME" (or "--style=NAME") alone, for a known
// style: the dialogue is started and draws in that style, which goes into `style`.
bool dialogue_style(int argc, const char* const* argv, app::PictureStyle& style);

}  // namespace cli
