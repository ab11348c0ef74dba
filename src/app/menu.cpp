// The menu: twelve lines and one integer answer.
#include "app/menu.h"

namespace app {

namespace {

constexpr const char* kMenuLines[] = {
    "CHOOSE AN OPTION",     "         REPLOT: 0", "    SAVE AS BMP: 1", "    SAVE AS PDF: 2",
    "    SAVE AS  PS: 3",   "    SAVE AS WMF: 4", "       NEW VIEW: 5", "  NEW TIME SPAN: 6",
    "        NEW NEA: 7",   "           QUIT: 8",  "    SAVE AS PNG: 9",  "    SAVE AS SVG: 10",
};

}  // namespace

void show_menu(Console& console, RunState& state) {
  for (const char* text : kMenuLines) console.line({text});
  console.read(kMenuLines[0], {&state.iopt});
  if (is_save_answer(state.iopt)) state.anim = false;
}

}  // namespace app
