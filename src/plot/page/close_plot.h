// Public routines that finish a plot or an axis system, and the page-wide clipping switch.
#pragma once

namespace plotix {

// A file that could not be written completely (a full disk, a file-size limit) is the
// fatal status write_failed (plot/core/fatal_status.h), after the warning naming it.
void disfin();
void endgrf();
void noclip();
// Leaves the end-of-run protocol out of the next disfin; disini turns it back on.
void skip_protocol();

}  // namespace plotix
