// Reading one-line MPC orbit records by columns.
#include "catalogue/catalogue_record.h"

#include <cstring>

#include "dynamics/constants.h"
#include "textio/column_reader.h"

namespace catalogue {

bool parse_catalogue_record(std::string_view line, CatalogueRecord& record, std::string& failed_columns) {
  textio::ColumnReader r(line);
  const auto fail = [&] {
    failed_columns = r.failed_columns();
    return false;
  };
  double magnitude = 0.0, slope = 0.0;  // read for the check only
  dynamics::OrbitalElements& el = record.elements;
  record.designation = r.text(kDesignationWidth);
  if (!r.real(6, 2, magnitude) || !r.real(6, 2, slope)) return fail();
  r.skip(1);
  record.century = r.text(1)[0];
  if (!r.integer(2, record.year)) return fail();
  record.month = r.text(1)[0];
  record.day = r.text(1)[0];
  if (!r.real(10, 5, el.m) || !r.real(11, 5, el.peri) || !r.real(11, 5, el.node) || !r.real(11, 5, el.i) ||
      !r.real(11, 7, el.e) || !r.real(12, 8, record.mean_motion) || !r.real(12, 7, el.a)) {
    return fail();
  }
  r.skip(3 + 60);
  record.name28 = r.text(kName28Width);
  return true;
}

bool designation_matches(std::string_view line, std::string_view name7) {
  if (line.size() >= kDesignationWidth) return std::memcmp(line.data(), name7.data(), kDesignationWidth) == 0;
  return line == name7.substr(0, line.size()) && name7.find_first_not_of(' ', line.size()) == std::string_view::npos;
}

std::string record_refusal(const CatalogueRecord& record) {
  if (!dynamics::packed_date_known(record.century, record.year, record.month, record.day)) {
    return "the epoch (columns 21-25) is not a packed date";
  }
  switch (dynamics::element_fault(record.elements)) {
    case dynamics::ElementFault::semimajor_axis:
      return "the semimajor axis (columns 92-103) must be above 0 and below 3.4e38";
    case dynamics::ElementFault::eccentricity: return "the eccentricity (columns 69-79) must be at least 0 and below 1";
    case dynamics::ElementFault::none: break;
  }
  return "";
}

double epoch_julian_date(const CatalogueRecord& record) {
  int jd = 0;
  dynamics::pacjd(record.century, record.year, record.month, record.day, jd);
  return jd + dynamics::kPacjdOffset;
}

}  // namespace catalogue
