// Batches of objects stepped side by side over the planet tables, with the hand-over of
// an object to a run of its own while it is near a planet.
#include "survey/batch/batch_legs.h"

#include <algorithm>
#include <memory>
#include <string>

#include "dynamics/constants.h"
#include "dynamics/shared_blocks.h"
#include "survey/batch/kernel_loader.h"
#include "survey/batch/object_batch.h"
#include "survey/engine/group_legs.h"
#include "survey/engine/planet_table.h"
#include "survey/engine/slot_run.h"

namespace survey {
namespace {

using dynamics::kDaysPerYear;
using dynamics::PlanetPlace;
using dynamics::Vec3;

// Where an object is stepped: in the batch, alone on the scalar path, or nowhere (lost).
enum class Path : unsigned char { batch, scalar, gone };

// An object of the batch. Its run exists only while it is on the scalar path; the sense
// of its radial velocity about the Earth (or the planet of its last encounter) and the
// Moon goes with it from run to run, as it would stay in one run.
struct Lane {
  Path path = Path::batch;
  dynamics::RadialSense sense = dynamics::RadialSense::approaching;
  dynamics::RadialSense moon_sense = dynamics::RadialSense::approaching;
  std::unique_ptr<GroupRun> run;
};

void put(LaneStates& states, size_t l, const Vec3& x, const Vec3& v, double r) {
  states.x[l] = x[0];
  states.y[l] = x[1];
  states.z[l] = x[2];
  states.vx[l] = v[0];
  states.vy[l] = v[1];
  states.vz[l] = v[2];
  states.r[l] = r;
}

Vec3 position(const LaneStates& states, size_t l) { return {states.x[l], states.y[l], states.z[l]}; }
Vec3 velocity(const LaneStates& states, size_t l) { return {states.vx[l], states.vy[l], states.vz[l]}; }

// Each object set up at the epoch as a run sets it up; the lanes past the objects copy
// the first.
void set_up_lanes(const SurveyObject* const* objects, size_t count, const EpochPlanets& planets, ObjectBatch& batch) {
  dynamics::SharedBlocks blocks = planets.blocks;
  dynamics::Bodies bodies = planets.bodies;
  for (size_t l = 0; l < batch.lanes; ++l) {
    const SurveyObject& object = *objects[std::min(l, count - 1)];
    blocks.counts.total = blocks.counts.planets;
    const int k = add_object(blocks, bodies, object, *planets.sky);
    put(batch.now, l, bodies.x[k], bodies.v[k], bodies.r[k]);
  }
}

// A watched target's heliocentric state at the step's start and end.
struct TargetPath {
  int target;
  RelativeState start, end;
};

// The targets watched in a step: the planets as the table has them, the Earth's centre
// and the Moon when the planets hold them apart.
std::vector<TargetPath> watched_targets(const SurveySettings& settings, const dynamics::SharedBlocks& blocks,
                                        const PlanetPlace* at_start, const PlanetPlace* at_end, double jd_start,
                                        double jd_end) {
  const dynamics::EarthMoonSplit* split = blocks.earth_moon.get();
  EarthMoonEnd earth_moon[2];
  if (split != nullptr) {
    const size_t barycentre = dynamics::kEarthNumber - 1;
    earth_moon[0] = earth_moon_at(*split, at_start[barycentre].x, at_start[barycentre].v, jd_start);
    earth_moon[1] = earth_moon_at(*split, at_end[barycentre].x, at_end[barycentre].v, jd_end);
  }
  std::vector<TargetPath> targets;
  for (int target = 1; target <= kMoonTarget; ++target) {
    if (!settings.watched[static_cast<size_t>(target)]) continue;
    if (split != nullptr && (target == dynamics::kEarthNumber || target == kMoonTarget)) {
      const bool moon = target == kMoonTarget;
      targets.push_back({target, earth_or_moon(earth_moon[0], moon), earth_or_moon(earth_moon[1], moon)});
    } else if (target != kMoonTarget) {
      const size_t p = static_cast<size_t>(dynamics::planet_slot(kSurveyClass, target) - 1);
      targets.push_back({target, {at_start[p].x, at_start[p].v}, {at_end[p].x, at_end[p].v}});
    }
  }
  return targets;
}

// The steps of one leg for the objects of one batch.
class BatchLeg {
 public:
  BatchLeg(const BatchKernels& kernels, const SurveyObject* const* objects, size_t count, const EpochPlanets& planets,
           const SurveySettings& settings, double h, const PlanetTable& table, ObjectOutcome* outcomes)
      : kernels_(kernels),
        objects_(objects),
        count_(count),
        planets_(planets),
        settings_(settings),
        h_(h),
        table_(table),
        outcomes_(outcomes),
        batch_(count),
        lanes_(count),
        limits_(drift_limits(planets.blocks)),
        hill_(hill_factors(planets.blocks)) {
    set_up_lanes(objects, count, planets, batch_);
    for (int p = 1; p <= planets.blocks.counts.planets; ++p) {
      epoch_places_.push_back({planets.bodies.x[p], planets.bodies.v[p], planets.bodies.r[p]});
    }
  }

  void run() {
    double T = 0.0;
    size_t left = count_;
    for (size_t n = 0; n < table_.steps() && left > 0; ++n) {
      const dynamics::PlanetStep step = table_.step(n);
      const PlanetPlace* at_start = n == 0 ? epoch_places_.data() : table_.step(n - 1).at_end;
      const double T_start = T;
      T += h_;
      batch_.at_start = batch_.now;
      for (size_t l = 0; l < batch_.lanes; ++l) batch_.out[l] = l < count_ && lanes_[l].path == Path::batch ? 0.0 : 1.0;
      kernels_.drift(limits_, h_ / 2.0, batch_);
      kernels_.kick(kick_planets(planets_.blocks, hill_, step.at_kick, at_start, h_, T), h_, batch_);
      kernels_.drift(limits_, h_ / 2.0, batch_);
      const double epoch = planets_.blocks.epoch_jd;
      const double jd = epoch + T * kDaysPerYear;
      const std::vector<TargetPath> targets =
          watched_targets(settings_, planets_.blocks, at_start, step.at_end, epoch + T_start * kDaysPerYear, jd);
      for (size_t l = 0; l < count_; ++l) outcomes_[l].steps += stays(l);
      for (const TargetPath& path : targets) find_approaches(path, jd);
      for (size_t l = 0; l < count_; ++l) {
        Lane& lane = lanes_[l];
        if (stays(l)) continue;
        if (lane.path == Path::batch) leave_batch(l, at_start, n, T_start);
        if (lane.path != Path::scalar) continue;
        step_alone(l, n);
        if (lane.path == Path::gone) --left;
      }
    }
  }

 private:
  // Whether lane l is in the batch and ends the step there.
  bool stays(size_t l) const { return lanes_[l].path == Path::batch && batch_.out[l] == 0.0; }

  // The minima of a quiet step near a target on the cubic through the step's ends, for
  // the lanes the screen lets through.
  void find_approaches(const TargetPath& path, double jd) {
    kernels_.screen(path.start, path.end, h_, settings_.distance_au, batch_);
    for (size_t l = 0; l < count_; ++l) {
      if (batch_.candidate[l] == 0.0 || !stays(l)) continue;
      const Vec3 x0 = position(batch_.at_start, l), v0 = velocity(batch_.at_start, l);
      const Vec3 x1 = position(batch_.now, l), v1 = velocity(batch_.now, l);
      const RelativeState at_start{dynamics::diff(x0, path.start.position), dynamics::diff(v0, path.start.velocity)};
      const RelativeState at_end{dynamics::diff(x1, path.end.position), dynamics::diff(v1, path.end.velocity)};
      approach_on_cubic(*objects_[l], path.target, at_start, at_end, settings_, h_, jd,
                        planets_.blocks.constants.auyr_per_kms, outcomes_[l].rows);
    }
  }

  // The object's own run, from its state at the start of step n, where the planets are.
  void leave_batch(size_t l, const PlanetPlace* at_start, size_t n, double T_start) {
    Lane& lane = lanes_[l];
    lane.run = set_up_run({objects_[l]}, planets_);
    GroupRun& run = *lane.run;
    if (n > 0) {
      for (int p = 1; p <= run.blocks.counts.planets; ++p) {
        run.bodies.x[p] = at_start[p - 1].x;
        run.bodies.v[p] = at_start[p - 1].v;
        run.bodies.r[p] = at_start[p - 1].r;
      }
    }
    const int k = kFirstObjectSlot;
    run.bodies.x[k] = position(batch_.at_start, l);
    run.bodies.v[k] = velocity(batch_.at_start, l);
    run.bodies.r[k] = batch_.at_start.r[l];
    run.encounters.sense[k] = lane.sense;
    run.encounters.moon_sense[k] = lane.moon_sense;
    run.T = T_start;
    lane.path = Path::scalar;
  }

  // Step n of the object alone; it comes back to the batch after a step with no
  // encounter integration and nothing carried over, and is gone once lost.
  void step_alone(size_t l, size_t n) {
    Lane& lane = lanes_[l];
    GroupRun& run = *lane.run;
    step_run({objects_[l]}, run, settings_, h_, table_, n, &outcomes_[l]);
    if (run.blocks.counts.total == run.blocks.counts.planets) {
      lane.path = Path::gone;
    } else if (run.encounters.pairs.empty() && run.encounters.carry_over.count == 0) {
      const int k = kFirstObjectSlot;
      put(batch_.now, l, run.bodies.x[k], run.bodies.v[k], run.bodies.r[k]);
      lane.sense = run.encounters.sense[k];
      lane.moon_sense = run.encounters.moon_sense[k];
      lane.path = Path::batch;
    } else {
      return;
    }
    lane.run.reset();
  }

  const BatchKernels& kernels_;
  const SurveyObject* const* objects_;
  size_t count_;
  const EpochPlanets& planets_;
  const SurveySettings& settings_;
  double h_;
  const PlanetTable& table_;
  ObjectOutcome* outcomes_;
  ObjectBatch batch_;
  std::vector<Lane> lanes_;
  DriftLimits limits_;
  HillFactors hill_;
  std::vector<PlanetPlace> epoch_places_;
};

std::vector<ObjectOutcome> survey_in_groups(const std::vector<const SurveyObject*>& objects,
                                            const EpochPlanets& planets, const SurveySettings& settings,
                                            const LegTables* tables) {
  std::vector<ObjectOutcome> outcomes;
  for (size_t first = 0; first < objects.size(); first += static_cast<size_t>(kGroupSize)) {
    const size_t last = std::min(objects.size(), first + static_cast<size_t>(kGroupSize));
    const std::vector<const SurveyObject*> group(objects.begin() + static_cast<long>(first),
                                                 objects.begin() + static_cast<long>(last));
    for (ObjectOutcome& outcome : survey_group(group, planets, settings, tables)) outcomes.push_back(std::move(outcome));
  }
  return outcomes;
}

}  // namespace

std::vector<ObjectOutcome> survey_batch(const std::vector<const SurveyObject*>& objects, const EpochPlanets& planets,
                                        const SurveySettings& settings, const LegTables* tables) {
  const double epoch_jd = objects.front()->epoch_jd;
  const bool forward = settings.to_jd > epoch_jd;
  const bool backward = settings.from_jd < epoch_jd;
  const BatchKernels* kernels = batch_kernels().kernels;  // when missing, the driver says so
  const bool batched = kernels != nullptr && tables != nullptr && settings.sampling.every_steps == 0 &&
                       (!forward || tables->forward.steps() > 0) && (!backward || tables->backward.steps() > 0);
  if (!batched) return survey_in_groups(objects, planets, settings, tables);
  std::vector<ObjectOutcome> outcomes(objects.size());
  const double h = kSurveyClass.step;
  for (const double signed_step : {h, -h}) {
    if (signed_step > 0.0 ? !forward : !backward) continue;
    const PlanetTable& table = signed_step > 0.0 ? tables->forward : tables->backward;
    for (size_t first = 0; first < objects.size(); first += kBatchSize) {
      const size_t count = std::min(kBatchSize, objects.size() - first);
      BatchLeg(*kernels, &objects[first], count, planets, settings, signed_step, table, &outcomes[first]).run();
    }
  }
  return outcomes;
}

}  // namespace survey
