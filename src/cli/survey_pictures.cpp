// Drawing the survey's approaches after its table.
#include "cli/survey_pictures.h"

#include "errors/error.h"

#include <utility>

#include "app/figure_page.h"
#include "app/plot_failure.h"

namespace cli {

namespace {

std::string draw_pictures(const std::vector<survey::SurveyRow>& rows, const SurveyPictures& pictures) {
  app::SurveyPicture picture;
  picture.approaches = drawn_approaches(rows);
  picture.from_jd = pictures.from_jd;
  picture.to_jd = pictures.to_jd;
  picture.limit_au = pictures.limit_au;
  picture.catalogue = std::filesystem::path(pictures.catalogue).filename().string();
  picture.background = pictures.background;
  const std::filesystem::path home = std::filesystem::current_path();
  std::string failure;
  try {
    std::filesystem::current_path(pictures.folder);
    for (const app::PlotOutput output : pictures.formats) {
      if (!app::draw_survey_picture(picture, output, "survey-approaches." + app::figure_extension(output))) {
        failure = "cannot write the survey's picture in " + pictures.folder.string();
        break;
      }
    }
  } catch (const std::filesystem::filesystem_error& error) {
    failure = "cannot write the survey's picture in " + pictures.folder.string() + ": " + error.code().message();
  } catch (const app::PlotFailure& error) {
    failure = "the survey's picture failed: " + std::string(error.what());
  }
  std::error_code ignored;
  std::filesystem::current_path(home, ignored);
  return failure;
}

}  // namespace

std::vector<app::SurveyApproach> drawn_approaches(const std::vector<survey::SurveyRow>& rows) {
  std::vector<app::SurveyApproach> approaches;
  for (const survey::SurveyRow& row : rows) {
    if (row.planet < 1 || row.planet > 10) continue;
    approaches.push_back({row.jd, row.distance, row.planet, row.designation});
  }
  return approaches;
}

void draw_survey_pictures(const std::vector<survey::SurveyRow>& rows, const SurveyPictures& pictures) {
  if (const std::string failure = draw_pictures(rows, pictures); !failure.empty()) throw errors::Failure(failure);
}

}  // namespace cli
