// Search by designation: every match writes its summary, the last one is kept.
#include "app/catalogue_search.h"

#include "app/catalogue_file.h"
#include "app/catalogue_record.h"

namespace app {

namespace {

void write_summary(Console& console, const CatalogueRecord& record, double epoch) {
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

}  // namespace

void search_catalogue(Console& console, RunState& state, const std::filesystem::path& folder, std::ostream& hints) {
  CatalogueFile catalogue(folder, hints);
  std::string_view line;
  CatalogueRecord record;
  std::string failed_columns;
  while (catalogue.next_line(line)) {
    if (!designation_matches(line, state.name7)) continue;
    // Only matching records are read in full: the others are never used.
    if (!parse_catalogue_record(line, record, failed_columns)) {
      throw catalogue.unreadable_record(failed_columns);
    }
    state.blocks.epoch_jd = epoch_julian_date(record);
    write_summary(console, record, state.blocks.epoch_jd);
    state.elements = record.elements;
    state.name28 = record.name28;
  }
}

}  // namespace app
