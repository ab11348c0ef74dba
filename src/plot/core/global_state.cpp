// The global PlotState record and its access routines.
#include "plot/core/global_state.h"

#include <cstdio>
#include <cstdlib>
#include <new>

namespace plotix {

PlotState* p_plotix = nullptr;

PlotState* qqgglb() { return p_plotix; }

PlotState& qqsglb(bool& created) {
  created = false;
  if (p_plotix == nullptr) {
    // The member initialisers of the state structs are the first-use defaults.
    p_plotix = new (std::nothrow) PlotState{};
    if (p_plotix == nullptr) {
      std::printf(">>>> Not enough memory for global variables!\n");
      std::fflush(stdout);
      std::exit(0);
    }
    created = true;
  }
  return *p_plotix;
}

void free_global_state() {
  delete p_plotix;
  p_plotix = nullptr;
}

}  // namespace plotix
