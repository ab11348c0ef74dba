// disfin and endgrf: finishing a plot and closing an axis system; noclip; skip_protocol.
#include <cstdio>

#include "plot/core/fatal_status.h"
#include "plot/core/levels.h"
#include "plot/lines/polyline.h"
#include "plot/page/protocol.h"
#include "plot/core/output_format.h"
#include "plot/page/close_plot.h"
#include "plot/core/warnings.h"

namespace plotix {

void disfin() {
  PlotState* found = jqqlev(1, 3, "disfin");
  if (found == nullptr) return;
  PlotState& st = *found;
  qqstrk(st);
  int file_written = st.page.file_output ? 1 : 0;
  if (st.page.device) {
    // A file that could not be written completely (a full disk) is reported, naming
    // it and the reason; the device left no file of that name behind.
    int status = st.page.device->close();
    if (status != devices::kStatusOk) {
      warnc1(st, status, st.page.file_output ? st.page.cfilnam : st.page.cfmt);
      report_device_error(*st.page.device);
      file_written = 0;  // the protocol names no file that was not written
      if (st.page.file_output) record_fatal(FatalStatus::write_failed, st.page.device->error().c_str());
    } else if (const std::string written = st.page.device->written_file_name(); !written.empty()) {
      // Another program may have taken the name meanwhile: the file got the next version.
      std::snprintf(st.page.cfilnam, sizeof st.page.cfilnam, "%s", written.c_str());
    }
    st.page.device.reset();
  }
  st.core.level = 0;
  if (st.core.ioutstd && st.core.errfil_open) {
    std::fclose(st.core.fp_errfil);
    st.core.fp_errfil = stdout;
    st.core.errfil_open = false;
    file_written += 10;
    // The messages come back to the console whatever the message mode was: the
    // stream they went to is closed now.
    if (st.core.imsgmode == 17) st.core.imsgmode = 6;
    st.core.fp_msg = stdout;
  }
  dprcol(st, file_written);
}

void skip_protocol() {
  PlotState* found = jqqlev(1, 3, "skip_protocol");
  if (found != nullptr) found->core.iprotocol = false;
}

void endgrf() {
  PlotState* found = jqqlev(1, 3, "endgrf");
  if (found == nullptr) return;
  PlotState& st = *found;
  qqstrk(st);
  if (is_screen(st.page.idev) && st.page.device) st.page.device->update();
  st.axis3d.iaxsys = 0;  // the axis system is closed
  st.core.level = 1;
}

void noclip() {
  if (PlotState* st = chkini("noclip")) st->core.inoclip = true;
}

}  // namespace plotix
