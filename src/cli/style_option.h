// How pictures are drawn: --style classic|clear (on run, and alone to start the
// dialogue in that style) and --background black|white for PNG pictures.
#pragma once

#include <string>

#include "app/picture_style.h"

namespace CLI {
class App;
}

namespace cli {

// Adds --style classic|clear to `command`, read into `style`; its value on entry is the
// default the help shows.
void add_style_option(CLI::App& command, app::PictureStyle& style);

// Adds --background black|white to `command`, read into `background`; its value on entry
// is the default the help shows, `pictures` says which pictures it paints.
void add_background_option(CLI::App& command, app::PngBackground& background,
                           const std::string& pictures = "PNG pictures");

// True when the arguments are "--style NAME" (or "--style=NAME") alone, for a known
// style: the dialogue is started and draws in that style, which goes into `style`.
bool dialogue_style(int argc, const char* const* argv, app::PictureStyle& style);

}  // namespace cli
