// The pictures of the co-orbitals a search found.
#pragma once

#include <filesystem>
#include <set>
#include <string>

#include "app/plot_stage.h"
#include "coorbital/coorbital_search.h"
#include "sky/sky.h"

namespace cli {

struct CoorbitalPictures {
  int planet = 3;
  sky::Sky sky = sky::Sky::ephemeris;
  double span_yr = 400.0;
  std::set<app::PlotOutput> formats;  // png and svg
  std::filesystem::path folder = ".";
};

// For every object whose episode at the epoch is a libration, in `pictures.folder`: its
// path over the half span after the epoch in the frame turning with the planet, seen from
// above, drawn by the single run (which also writes its coordinates and close-approach
// files, named after the packed designation), and its resonant angle against time
// ("<packed>-phi.png"). A picture that cannot be drawn or written is an errors::Failure.
// The working folder is the same afterwards.
void save_pictures(const coorbital::CoorbitalResult& result, const CoorbitalPictures& pictures);

}  // namespace cli
