// --save and --out of the 2D figures.
#include "cli/figure_options.h"

#include <CLI/CLI.hpp>
#include <map>

#include "cli/help_text.h"

namespace cli {

namespace {

const std::map<std::string, app::PlotOutput> kFigureFormats = {
    {"png", app::PlotOutput::png}, {"svg", app::PlotOutput::svg}, {"pdf", app::PlotOutput::pdf}, {"ps", app::PlotOutput::ps}};

}  // namespace

void add_save_option(CLI::App& command, std::vector<std::string>& save, const std::string& what) {
  command.add_option("--save", save, what + ": png, svg, pdf, ps")
      ->type_name("FORMAT[,FORMAT...]")
      ->delimiter(',')
      ->check(unlabelled(CLI::IsMember(kFigureFormats)));
}

void add_out_option(CLI::App& command, std::string& out) {
  command.add_option("--out", out, "Folder for the pictures (default: here)")
      ->type_name("DIR")
      ->check(unlabelled(CLI::ExistingDirectory));
}

std::set<app::PlotOutput> picture_formats(const std::vector<std::string>& save) {
  std::set<app::PlotOutput> formats;
  for (const std::string& format : save) formats.insert(kFigureFormats.at(format));
  return formats;
}

}  // namespace cli
