// Cutting the resonant angle into episodes.
#include "coorbital/episodes.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "coorbital/turning_points.h"

namespace coorbital {

namespace {

constexpr double kUnknown = std::numeric_limits<double>::quiet_NaN();

// A stretch of the series between two cuts (sample indices, both ends included).
struct Stretch {
  std::size_t first = 0, last = 0;
  bool whole = true;  // between two turning points
  double low = 0.0, high = 0.0;
  Motion motion = Motion::passing;
};

Stretch stretch_of(const AngleSeries& series, std::size_t first, std::size_t last, bool whole) {
  const auto begin = series.phi.begin() + static_cast<std::ptrdiff_t>(first);
  const auto end = series.phi.begin() + static_cast<std::ptrdiff_t>(last) + 1;
  const auto [low, high] = std::minmax_element(begin, end);
  return {first, last, whole, *low, *high, Motion::passing};
}

// A partial stretch in which phi goes once round.
bool goes_round(const Stretch& stretch) { return stretch.high - stretch.low >= 360.0; }

double width(const Stretch& stretch) { return stretch.high - stretch.low; }

// A partial stretch next to a whole one drifts when it sweeps far more than that swing:
// more than half as much again and the reversal beyond it.
bool drifts_beside(const Stretch& partial, const Stretch& whole, const Thresholds& thresholds) {
  return goes_round(partial) || width(partial) > 1.5 * width(whole) + thresholds.reversal_deg;
}

// The stretches with their motion; partial ones that do not go round take their
// neighbour's.
std::vector<Stretch> judged_stretches(const AngleSeries& series, const Thresholds& thresholds) {
  const std::vector<TurningPoint> points =
      turning_points(series, thresholds.reversal_deg, thresholds.shortest_pair_yr);
  std::vector<std::size_t> cuts{0};
  for (const TurningPoint& point : points) cuts.push_back(point.index);
  cuts.push_back(series.phi.size() - 1);
  std::vector<Stretch> stretches;
  for (std::size_t k = 0; k + 1 < cuts.size(); ++k) {
    const bool whole = k > 0 && k + 2 < cuts.size();
    stretches.push_back(stretch_of(series, cuts[k], cuts[k + 1], whole));
  }
  const bool any_whole = std::any_of(stretches.begin(), stretches.end(), [](const Stretch& s) { return s.whole; });
  if (!any_whole) {
    // No swing whole inside the span: the parts that do not go round judged together.
    std::vector<Stretch> parts;
    for (const Stretch& stretch : stretches) {
      if (goes_round(stretch) || parts.empty() || goes_round(parts.back())) {
        parts.push_back(stretch);
      } else {
        parts.back() = stretch_of(series, parts.back().first, stretch.last, false);
      }
    }
    for (Stretch& part : parts) {
      const bool drift = points.empty() && part.high - part.low > thresholds.unturned_width_deg;
      part.motion = drift ? Motion::passing : motion_of_range(part.low, part.high, thresholds);
    }
    return parts;
  }
  for (Stretch& stretch : stretches) {
    if (stretch.whole) stretch.motion = motion_of_range(stretch.low, stretch.high, thresholds);
  }
  // The partial ends: passing when they drift, else part of the swing beside them.
  Stretch& front = stretches.front();
  front.motion = drifts_beside(front, stretches[1], thresholds) ? Motion::passing : stretches[1].motion;
  Stretch& back = stretches.back();
  const Stretch& before_back = stretches[stretches.size() - 2];
  back.motion = drifts_beside(back, before_back, thresholds) ? Motion::passing : before_back.motion;
  return stretches;
}

// Centre, amplitude and period of the stretches [first, last) of one motion.
void describe(const AngleSeries& series, const std::vector<Stretch>& stretches, std::size_t first, std::size_t last,
              Episode& episode) {
  if (episode.motion == Motion::passing) {
    // The way phi went, both ways counted: a close approach may turn its drift round.
    double travel = 0.0;
    for (std::size_t i = stretches[first].first; i < stretches[last - 1].last; ++i) {
      travel += std::fabs(series.phi[i + 1] - series.phi[i]);
    }
    episode.centre_deg = episode.amplitude_deg = kUnknown;
    episode.period_yr = travel > 0.0 ? 360.0 * (episode.to_yr - episode.from_yr) / travel : kUnknown;
    return;
  }
  // Middles averaged near the first one, so that horseshoes about +-180 do not cancel.
  double reference = 0.0, middles = 0.0, half_widths = 0.0, years = 0.0;
  int whole = 0, counted = 0;
  for (std::size_t k = first; k < last; ++k) {
    const Stretch& stretch = stretches[k];
    if (!stretch.whole && last - first > 1) continue;
    const double middle = wrapped_middle(stretch.low, stretch.high);
    if (counted == 0) reference = middle;
    middles += middle - 360.0 * std::round((middle - reference) / 360.0);
    half_widths += (stretch.high - stretch.low) / 2.0;
    ++counted;
    if (stretch.whole) {
      years += series.years[stretch.last] - series.years[stretch.first];
      ++whole;
    }
  }
  episode.centre_deg = wrapped_middle(middles / counted, middles / counted);
  episode.amplitude_deg = half_widths / counted;
  episode.period_yr = whole > 0 ? 2.0 * years / whole : kUnknown;
}

}  // namespace

bool EpisodeList::compound() const {
  return std::any_of(episodes.begin(), episodes.end(),
                     [&](const Episode& e) { return e.motion != episodes.front().motion; });
}

EpisodeList episodes_of(const AngleSeries& series, const Thresholds& thresholds) {
  EpisodeList list;
  if (series.phi.size() < 2) {  // lost at once: nothing to judge
    list.episodes.push_back({Motion::passing, 0.0, 0.0, kUnknown, kUnknown, kUnknown});
    return list;
  }
  const std::vector<Stretch> stretches = judged_stretches(series, thresholds);
  for (std::size_t first = 0; first < stretches.size();) {
    std::size_t last = first + 1;
    while (last < stretches.size() && stretches[last].motion == stretches[first].motion) ++last;
    Episode episode;
    episode.motion = stretches[first].motion;
    episode.from_yr = series.years[stretches[first].first];
    episode.to_yr = series.years[stretches[last - 1].last];
    describe(series, stretches, first, last, episode);
    if (episode.from_yr <= 0.0 && episode.to_yr >= 0.0 && (list.episodes.empty() || list.episodes.back().to_yr < 0.0)) {
      list.at_epoch = list.episodes.size();
    }
    list.episodes.push_back(episode);
    first = last;
  }
  return list;
}

}  // namespace coorbital
