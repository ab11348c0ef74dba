// The global PlotState record and its access routines.
#include "plot/core/global_state.h"

#include <cstdio>
#include <new>

#include "plot/core/fatal_status.h"

namespace plotix {

PlotState* p_plotix = nullptr;

PlotState* qqgglb() { return p_plotix; }

PlotState* qqsglb(bool& created) {
  created = false;
  if (p_plotix == nullptr) {
    // The member initialisers of the state structs are the first-use defaults.
    p_plotix = new (std::nothrow) PlotState{};
    if (p_plotix == nullptr) {
      // The library's own message, as it stands: no line of the program's.
      std::fflush(stdout);
      std::fputs(">>>> Not enough memory for global variables!\n", stderr);
      record_fatal(FatalStatus::out_of_memory, "");
      return nullptr;
    }
    created = true;
  }
  return p_plotix;
}

void free_global_state() {
  delete p_plotix;
  p_plotix = nullptr;
  clear_fatal();
}

}  // namespace plotix
