// Public routine that draws the title lines.
#pragma once

namespace plotix {

// Draws the stored title lines above the current axis system.
void title();

}  // namespace plotix
