// Colour values, named colours, colour tables and the setting of the current colour.
// A colour value is an index 0..255 into npal (0xRRGGBB entries) or a direct colour
// 0x01BBGGRR.
#pragma once

#include <string_view>

#include "plot/core/plot_state.h"

namespace plotix {

inline constexpr int kDirectColour = 0x01000000;

// True for a direct colour value (top byte 1).
constexpr bool is_direct_colour(int value) { return (value >> 24) == 1; }

// Index value reduced into 0..255 (remainder with the sign of integer division
// turned positive).
int colour_index(int value);

// r, g, b of a colour value: a direct value split, an index looked up in npal.
void colour_rgb(const PlotState& st, int value, int& r, int& g, int& b);

// Sets the current colour and hands it to the device.
void qqsclr(PlotState& st, int value);

// Loads colour table `number` (0 SMAL … 8 TEMP) with every device adjustment,
// shows it on the device and sets the colour to FORE.
void load_colour_table(PlotState& st, int number);

// The public colour routines: the current colour by name, the colour table by name.
void color(std::string_view name);
void setvlt(std::string_view name);
// Sets the current colour from red, green and blue shares 0..1.
void setrgb(float r, float g, float b);

}  // namespace plotix
