// Setting up an epoch's planets, and the Moon's track their runs share.
#include "survey/engine/epoch_planets.h"

#include <algorithm>
#include <functional>
#include <future>
#include <memory>
#include <system_error>

#include "dynamics/shared_blocks.h"
#include "sky/earth_moon.h"
#include "sky/object_elements.h"
#include "sky/planets_at_epoch.h"

namespace survey {
namespace {

// The Moon's nodes: a cubic through them is good to 0.01 km. The margin holds the last
// step beyond the window and the nodes around it.
constexpr double kTrackSpacingDays = 0.125;
constexpr double kTrackMarginDays = 4.0;

// The Moon's nodes over the span the runs of an epoch cover.
std::shared_ptr<const dynamics::MoonTrack> moon_track(double epoch_jd, const SurveySettings& settings) {
  return std::make_shared<const dynamics::MoonTrack>(&sky::moon_geocentric,
                                                     std::min(epoch_jd, settings.from_jd) - kTrackMarginDays,
                                                     std::max(epoch_jd, settings.to_jd) + kTrackMarginDays,
                                                     kTrackSpacingDays);
}

}  // namespace

void carry_planets(EpochPlanets& planets, double epoch_jd, sky::Sky sky) {
  planets.blocks = dynamics::SharedBlocks{};
  dynamics::store_constants(planets.blocks, kSurveyClass.central_mass);
  planets.bodies = dynamics::Bodies{};
  planets.sky = sky;
  sky::set_up_planets(planets.blocks, planets.bodies, kSurveyClass, epoch_jd, sky);
}

int add_object(dynamics::SharedBlocks& blocks, dynamics::Bodies& bodies, const SurveyObject& object, sky::Sky sky) {
  return dynamics::add_small_body(blocks, bodies, sky::elements_in_sky(object.elements, object.mean_motion, sky));
}

void set_up_epoch(EpochPlanets& planets, double epoch_jd, const SurveySettings& settings, bool beside) {
  std::future<std::shared_ptr<const dynamics::MoonTrack>> track;
  if (beside && settings.sky != sky::Sky::table) {
    try {
      track = std::async(std::launch::async, moon_track, epoch_jd, std::cref(settings));
    } catch (const std::system_error&) {
      // no second thread: the track is made after the planets
    }
  }
  carry_planets(planets, epoch_jd, settings.sky);
  dynamics::EarthMoonSplit& split = planets.blocks.earth_moon;
  if (split.active()) split.track = track.valid() ? track.get() : moon_track(epoch_jd, settings);
}

}  // namespace survey
