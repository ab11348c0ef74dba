// The options of the 2D figures of survey and coorbital: --save FORMAT[,FORMAT...] and
// --out DIR.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "app/plot_stage.h"

namespace CLI {
class App;
}

namespace cli {

// Adds "--save FORMAT[,FORMAT...]" (png, svg, pdf, ps) to `command`, read into `save`;
// `what` says which pictures.
void add_save_option(CLI::App& command, std::vector<std::string>& save, const std::string& what);

// Adds "--out DIR" (an existing folder; default here) to `command`, read into `out`.
void add_out_option(CLI::App& command, std::string& out);

// The outputs of the formats --save took.
std::set<app::PlotOutput> picture_formats(const std::vector<std::string>& save);

}  // namespace cli
