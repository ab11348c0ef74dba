// Fields of PlotState for one concern (see plot_state.h).
#pragma once

namespace plotix {

struct CoreState {};

}  // namespace plotix
