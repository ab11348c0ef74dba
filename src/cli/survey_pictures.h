// The survey's picture, drawn on the command line's side from the rows its table is
// written from, so that only the rank that writes the table draws.
#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "app/picture_style.h"
#include "app/plot_stage.h"
#include "app/survey_picture.h"
#include "survey/survey_driver.h"

namespace cli {

struct SurveyPictures {
  std::set<app::PlotOutput> formats;  // png, svg, pdf, ps
  std::filesystem::path folder = ".";
  app::PngBackground background = app::PngBackground::white;
  std::string catalogue;              // as given on the command line
  double from_jd = 0.0, to_jd = 0.0, limit_au = 0.05;
};

// The approaches of the rows that have a planet or the Moon (a fall into the Sun or an
// ejection has none, and is left out).
std::vector<app::SurveyApproach> drawn_approaches(const std::vector<survey::SurveyRow>& rows);

// Draws "survey-approaches.<format>" of the rows in `pictures.folder` in every format (a
// free version of the name, never written over). Throws errors::Failure when a picture
// cannot be drawn or written.
void draw_survey_pictures(const std::vector<survey::SurveyRow>& rows, const SurveyPictures& pictures);

}  // namespace cli
