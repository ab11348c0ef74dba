// Which objects of a catalogue may share a planet's orbit: those whose semimajor axis lies
// within a few widths of the 1:1 resonance of the planet's.
#pragma once

#include <cstddef>
#include <vector>

#include "survey/io/survey_object.h"

namespace coorbital {

// Widths of the resonance an object's a may lie from the planet's. Three held every known
// Earth co-orbital of the 2019 catalogue; a libration's a swings by at most about one
// width (the widest horseshoe) about the planet's, and close approaches move it on by less
// than another, so three take the whole swing with room to spare.
inline constexpr double kWidthsTaken = 3.0;

// Half-width of the 1:1 resonance in |a - a_p| / a_p for planet 1..9: sqrt(8 mu / 3), mu the
// planet's mass in solar masses (the Earth's with the Moon's).
double resonance_width(int planet);

// |a - a_p| / a_p below which an object is a candidate: kWidthsTaken resonance widths.
double candidate_bound(int planet);

// The planet's semimajor axis of the planet table, AU.
double planet_semimajor_axis(int planet);

// Indices of the objects whose catalogue a lies within the bound of the planet's.
std::vector<std::size_t> candidates(const std::vector<survey::SurveyObject>& objects, int planet);

}  // namespace coorbital
