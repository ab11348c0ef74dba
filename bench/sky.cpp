// Cost of setting the planets up at an object's epoch in each sky (the survey's class, the
// 2019 catalogue's epoch), of one planet state from the ephemeris series and of the
// Moon's geocentric place. Also the planets' drift from their series (counters, km, per
// planet) with the series' own starting velocities and with the fitted ones: the table
// of docs/sky.md.
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "dynamics/bodies.h"
#include "dynamics/constants.h"
#include "dynamics/shared_blocks.h"
#include "dynamics/planet_setup.h"
#include "sky/earth_moon.h"
#include "sky/sky.h"
#include "sky/series_drift.h"
#include "sky/series_planets.h"

namespace {

// The epoch of the 2019 catalogue's records.
constexpr double kEpoch = 2458666.5;

// Argument: 0 the table sky, 1 the ephemeris sky.
void BM_PlanetSetUp(benchmark::State& bench) {
  const sky::Sky which = bench.range(0) == 0 ? sky::Sky::table : sky::Sky::ephemeris;
  bench.SetLabel(std::string(sky::sky_name(which)));
  const dynamics::IntegrationClass klass{};
  dynamics::SharedBlocks blocks;
  dynamics::store_constants(blocks, klass.central_mass);
  dynamics::Bodies bodies;
  for (auto _ : bench) {
    sky::sky_model(which).set_up_planets(blocks, bodies, klass, kEpoch);
    benchmark::DoNotOptimize(bodies.v[3]);
  }
}
BENCHMARK(BM_PlanetSetUp)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Argument: the planet number, 1..8 (3: the Earth–Moon barycentre from two series).
void BM_SeriesState(benchmark::State& bench) {
  const int planet = static_cast<int>(bench.range(0));
  for (auto _ : bench) benchmark::DoNotOptimize(sky::series_state(planet, kEpoch).x);
}
BENCHMARK(BM_SeriesState)->DenseRange(1, sky::kLastSeriesPlanet)->Unit(benchmark::kMicrosecond);

// The Moon about the Earth, wanted at every step end and encounter substep of the
// Earth's neighbours.
void BM_MoonGeocentric(benchmark::State& bench) {
  for (auto _ : bench) benchmark::DoNotOptimize(sky::moon_geocentric(kEpoch));
}
BENCHMARK(BM_MoonGeocentric)->Unit(benchmark::kMicrosecond);

// Arguments: the span in tenths of a year on either side of the epoch, and 0 for the
// series' own velocities or 1 for the fitted ones. One iteration: the counters are the
// drifts, not rates.
void BM_SeriesDrift(benchmark::State& bench) {
  const dynamics::IntegrationClass klass{};
  dynamics::SharedBlocks blocks;
  dynamics::store_constants(blocks, klass.central_mass);
  dynamics::Bodies bodies;
  sky::sky_model(sky::Sky::ephemeris).set_up_planets(blocks, bodies, klass, kEpoch);
  const bool fitted = bench.range(1) == 1;
  bench.SetLabel(fitted ? "fitted" : "series velocities");
  if (!fitted) {
    for (int planet = 1; planet <= sky::kLastSeriesPlanet; ++planet) bodies.v[planet] = sky::series_state(planet, kEpoch).v;
  }
  std::array<double, sky::kLastSeriesPlanet + 1> drift{};
  for (auto _ : bench) drift = sky::series_drift_km(blocks, bodies, klass, static_cast<double>(bench.range(0)) / 10.0);
  for (int planet = 1; planet <= sky::kLastSeriesPlanet; ++planet) {
    const std::string_view name = dynamics::kPlanetNames[static_cast<size_t>(planet - 1)];
    bench.counters[std::string(name.substr(0, name.find(' ')))] = drift[planet];
  }
}
BENCHMARK(BM_SeriesDrift)->Args({15, 0})->Args({15, 1})->Args({100, 0})->Args({100, 1})->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
