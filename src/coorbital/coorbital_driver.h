// The co-orbital search as the command line runs it: read the catalogue, pick the
// candidates, search them, write the table and make the summary line.
#pragma once

#include <functional>
#include <string>

#include "coorbital/coorbital_search.h"
#include "survey/catalogue_run.h"

namespace coorbital {

struct CoorbitalOptions {
  survey::CatalogueRunOptions run;  // without an object list: the candidates of the catalogue; else these objects, candidates or not
  CoorbitalSettings settings;       // its jobs are the run's threads
};

// Hands the finished search to whoever draws its pictures; throws errors::Failure when
// one cannot be drawn.
using PictureMaker = std::function<void(const CoorbitalResult& result)>;

// Searches the catalogue, hands the table's text to `put_table` and the result to
// `make_pictures` (when given). Returns the summary line, empty when quiet. Throws as the
// survey does: errors::Failure when the catalogue, the object list, the table or a picture
// cannot be read or written, or no name of the list matched; errors::UsageError when the
// list names no object or the span needs too many steps.
std::string run_coorbital(const CoorbitalOptions& options, const survey::TextWriter& put_table,
                          const PictureMaker& make_pictures, const survey::RunStreams& streams);

// "coorbital: N objects, B bad records skipped, C co-orbitals (H horseshoe, Q quasi-satellite,
// L4 trojan-L4, L5 trojan-L5), K compound, S sensitive, W s wall, R object-steps/s".
std::string summary_line(const CoorbitalResult& result, int bad_records, double wall_seconds);

}  // namespace coorbital
