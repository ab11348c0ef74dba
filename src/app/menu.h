// The menu shown after every plot.
#pragma once

#include "app/console.h"
#include "app/run_state.h"

namespace app {

// Menu answers.
inline constexpr int kReplot = 0;
inline constexpr int kSaveBmp = 1;
inline constexpr int kSaveWmf = 4;
inline constexpr int kNewView = 5;
inline constexpr int kNewTimeSpan = 6;
inline constexpr int kNewObject = 7;

// Writes the menu and reads the answer into state.iopt. A save answer (1..4) sets
// anim to 'N', so the file holds one still frame.
void show_menu(Console& console, RunState& state);

}  // namespace app
