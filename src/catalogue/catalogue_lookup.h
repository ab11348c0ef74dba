// Looking objects up in the catalogue as people write them: packed or readable
// designation, or part of the name.
#pragma once

#include <string_view>
#include <vector>

#include "app/catalogue_file.h"
#include "app/catalogue_record.h"

namespace app {

// The records of `catalogue` (read to its end) that match `text`: those whose packed
// designation is the text itself or the text packed from its readable form; when none
// match so, those whose readable name (columns 167-194) contains the text, ignoring case.
// A matching record whose numbers cannot be read throws CatalogueError.
std::vector<CatalogueRecord> look_up_catalogue(CatalogueFile& catalogue, std::string_view text);

}  // namespace app
