// Listing by semimajor axis, twenty lines at a time.
#include "app/catalogue_listing.h"

#include "catalogue/catalogue_file.h"
#include "catalogue/catalogue_record.h"
#include "textio/fixed_format.h"

namespace app {

namespace {

constexpr const char* kRangeQuestion = " please enter: a_min,a_max (example: 0.9,1.1 )";
constexpr const char* kHeading = "NAME        a         e         i";
constexpr const char* kPause = "press enter to continue...";
constexpr int kLinesPerPage = 20;

// One line "(A7,F11.6,F9.6,F10.5)": designation, a, e, i.
std::string listing_line(const catalogue::CatalogueRecord& record) {
  using namespace textio;
  return format_aw(record.designation, 7) + format_fw(record.elements.a, 11, 6) +
         format_fw(record.elements.e, 9, 6) + format_fw(record.elements.i, 10, 5);
}

}  // namespace

void list_catalogue(Console& console, const std::filesystem::path& folder, std::ostream& hints) {
  double a_min = 0.0, a_max = 0.0;
  console.line({kRangeQuestion});
  console.read(kRangeQuestion, {&a_min, &a_max});

  catalogue::CatalogueFile catalogue(folder, hints);
  console.line({kHeading});
  std::string_view line;
  catalogue::CatalogueRecord record;
  std::string failed_columns;
  int lines_on_page = 0;
  while (catalogue.next_line(line)) {
    if (!catalogue::parse_catalogue_record(line, record, failed_columns)) {
      throw catalogue.unreadable_record(failed_columns);
    }
    if (record.elements.a < a_min || record.elements.a > a_max) continue;
    console.formatted(listing_line(record));
    if (++lines_on_page == kLinesPerPage) {
      console.line({kPause});
      console.wait_for_line(kPause);
      lines_on_page = 0;
    }
  }
}

}  // namespace app
