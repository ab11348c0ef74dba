// Opening and closing the page of a 2D figure.
#include "app/figure_page.h"

#include "app/plot_failure.h"
#include "plot/plotix.h"

namespace app {

namespace {

// The plot library's keyword of a figure's format.
const char* keyword(PlotOutput output) {
  switch (output) {
    case PlotOutput::svg: return "SVG";
    case PlotOutput::pdf: return "PDF";
    case PlotOutput::ps: return "PS";
    default: return "PNG";
  }
}

}  // namespace

std::string figure_extension(PlotOutput output) {
  switch (output) {
    case PlotOutput::svg: return "svg";
    case PlotOutput::pdf: return "pdf";
    case PlotOutput::ps: return "ps";
    default: return "png";
  }
}

void open_figure(PlotOutput output, const std::string& file, PngBackground background) {
  plotix::setfil(file);
  plotix::metafl(keyword(output));
  if (output == PlotOutput::png) {
    plotix::winsiz(kPngWidth, kPngHeight);
    plotix::png_quick();  // a figure of flat colours: a third larger, three times faster
  }
  plotix::scrmod(background == PngBackground::white ? "REVE" : "NORM");
  plotix::disini();
  plotix::skip_protocol();
  plotix::height(kFigureTextHeight);
  plotix::hname(kFigureNameHeight);
}

bool close_figure() {
  plotix::disfin();
  check_plot_status();
  return !plot_file_write_failed();
}

}  // namespace app
