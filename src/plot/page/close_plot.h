// Public routines that finish a plot or an axis system, and the page-wide clipping switch.
#pragma once

namespace plotix {

void disfin();
void endgrf();
void noclip();

}  // namespace plotix
