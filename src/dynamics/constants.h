// Units, physical constants, the built-in table of the nine planets, and the packed-date day count `pacjd`.
#pragma once

#include <array>
#include <cmath>
#include <string_view>

#include "dynamics/orbital_elements.h"

namespace dynamics {

// Per-body arrays hold up to 20 bodies (at most nine planets and the small body).
inline constexpr int kMaxBodies = 20;

// Arrays indexed by body slot 1..20 (planets first, the small body last). Entry 0 is
// never used, so the slot arithmetic of the integrator reads as written.
using SlotDoubles = std::array<double, kMaxBodies + 1>;
using SlotInts = std::array<int, kMaxBodies + 1>;

// Sun's GM in AU^3/yr^2: (Gaussian constant 0.01720209895 per day × 365.25)^2.
inline constexpr double kGaussK2 = 39.476926421373015;
inline constexpr double kKmToAu = 6.6845871222684464e-9;
// One km/s expressed in AU per year; divide an AU/yr speed by it to get km/s.
inline constexpr double kAuYrPerKmS = 0.21094952656969873;
inline constexpr double kDaysPerYear = 365.25;
// Julian date at which the planet table's osculating elements hold.
inline constexpr double kPlanetEpochJd = 2451400.5;
// pacjd returns JD - 2450000.5 at 0 h; add this to get the Julian date.
inline constexpr double kPacjdOffset = 2450000.5;

inline const double kPi = 4.0 * std::atan(1.0);
inline const double kTwoPi = 8.0 * std::atan(1.0);
inline const double kDegToRad = kPi / 180.0;

// Ejection limits.
inline constexpr double kEjectSemimajorAu = 9000.0;
inline constexpr double kEjectDistanceAu = 60.0;
// The Sun's capture radius is 1.14 solar radii of 696000 km.
inline constexpr double kSunRadiusKm = 696000.0;
inline constexpr double kSunCaptureFactor = 1.14;
inline constexpr double kSunCloseAu = 0.01;

// One row of the planet table: heliocentric osculating elements referred to the ecliptic
// and equinox J2000 at JD 2451400.5.
struct PlanetRow {
  OrbitalElements elements;
  double mass;       // solar masses (Earth row: Earth plus Moon)
  double radius_km;  // km
};

inline constexpr int kPlanetCount = 9;

// Planet table, row k-1 = planet number k (1 Mercury ... 9 Pluto).
inline constexpr std::array<PlanetRow, kPlanetCount> kPlanetTable{{
    {{0.38709897, 0.205622188, 7.0050053, 48.3307302, 29.1239378, 303.4539666}, 1.66013679e-07, 2440.0},
    {{0.72333793, 0.006771606, 3.3945712, 76.6821802, 54.8201213, 178.9704486}, 2.44783833e-06, 6052.0},
    {{0.99998836, 0.016736826, 0.0001213, 27.6464539, 75.3942093, 215.0034486}, 3.04043264e-06, 6371.0},
    {{1.52367503, 0.093290001, 1.849892, 49.5616397, 286.5090192, 303.6562023}, 3.22715144e-07, 3390.0},
    {{5.20399661, 0.048719684, 1.3046775, 100.4829904, 275.0927233, 6.8013147}, 0.000954791938, 69911.0},
    {{9.58195033, 0.055272778, 2.4852156, 113.6436321, 335.5040835, 315.9800041}, 0.00028588598, 58232.0},
    {{19.24744286, 0.043713914, 0.7727272, 74.0128993, 97.4115217, 140.3579592}, 4.36624404e-05, 25362.0},
    {{30.14125054, 0.011166945, 1.7676331, 131.7957546, 259.2549938, 273.2914807}, 5.15138902e-05, 24624.0},
    {{39.30014087, 0.245185295, 17.1448574, 110.3063101, 113.9258678, 14.3165644}, 7.3964497e-09, 1150.0},
}};

// Planet names as 7-character blank-padded fields, row k-1 = planet number k.
inline constexpr std::array<std::string_view, kPlanetCount> kPlanetNames{
    "Mercury", "Venus  ", "Earth  ", "Mars   ", "Jupiter",
    "Saturn ", "Uranus ", "Neptune", "Pluto  "};

// Day count of a packed MPC calendar date: century letter (I 1800, J 1900, K 2000,
// anything else 0), two-digit year, month code (1-9, A-C) and day code (1-9, A-V);
// unknown codes count as 0. jd receives the Julian Day Number minus 2450001, so
// jd + 2450000.5 is the Julian date at 0 h of that day. Never fails.
void pacjd(char century, int year, char month, char day, int& jd);

// True when every code of a packed date is one pacjd knows and the year is 0..99.
bool packed_date_known(char century, int year, char month, char day);

}  // namespace dynamics
