// What the whole-program window tests look for: the window's titles, the menu's head
// line, and the colours of the picture's elements as the screen shows them.
#pragma once

namespace window_texts {

constexpr char kWaitingTitle[] = "PLOTIX 1 / Click MB2 to continue ...";
constexpr char kWorkingTitle[] = "PLOTIX 1 / Working";
constexpr char kMenuHead[] = "CHOOSE AN OPTION";
constexpr int kMagenta = 0xFF00FF, kGreen = 0x00FF00, kYellow = 0xFFFF00, kRed = 0xFF0000;

}  // namespace window_texts
