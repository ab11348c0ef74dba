// The survey's result table: one row per approach or loss, its order and its CSV form.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace survey {

enum class EventKind { approach, collision, sun, ejection };

struct SurveyRow {
  std::string designation;
  std::string packed;
  int planet = 0;         // planet number 1..9, 10 the Moon; 0 for a fall into the Sun or an ejection
  double jd = 0.0;        // Julian date (TDB) of the event
  double distance = 0.0;  // AU: to the planet, or to the Sun for a loss without planet
  double speed_kms = 0.0;  // relative to the planet, or heliocentric for a loss without planet
  EventKind event = EventKind::approach;
};

inline constexpr const char* kTableHeader =
    "designation,packed,planet,jd_tdb,calendar_tdb,dist_au,v_rel_kms,event";

// The name of planet 1..9 ("Earth") or the Moon (10); empty for any other number.
std::string planet_name(int planet);

// A CSV field: a text holding a comma or a quote is quoted, its quotes doubled.
std::string csv_field(const std::string& text);

// "YYYY-Mon-DD HH:MM" of a Julian date, to the nearest minute (Gregorian calendar).
std::string calendar_minute(double jd);

// By time, then designation; planet, event, packed designation, distance and speed make
// the order total (two records may share both names), so the table is the same whatever
// order the rows were found in.
bool row_before(const SurveyRow& a, const SurveyRow& b);
void sort_rows(std::vector<SurveyRow>& rows);

// One CSV line of the row, without its line end.
std::string csv_line(const SurveyRow& row);

// The header and every row, each ended by a line feed.
void write_table(std::ostream& out, const std::vector<SurveyRow>& rows);

}  // namespace survey
