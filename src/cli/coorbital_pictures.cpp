// Drawing the co-orbitals: the single run's picture of the path and the angle's picture.
#include "cli/coorbital_pictures.h"

#include <cmath>
#include <sstream>

#include "app/angle_picture.h"
#include "app/error_report.h"
#include "app/file_stem.h"
#include "app/plot_failure.h"
#include "app/single_run.h"
#include "app/view_dialogue.h"
#include "coorbital/coorbital_table.h"
#include "errors/error.h"
#include "sky/sky.h"
#include "survey/io/survey_table.h"

namespace cli {

namespace {

// Points of the path drawn over the half span.
constexpr double kPathPoints = 10000.0;

// The smoothed angle in calendar years, shifted by whole turns so that it stands near
// the centre of the episode at the epoch.
app::AnglePicture angle_picture(const coorbital::ObjectVerdict& verdict, int planet) {
  const coorbital::Episode& episode = verdict.episodes.episodes[verdict.episodes.at_epoch];
  const coorbital::AngleSeries& series = verdict.phi;
  std::size_t epoch = 0;
  while (epoch + 1 < series.years.size() && series.years[epoch] < 0.0) ++epoch;
  const double turns = std::round((series.phi[epoch] - episode.centre_deg) / 360.0);
  const double epoch_year = coorbital::decimal_year(verdict.object->epoch_jd);
  app::AnglePicture picture;
  picture.title = verdict.object->designation;
  picture.subtitle = "Resonant angle with " + survey::planet_name(planet) + ": " +
                     std::string(coorbital::motion_name(episode.motion)) + " at the epoch";
  for (std::size_t i = 0; i < series.years.size(); ++i) {
    picture.years.push_back(static_cast<float>(epoch_year + series.years[i]));
    picture.phi.push_back(static_cast<float>(series.phi[i] - 360.0 * turns));
  }
  return picture;
}

// The two pictures of one object.
void draw_object(const coorbital::ObjectVerdict& verdict, const CoorbitalPictures& pictures,
                        const std::filesystem::path& folder) {
  const survey::SurveyObject& object = *verdict.object;
  app::SingleRunRequest run;
  run.planet = pictures.planet;
  run.sky = pictures.sky;
  run.object = app::HandElements{sky::sky_model(pictures.sky).object_elements(object.elements, object.mean_motion),
                                 object.epoch_jd, object.packed};
  run.span = pictures.span_yr / 2.0;
  run.step = run.span / kPathPoints;
  app::parse_view("S", "0", "0", "5", run.view);  // from above the Sun
  run.formats = pictures.formats;
  run.folder = folder;
  run.quiet = true;
  std::ostringstream dropped;
  try {
    const bool written = app::single_run(run, dropped).pictures_written;
    const app::AnglePicture picture = angle_picture(verdict, pictures.planet);
    for (const app::PlotOutput output : pictures.formats) {
      const std::string file = app::file_stem(object.packed) + (output == app::PlotOutput::svg ? "-phi.svg" : "-phi.png");
      if (!app::draw_angle_picture(picture, output, file) || !written) {
        throw errors::Failure("cannot write the pictures of " + object.packed + " in " + folder.string());
      }
    }
  } catch (const errors::UsageError& refused) {
    throw errors::Failure("no path picture of " + object.packed + ": " + refused.what());
  } catch (const app::PlotFailure& failure) {
    // The plot library's reason as the program says it, after its name.
    const std::string reason = failure.what();
    throw errors::Failure("the pictures of " + object.packed + " failed: " +
                          (reason.empty() ? reason : app::kMessagePrefix + reason));
  }
}

}  // namespace

void save_pictures(const coorbital::CoorbitalResult& result, const CoorbitalPictures& pictures) {
  const std::filesystem::path home = std::filesystem::current_path();
  const std::filesystem::path folder = std::filesystem::absolute(pictures.folder);
  try {
    for (const coorbital::ObjectVerdict& verdict : result.verdicts) {
      if (verdict.episodes.episodes[verdict.episodes.at_epoch].motion == coorbital::Motion::passing) continue;
      draw_object(verdict, pictures, folder);
    }
  } catch (const errors::Failure&) {
    std::filesystem::current_path(home);
    throw;
  }
  std::filesystem::current_path(home);
}

}  // namespace cli
