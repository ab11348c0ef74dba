// The clear style's picture: the box fitted to the path or to the whole system, upright
// labels with round numbers, a thin grey box under a bold path, markers for the Sun and
// the planet (an arrow towards the Sun when it lies outside the box), a legend, and
// the path coloured by date when asked.
#pragma once

#include "app/clear_palette.h"
#include "app/picture_box.h"
#include "app/run_state.h"

namespace app {

// What every frame of one plot shares: the box and the colours of its page.
struct ClearPicture {
  PictureBox box;
  const ClearPalette* palette = nullptr;
  bool brush = false;  // bold lines as copies under a brush (app/bold_lines.h)
};

// `paper`: white paper, else black; `brush`: a device that widens lines by outlines.
ClearPicture clear_picture(const RunState& state, bool paper, bool brush);

// The settings after disini: names, labels, titles, box proportions and the view.
void set_up_clear_page(const RunState& state, const ClearPicture& picture);

// The axis system with its labels, the box and the titles; with `skip_axes` only the
// axis system, for a frame drawn over the last one.
void draw_clear_axes(const ClearPicture& picture, bool skip_axes);

// The path's points first..last (1-based, inclusive), bold, in the path's colour or in
// the colours of their dates.
void draw_clear_path(const RunState& state, const ClearPicture& picture, int first, int last);

// The Sun and the planet (with the Moon's orbit about the Earth), and with the path
// coloured by date its closest approaches.
void draw_clear_bodies(const RunState& state, const ClearPicture& picture);

// The legend at the upper left beside the titles, and the colour bar of the dates at the
// upper right when the path is coloured by date.
void draw_clear_legend(const RunState& state, const ClearPicture& picture);

}  // namespace app
