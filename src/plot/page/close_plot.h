// Public routines that finish a plot or an axis system, and the page-wide clipping switch.
#pragma once

namespace plotix {

void disfin();
// True when the last disfin could not write the plot's file completely (a full disk, a
// file-size limit): the warning was given and no file of that name was written.
bool file_write_failed();
void endgrf();
void noclip();
// Leaves the end-of-run protocol out of the next disfin; disini turns it back on.
void skip_protocol();

}  // namespace plotix
