// Setting up an epoch's planets, and the Moon's track their runs share.
#include "survey/engine/epoch_planets.h"

#include <algorithm>
#include <functional>
#include <future>
#include <memory>
#include <system_error>

#include "dynamics/shared_blocks.h"
#include "sky/earth_moon.h"
#include "sky/moon_track.h"
#include "sky/sky.h"

namespace survey {
namespace {

// The Moon's nodes: a cubic through them is good to 0.01 km. The margin holds the last
// step beyond the window and the nodes around it.
constexpr double kTrackSpacingDays = 0.125;
constexpr double kTrackMarginDays = 4.0;

// The sky's Moon at nodes over the span the runs of an epoch cover.
std::shared_ptr<const sky::MoonTrack> moon_track(const sky::SkyModel& sky, double epoch_jd,
                                                 const SurveySettings& settings) {
  return std::make_shared<const sky::MoonTrack>(sky, std::min(epoch_jd, settings.from_jd) - kTrackMarginDays,
                                                std::max(epoch_jd, settings.to_jd) + kTrackMarginDays,
                                                kTrackSpacingDays);
}

}  // namespace

void carry_planets(EpochPlanets& planets, double epoch_jd, const sky::SkyModel& sky) {
  planets.blocks = dynamics::SharedBlocks{};
  dynamics::store_constants(planets.blocks, kSurveyClass.central_mass);
  planets.bodies = dynamics::Bodies{};
  planets.sky = &sky;
  sky.set_up_planets(planets.blocks, planets.bodies, kSurveyClass, epoch_jd);
}

int add_object(dynamics::SharedBlocks& blocks, dynamics::Bodies& bodies, const SurveyObject& object,
               const sky::SkyModel& sky) {
  return dynamics::add_small_body(blocks, bodies, sky.object_elements(object.elements, object.mean_motion));
}

void set_up_epoch(EpochPlanets& planets, double epoch_jd, const SurveySettings& settings, bool beside) {
  const sky::SkyModel& sky = sky::sky_model(settings.sky);
  std::future<std::shared_ptr<const sky::MoonTrack>> track;
  if (beside && sky.has_moon()) {
    try {
      track = std::async(std::launch::async, moon_track, std::cref(sky), epoch_jd, std::cref(settings));
    } catch (const std::system_error&) {
      // no second thread: the track is made after the planets
    }
  }
  carry_planets(planets, epoch_jd, sky);
  if (!planets.blocks.earth_moon) return;
  planets.blocks.earth_moon =
      std::make_shared<const sky::EarthMoonApart>(sky, track.valid() ? track.get() : moon_track(sky, epoch_jd, settings));
}

}  // namespace survey
