// Search of the catalogue by packed designation.
#pragma once

#include <filesystem>
#include <ostream>

#include "app/console.h"
#include "app/run_state.h"

namespace app {

// Reads the whole catalogue; every record whose columns 1-7 equal state.name7 writes its
// summary and sets the elements, name28 and blocks.epoch_jd, so the last match wins. The
// elements are left alone when nothing matches. When no designation equals name7 as
// typed, its upper-case form is searched ("k02a29a" finds K02A29A), and name7 becomes
// the designation found; "a0191" and "K14Od1V" match as typed. A matching record whose
// epoch or elements cannot start a run (record_refusal) is refused with a line naming
// the file, the line and the field, and counts as no match. When no
// designation matches either way and name7 is a number ("367943 "), the record of
// that number is searched, and name7 becomes its packed designation ("a7943  ").
void search_catalogue(Console& console, RunState& state, const std::filesystem::path& folder, std::ostream& hints);

}  // namespace app
