// One record of the catalogue: a line of the one-line MPC orbit format.
#pragma once

#include <string>
#include <string_view>

#include "dynamics/orbital_elements.h"

namespace catalogue {

// Width of the packed designation in columns 1-7 (the stem of a run's file names).
inline constexpr std::size_t kDesignationWidth = 7;
// Offset and width of the packed epoch, columns 21-25.
inline constexpr std::size_t kEpochOffset = 20;
inline constexpr std::size_t kEpochWidth = 5;
// Width of the readable designation in columns 167-194.
inline constexpr std::size_t kName28Width = 28;
// Offset of the readable designation, columns 167-194 (kName28Width wide).
inline constexpr std::size_t kName28Offset = 166;

// The fields of a record the program uses.
struct CatalogueRecord {
  std::string designation;  // columns 1-7, as in the file
  char century = ' ';       // packed epoch: century letter, two-digit year, month, day codes
  int year = 0;
  char month = ' ';
  char day = ' ';
  dynamics::OrbitalElements elements;
  double mean_motion = 0.0;  // degrees per day, columns 81-91
  std::string name28;  // columns 167-194, the readable designation
};

// Reads a record laid out as (A7,2F6.2,1X,A1,I2,2A1,F10.5,3F11.5,F11.7,F12.8,F12.7,A3,A60,A28,A8).
// Columns past the end of a short line read as blanks. Returns false when a numeric
// field cannot be read; failed_columns then names its columns ("26-35").
bool parse_catalogue_record(std::string_view line, CatalogueRecord& record, std::string& failed_columns);

// True when columns 1-7 of the line (blank-filled when shorter) equal `name7` byte for byte.
bool designation_matches(std::string_view line, std::string_view name7);

// Why the record's orbit cannot start a run, naming the field and its columns ("the
// eccentricity (columns 69-79) must be at least 0 and below 1"), or empty: the epoch
// must be a packed date, and the elements pass dynamics::element_fault.
std::string record_refusal(const CatalogueRecord& record);

// Julian date at 0 h of the record's packed epoch.
double epoch_julian_date(const CatalogueRecord& record);

}  // namespace catalogue
