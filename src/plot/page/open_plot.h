// Public routine that opens a plot.
#pragma once

namespace plotix {

void disini();

}  // namespace plotix
