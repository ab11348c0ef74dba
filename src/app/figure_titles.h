// The title lines of a 2D figure: the subject in the title height, a line of detail
// below it, centred over the axis area.
#pragma once

#include <string>

namespace app {

// Draws both lines above the axis area of the open plot in the current colour; the
// detail may be empty.
void draw_figure_titles(const std::string& subject, const std::string& detail);

}  // namespace app
