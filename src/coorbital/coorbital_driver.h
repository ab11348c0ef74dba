// The co-orbital search as the command line runs it: read the catalogue, pick the
// candidates, search them, write the table and the summary line.
#pragma once

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>

#include "coorbital/coorbital_search.h"

namespace coorbital {

struct CoorbitalOptions {
  std::filesystem::path catalogue;
  std::filesystem::path object_list;  // empty: the candidates of the catalogue; else these objects, candidates or not
  CoorbitalSettings settings;
  bool quiet = false;  // no progress bar and no summary line
};

// Puts the finished table text where it was asked for; returns what went wrong, or empty.
using TextWriter = std::function<std::string(const std::string& text)>;

// Hands the finished search to whoever draws its pictures; returns what went wrong, or empty.
using PictureMaker = std::function<std::string(const CoorbitalResult& result)>;

// Exit status as the survey's: 0; 1 when the catalogue, the object list, the table or a
// picture cannot be read or written, or no name of the list matched; 2 when the list names
// no object or the span needs too many steps. Progress goes to `err` on a terminal.
int run_coorbital(const CoorbitalOptions& options, const TextWriter& write_table, const PictureMaker& make_pictures,
                  std::ostream& err, bool err_is_terminal);

// "coorbital: N objects, B bad records skipped, C co-orbitals (H horseshoe, Q quasi-satellite,
// L4 trojan-L4, L5 trojan-L5), K compound, S sensitive, W s wall, R object-steps/s".
std::string summary_line(const CoorbitalResult& result, int bad_records, double wall_seconds);

}  // namespace coorbital
