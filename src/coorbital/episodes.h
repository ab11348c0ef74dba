// The episodes of an object's resonant angle: stretches of one kind of motion, cut at its
// turning points, and the one that holds the epoch.
#pragma once

#include <cstddef>
#include <vector>

#include "coorbital/angle_series.h"
#include "coorbital/libration_class.h"
#include "coorbital/thresholds.h"

namespace coorbital {

struct Episode {
  Motion motion = Motion::passing;
  double from_yr = 0.0, to_yr = 0.0;  // from the epoch
  // Librations: the middle of the swing (-180, 180], half its width, and the time of a
  // whole swing there and back (NaN when no swing is whole inside the span). Passing:
  // NaN, NaN and the mean time phi takes to go once round, either way.
  double centre_deg = 0.0, amplitude_deg = 0.0, period_yr = 0.0;
};

struct EpisodeList {
  std::vector<Episode> episodes;  // in time order, covering the series
  std::size_t at_epoch = 0;       // the episode holding year 0
  // More than one kind of motion within the span.
  bool compound() const;
};

// The smoothed series cut at its turning points into stretches, each judged by the range
// it sweeps (motion_of_range); neighbours of one kind make one episode. The stretches
// before the first and after the last turning point are partial swings: they join the
// episode next to them unless phi goes once round in them or sweeps more than 1.5 times
// the swing beside them and the reversal (a drift: passing). Without a whole
// stretch, the series is judged as one; without any turning point, a range wider than
// unturned_width_deg is a drift too slow for the span to show a turn: passing. Fewer than two samples: one passing episode.
EpisodeList episodes_of(const AngleSeries& series, const Thresholds& thresholds);

}  // namespace coorbital
