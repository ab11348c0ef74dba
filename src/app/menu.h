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
inline constexpr int kSavePng = 9;
inline constexpr int kSaveSvg = 10;

// The answers that save the picture as a file: 1..4 and, after QUIT, 9 and 10.
constexpr bool is_save_answer(int iopt) {
  return (iopt >= kSaveBmp && iopt <= kSaveWmf) || iopt == kSavePng || iopt == kSaveSvg;
}

// Writes the menu and reads the answer into state.iopt. A save answer turns anim
// off, so the file holds one still frame.
void show_menu(Console& console, RunState& state);

}  // namespace app
