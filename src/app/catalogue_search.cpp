// Search by designation: every match writes its summary, the last one is kept.
#include "app/catalogue_search.h"

#include "catalogue/catalogue_file.h"
#include "catalogue/catalogue_record.h"
#include "catalogue/designation.h"

namespace app {

namespace {

void write_summary(Console& console, const catalogue::CatalogueRecord& record, double epoch) {
  const dynamics::OrbitalElements& el = record.elements;
  console.line({"ASTEROID:", record.designation});
  console.line({"    NAME:", record.name28});
  console.line({"       a:", el.a});
  console.line({"       e:", el.e});
  console.line({"       i:", el.i});
  console.line({"long nod:", el.node});
  console.line({"arg perh:", el.peri});
  console.line({"       M:", el.m});
  console.line({"   epoch:", epoch});
}

// Searches for the records whose columns 1-7 equal `name7`; true when one matched.
bool search_designation(Console& console, RunState& state, const std::filesystem::path& folder, std::ostream& hints,
                        const std::string& name7) {
  catalogue::CatalogueFile catalogue(folder, hints);
  bool matched = false;
  std::string_view line;
  catalogue::CatalogueRecord record;
  std::string failed_columns;
  while (catalogue.next_line(line)) {
    if (!catalogue::designation_matches(line, name7)) continue;
    matched = true;
    // Only matching records are read in full: the others are never used.
    if (!catalogue::parse_catalogue_record(line, record, failed_columns)) {
      throw catalogue.unreadable_record(failed_columns);
    }
    const std::string refusal = catalogue::record_refusal(record);
    if (!refusal.empty()) {
      console.line({"cannot use the record: " + refusal + " (" + catalogue.where() + ")"});
      continue;
    }
    state.blocks.epoch_jd = catalogue::epoch_julian_date(record);
    write_summary(console, record, state.blocks.epoch_jd);
    state.elements = record.elements;
    state.name28 = record.name28;
  }
  return matched;
}

// Only a-z change; everything else, leading blanks included, stays as typed.
std::string upper_case_name(std::string name) {
  for (char& c : name) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return name;
}

// "367943 ": a number typed as people write it, packed as the catalogue writes it.
std::optional<std::string> packed_number(const std::string& name7) {
  const std::size_t end = name7.find_last_not_of(' ');
  if (end == std::string::npos || name7.find_first_not_of("0123456789") <= end) return std::nullopt;
  std::optional<std::string> packed = catalogue::pack_designation(name7);
  if (packed) packed->resize(catalogue::kDesignationWidth, ' ');
  return packed;
}

}  // namespace

void search_catalogue(Console& console, RunState& state, const std::filesystem::path& folder, std::ostream& hints) {
  if (search_designation(console, state, folder, hints, state.name7)) return;
  // Designations typed in lower case find their upper-case records; the lower-case
  // letters of packed numbers from 360,000 and of high cycle counts are matched above.
  const std::string upper = upper_case_name(state.name7);
  if (upper != state.name7 && search_designation(console, state, folder, hints, upper)) {
    state.name7 = upper;
    return;
  }
  // No record has the typed text as its designation: a readable number names its record,
  // whose designation then names the output files.
  const std::optional<std::string> packed = packed_number(state.name7);
  if (packed && search_designation(console, state, folder, hints, *packed)) state.name7 = *packed;
}

}  // namespace app
