// Drawing the co-orbitals: the angle's picture and the path's top view.
#include "cli/coorbital_pictures.h"

#include "app/angle_picture.h"
#include "app/error_report.h"
#include "app/file_stem.h"
#include "app/figure_page.h"
#include "app/path_picture.h"
#include "app/plot_failure.h"
#include "coorbital/coorbital_table.h"
#include "coorbital/turning_path.h"
#include "errors/error.h"
#include "survey/io/survey_table.h"

namespace cli {

namespace {

// The shading and the short name of each motion, in the order of coorbital::Motion.
struct MotionLook {
  app::EpisodeTint tint;
  const char* short_name;
};
constexpr MotionLook kLooks[] = {{app::EpisodeTint::quasi_satellite, "QS"},
                                 {app::EpisodeTint::trojan_l4, "L4"},
                                 {app::EpisodeTint::trojan_l5, "L5"},
                                 {app::EpisodeTint::horseshoe, "HS"},
                                 {app::EpisodeTint::none, "P"}};

const coorbital::Episode& episode_at_epoch(const coorbital::ObjectVerdict& verdict) {
  return verdict.episodes.episodes[verdict.episodes.at_epoch];
}

void add_series(const coorbital::AngleSeries& series, float epoch_year, std::vector<float>& years,
                std::vector<float>& phi) {
  for (std::size_t i = 0; i < series.years.size(); ++i) {
    years.push_back(static_cast<float>(epoch_year + series.years[i]));
    phi.push_back(static_cast<float>(series.phi[i]));
  }
}

app::AnglePicture angle_picture(const coorbital::ObjectVerdict& verdict, const CoorbitalPictures& pictures) {
  const coorbital::Episode& episode = episode_at_epoch(verdict);
  const float epoch_year = static_cast<float>(coorbital::decimal_year(verdict.object->epoch_jd));
  app::AnglePicture picture;
  picture.title = verdict.object->designation;
  picture.subtitle = "Resonant angle with " + survey::planet_name(pictures.settings.planet) + ": " +
                     std::string(coorbital::motion_name(episode.motion)) + " at the epoch";
  add_series(verdict.phi, epoch_year, picture.years, picture.phi);
  add_series(verdict.clone_phi, epoch_year, picture.clone_years, picture.clone_phi);
  for (const coorbital::Episode& each : verdict.episodes.episodes) {
    const MotionLook& look = kLooks[static_cast<std::size_t>(each.motion)];
    picture.episodes.push_back({static_cast<float>(epoch_year + each.from_yr), static_cast<float>(epoch_year + each.to_yr),
                                std::string(coorbital::motion_name(each.motion)), look.short_name, look.tint});
  }
  picture.epoch_year = epoch_year;
  picture.window_low = angle_window_low(episode.motion);
  picture.background = pictures.background;
  return picture;
}

app::PathPicture path_picture(const coorbital::ObjectVerdict& verdict, const CoorbitalPictures& pictures) {
  const coorbital::Episode& episode = episode_at_epoch(verdict);
  const double epoch_year = coorbital::decimal_year(verdict.object->epoch_jd);
  app::PathPicture picture;
  picture.title = verdict.object->designation;
  picture.planet = survey::planet_name(pictures.settings.planet);
  picture.subtitle = "Path in the frame turning with " + picture.planet + ", from the north: " +
                     std::string(coorbital::motion_name(episode.motion)) + " " +
                     std::to_string(static_cast<int>(std::lround(epoch_year + episode.from_yr))) + "-" +
                     std::to_string(static_cast<int>(std::lround(epoch_year + episode.to_yr)));
  for (const coorbital::PathPoint& point :
       coorbital::turning_path(*verdict.object, pictures.settings, episode.from_yr, episode.to_yr)) {
    picture.years.push_back(static_cast<float>(epoch_year + point.years));
    picture.x.push_back(static_cast<float>(point.x));
    picture.y.push_back(static_cast<float>(point.y));
  }
  picture.background = pictures.background;
  return picture;
}

// The two pictures of one object in every format; what went wrong, or empty.
std::string draw_object(const coorbital::ObjectVerdict& verdict, const CoorbitalPictures& pictures) {
  const std::string& packed = verdict.object->packed;
  const std::string stem = app::file_stem(packed);
  try {
    const app::AnglePicture angle = angle_picture(verdict, pictures);
    const app::PathPicture path = path_picture(verdict, pictures);
    for (const app::PlotOutput output : pictures.formats) {
      const std::string extension = "." + app::figure_extension(output);
      if (!app::draw_angle_picture(angle, output, stem + "-phi" + extension) ||
          !app::draw_path_picture(path, output, stem + "-path" + extension)) {
        return "cannot write the pictures of " + packed + " in " + pictures.folder.string();
      }
    }
  } catch (const app::PlotFailure& failure) {
    // The plot library's reason as the program says it, after its name.
    const std::string reason = failure.what();
    return "the pictures of " + packed + " failed: " + (reason.empty() ? reason : app::kMessagePrefix + reason);
  }
  return {};
}

}  // namespace

float angle_window_low(coorbital::Motion motion) {
  return motion == coorbital::Motion::quasi_satellite ? -180.0f : 0.0f;
}

std::string save_pictures(const coorbital::CoorbitalResult& result, const CoorbitalPictures& pictures) {
  const std::filesystem::path home = std::filesystem::current_path();
  std::string failure;
  try {
    std::filesystem::current_path(pictures.folder);
  } catch (const std::filesystem::filesystem_error& error) {
    return "cannot write the pictures in " + pictures.folder.string() + ": " + error.code().message();
  }
  for (const coorbital::ObjectVerdict& verdict : result.verdicts) {
    if (episode_at_epoch(verdict).motion == coorbital::Motion::passing) continue;
    failure = draw_object(verdict, pictures);
    if (!failure.empty()) break;
  }
  std::filesystem::current_path(home);
  return failure;
}

}  // namespace cli
