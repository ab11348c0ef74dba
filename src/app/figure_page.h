// The page of a 2D figure (the co-orbital angle and path, the survey's approaches): the
// file and its format, the paper, the heights of its texts, and its closing.
#pragma once

#include <string>

#include "app/picture_style.h"
#include "app/plot_stage.h"

namespace app {

// Character heights of the figures, plot units (tenths of a millimetre): numbers and
// labels, names of the axes, titles. graf2d draws numbers and names 1.5 times larger.
inline constexpr int kFigureTextHeight = 24;
inline constexpr int kFigureNameHeight = 26;
inline constexpr int kFigureTitleHeight = 38;

// Opens the plot into `file` of the working folder (a free version of it, never written
// over) as a PNG, SVG, PDF or PostScript page (`output`) on white paper or black, with
// no protocol on standard output, which may be carrying a table.
void open_figure(PlotOutput output, const std::string& file, PngBackground background);

// Closes the plot. False when the file could not be written; throws PlotFailure
// (app/plot_failure.h) when the plot library stopped.
bool close_figure();

// The file extension of a figure's format: "png", "svg", "pdf", "ps".
std::string figure_extension(PlotOutput output);

}  // namespace app
