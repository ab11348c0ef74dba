// Public routines that finish a plot or an axis system, and the page-wide clipping switch.
#pragma once

namespace plotix {

void disfin();
void endgrf();
void noclip();
// Leaves the end-of-run protocol out of the next disfin; disini turns it back on.
void skip_protocol();

}  // namespace plotix
