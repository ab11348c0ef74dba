// The co-orbital table: one row per object and episode, the epoch's episode marked.
#pragma once

#include <string>
#include <vector>

#include "coorbital/coorbital_search.h"

namespace coorbital {

inline constexpr const char* kCoorbitalHeader =
    "designation,packed,planet,class,centre_deg,amplitude_deg,period_yr,episode_from_yr,episode_to_yr,min_dist_au,"
    "stability";

// Marks the class of the episode that holds the epoch: "horseshoe*".
inline constexpr char kEpochMark = '*';

// Decimal year (Julian years from J2000.0) of a Julian date.
double decimal_year(double jd);

// The rows of one object, in time order, without line ends. Numbers unknown (a
// passing episode's centre, a period with no whole swing) are empty fields.
std::vector<std::string> csv_lines(const ObjectVerdict& verdict, int planet);

// The header and the rows of every object, each line ended by a line feed.
std::string table_text(const std::vector<ObjectVerdict>& verdicts, int planet);

}  // namespace coorbital
