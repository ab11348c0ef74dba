// disini: opens a plot. Resolves the background mode, the page, the window or
// image size and the output file name, opens the device, and resets every
// parameter. A device or file that cannot be opened is a fatal status
// (plot/core/fatal_status.h): the library stops, the program decides what follows.
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

#include "plot/core/clock.h"
#include "plot/core/device_factory.h"
#include "plot/core/device_scale.h"
#include "plot/core/error_stream.h"
#include "plot/core/fatal_status.h"
#include "devices/file_version.h"
#include "plot/core/levels.h"
#include "plot/page/reset.h"
#include "plot/core/output_format.h"
#include "plot/page/open_plot.h"
#include "plot/core/warnings.h"

namespace plotix {
namespace {

// Records a fatal open error; the library's warning has said what failed, the
// device's reason (if any) goes with the status. Returns false, for the caller to stop.
bool fail_open(const std::string& reason = {}) {
  std::fflush(stdout);
  record_fatal(FatalStatus::open_failed, reason.c_str());
  return false;
}

void resolve_background(PlotState& st) {
  PageState& pg = st.page;
  // Setting 2 is a light background, 4 the device's own; any other a dark one.
  const bool light = pg.iscrset == 4 ? is_white_by_default(pg.idev) : pg.iscrset == 2;
  pg.iscrmode = light ? devices::Background::light : devices::Background::dark;
}

void resolve_window_size(PlotState& st) {
  CoreState& co = st.core;
  co.nwinx = 0;
  co.nwiny = 0;
  if (co.nwinmode == 2) {
    co.nwinw = st.page.nwsizw;
    co.nwinh = st.page.nwsizh;
  } else if (st.page.nxpage > st.page.nypage) {
    co.nwinw = 853;
    co.nwinh = 603;
  } else {
    co.nwinw = 603;
    co.nwinh = 853;
  }
}

// A file name that has no free version left is a fatal open error.
bool no_free_version(PlotState& st) {
  qqerror(st, devices::kStatusNoFreeVersion, "More than 9999 file versions");
  return fail_open();
}

// The name of the output file: the setfil name (kept for later plots) or the
// default, without trailing blanks. A file that exists is never overwritten: the
// name is versioned here, unless the device picks the version name itself when it
// opens, so that the rule runs once; `version_base` gets the name before versioning.
// Nothing after a fatal open error.
std::optional<std::string> output_file_name(PlotState& st, std::string& version_base) {
  PageState& pg = st.page;
  if (pg.ifilset == 1) {
    std::memcpy(pg.cfilsav, pg.cfilnam, sizeof pg.cfilsav);
    pg.ifilset = 2;
  } else if (pg.ifilset == 2) {
    std::memcpy(pg.cfilnam, pg.cfilsav, sizeof pg.cfilnam);
  } else {
    std::snprintf(pg.cfilnam, sizeof pg.cfilnam, "plotix.%s", format_extension(pg.idev));
  }
  // Trailing blanks never reach the disk; inner blanks stay.
  std::string name(pg.cfilnam);
  name.erase(name.find_last_not_of(' ') + 1);
  if (name.empty()) {
    warnc1(st, 37, pg.cfilnam);
    fail_open();
    return std::nullopt;
  }
  version_base = name;
  if (!pg.device->picks_version_name()) {
    name = devices::free_file_name(name);
    if (name.empty()) {
      no_free_version(st);
      return std::nullopt;
    }
  }
  std::snprintf(pg.cfilnam, sizeof pg.cfilnam, "%s", name.c_str());
  return name;
}

// Window number of the "PLOTIX %d" titles: the window slot + 1, else 1.
int window_number(int idev) { return window_slot(idev) >= 0 ? window_slot(idev) + 1 : 1; }

// Opens the device; false after a fatal open error.
bool open_device(PlotState& st) {
  PageState& pg = st.page;
  pg.device = make_device(pg.idev);
  if (!pg.device) {
    warnc1(st, 40, pg.cfmt);
    return fail_open();
  }
  devices::DeviceOpenParams params;
  params.idev = pg.idev;
  // Every format that writes a file is named here, so the version rule is the
  // same for all of them; the memory canvas and the screen write no file.
  pg.file_output = !is_screen_or_terminal(pg.idev) && pg.idev != devices::kFormatMemoryCanvas;
  if (pg.file_output) {
    const std::optional<std::string> name = output_file_name(st, params.version_base);
    if (!name) return false;
    params.file_name = *name;
  }
  params.nxpage = pg.nxpage;
  params.nypage = pg.nypage;
  params.width = st.core.nwinw;
  params.height = st.core.nwinh;
  params.window_mode = st.core.nwinmode;
  params.background_mode = pg.iscrmode;
  params.true_colour = pg.idev == devices::kFormatPpm || pg.idev == devices::kFormatPng;
  params.quick_png = pg.quick_png;
  pg.quick_png = false;  // for this plot only
  params.landscape = pg.nypage < pg.nxpage;
  params.iorient = pg.iorient;
  params.window_number = window_number(pg.idev);
  params.date = dddate();
  params.time = ddtime();
  // Every device opens with the scale of the size asked for; a screen window
  // that gets another drawing area takes the scale of that area below.
  pg.xdevfac = device_scale_factor(st, st.core.nwinw, st.core.nwinh);
  params.xdevfac = pg.xdevfac;

  devices::DeviceOpenResult result = pg.device->open(params);
  if (!result.file_name.empty()) {
    std::snprintf(pg.cfilnam, sizeof pg.cfilnam, "%s", result.file_name.c_str());
  }
  if (result.status == devices::kStatusNoFreeVersion) return no_free_version(st);
  if (result.status != devices::kStatusOk) {
    warnc1(st, result.status, pg.file_output ? pg.cfilnam : pg.cfmt);
    return fail_open(pg.device->error());
  }
  if (!pg.device->notice().empty()) error_stream() << pg.device->notice() << '\n';
  st.line.ncdepth = result.colour_depth;
  if (is_screen_or_terminal(pg.idev)) {
    int w = result.area_width > 0 ? result.area_width : st.core.nwinw;
    int h = result.area_height > 0 ? result.area_height : st.core.nwinh;
    pg.xdevfac = device_scale_factor(st, w, h);
  }
  return true;
}

}  // namespace

void disini() {
  PlotState* found = jqqlev(0, 0, "disini");
  if (found == nullptr) return;
  PlotState& st = *found;
  st.core.level = 1;
  st.core.nvec = 0;
  st.core.nwarn = 0;
  st.line.npoly = 0;
  resolve_background(st);
  if (st.page.idev == 0) {
    st.page.idev = devices::kFormatGksl;
    std::memcpy(st.page.cfmt, "GKSL", 5);
  }
  defvar(st);
  resolve_window_size(st);
  st.line.ncdepth = 8;
  if (!open_device(st)) return;
  if (!st.core.ioutstd) st.core.fp_errfil = stdout;
  resall(st);
  if (!st.core.iscrmode_first) {
    st.core.iscrmode_first = st.page.iscrmode;
  } else if (st.line.ncdepth > 8 && is_screen_or_terminal(st.page.idev) &&
             st.page.iscrmode != st.core.iscrmode_first) {
    st.page.device->erase();
  }
}

}  // namespace plotix
