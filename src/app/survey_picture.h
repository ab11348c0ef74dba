// The picture of a survey's table: each close approach a marker at its date and distance
// (AU on a logarithmic scale, lunar distances on the right), one colour and shape per
// planet and the Moon, the closest ten objects named, a line at one lunar distance.
#pragma once

#include <string>
#include <vector>

#include "app/picture_style.h"
#include "app/plot_stage.h"

namespace app {

// The mean distance of the Moon, 384,400 km, in AU.
inline constexpr double kLunarDistanceAu = 384400.0 / 149597870.7;

// How many of the closest objects get their names.
inline constexpr std::size_t kNamedApproaches = 10;

struct SurveyApproach {
  double jd = 0.0;           // Julian date (TDB)
  double distance_au = 0.0;  // from the body's centre
  int body = 3;              // planet 1..9, 10 the Moon
  std::string name;          // the object's readable name
};

struct SurveyPicture {
  std::vector<SurveyApproach> approaches;
  double from_jd = 0.0, to_jd = 0.0;  // the survey's window
  double limit_au = 0.05;             // the survey's --distance
  std::string catalogue;              // the catalogue's file name, for the title
  PngBackground background = PngBackground::white;
};

// Draws the picture into `file` of the working folder as `output`; an empty table gives
// the empty frame, which says so. False when the file could not be written; throws
// PlotFailure when the plot library stopped.
bool draw_survey_picture(const SurveyPicture& picture, PlotOutput output, const std::string& file);

// The approaches whose objects get names: each object's closest, the closest
// kNamedApproaches of those, closest first (indices into `approaches`).
std::vector<std::size_t> named_approaches(const std::vector<SurveyApproach>& approaches);

}  // namespace app
