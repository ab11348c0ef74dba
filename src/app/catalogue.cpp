// The name prompt and the final test of the object choice.
#include "app/catalogue.h"

#include "app/catalogue_hand_entry.h"
#include "app/catalogue_listing.h"
#include "app/catalogue_search.h"
#include "dynamics/orbital_elements.h"

namespace app {

namespace {

constexpr const char* kNamePrompt[] = {
    "    NEA name (for example 00433, K02A29A)",
    "or  type 1  to introduce elements by hand",
    "or type 2 to see a selection of asteroids",
};
constexpr const char* kNotFound = "I did not find that object, try again...";
constexpr const char* kHandEntryAnswer = "1      ";
constexpr const char* kListingAnswer = "2      ";

}  // namespace

void choose_object(Console& console, RunState& state, const std::filesystem::path& folder, std::ostream& hints) {
  for (;;) {
    state.elements.a = kNotFoundMarker;
    console.empty_line();
    for (const char* text : kNamePrompt) console.line({text});
    // The name as typed: the search tries its upper-case form only when nothing matches it.
    const std::string answer = console.read_columns(kNamePrompt[0], catalogue::kDesignationWidth);
    if (answer == kListingAnswer) {
      list_catalogue(console, folder, hints);
      continue;
    }
    if (answer == kHandEntryAnswer) {
      enter_elements_by_hand(console, state);
    } else {
      state.name7 = answer;
      search_catalogue(console, state, folder, hints);
    }
    // a = 0 would put the object at infinity in the run, so it is refused like a < 0;
    // so is an a whose single-precision copy overflows.
    if (dynamics::semimajor_axis_accepted(state.elements.a)) return;
    console.line({kNotFound});
  }
}

}  // namespace app
