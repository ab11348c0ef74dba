// The pictures of the co-orbitals a search found.
#pragma once

#include <filesystem>
#include <set>
#include <string>

#include "app/picture_style.h"
#include "app/plot_stage.h"
#include "coorbital/coorbital_search.h"

namespace cli {

struct CoorbitalPictures {
  coorbital::CoorbitalSettings settings;  // the search's planet, span and sky
  std::set<app::PlotOutput> formats;      // png, svg, pdf, ps
  std::filesystem::path folder = ".";
  app::PngBackground background = app::PngBackground::white;
};

// The lower edge of the window the angle is wrapped to for the motion at the epoch:
// -180 for a quasi-satellite, whose angle swings about 0; 0 for the others, whose
// swings (about 60, 300 or 180) never reach 0.
float angle_window_low(coorbital::Motion motion);

// For every object whose episode at the epoch is a libration, in `pictures.folder`: its
// resonant angle against time over the span ("<packed>-phi.<format>") and its path from
// above in the frame turning with the planet over the episode at the epoch
// ("<packed>-path.<format>"). Returns what went wrong, or an empty text.
std::string save_pictures(const coorbital::CoorbitalResult& result, const CoorbitalPictures& pictures);

}  // namespace cli
