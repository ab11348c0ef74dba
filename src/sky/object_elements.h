// The elements a catalogue object starts with in each sky.
#pragma once

#include "dynamics/orbital_elements.h"
#include "sky/sky.h"

namespace sky {

// Semimajor axis, AU, of an orbit of mean motion n (degrees per day) about the Sun
// alone: a = (k^2 / n^2)^(1/3), k the Gaussian constant.
double semimajor_axis_from_mean_motion(double mean_motion_deg_per_day);

// The elements of a record in the given sky. The table sky takes them as written; the
// ephemeris sky takes a from the record's mean motion, which carries more digits than
// its rounded a field, unless the record has no mean motion (0 or less: blank, or
// typed by hand), when a stays as written.
dynamics::OrbitalElements elements_in_sky(const dynamics::OrbitalElements& elements, double mean_motion_deg_per_day,
                                          Sky sky);

}  // namespace sky
