// resall and defvar: every plot parameter back to its default at disini, and
// the page geometry with the default axis area.
#include "devices/format_code.h"
#include "plot/lines/colours.h"
#include "plot/page/reset.h"

namespace plotix {

void defvar(PlotState& st) {
  PageState& pg = st.page;
  pg.nxpage = static_cast<int>(pg.xpage / pg.xunit + 0.5f);
  pg.nypage = static_cast<int>(pg.ypage / pg.xunit + 0.5f);
  CoreState& co = st.core;
  co.nxl = static_cast<int>(static_cast<float>(pg.nxpage + 1) * 2.0f / 3.0f + 0.5f);
  co.nyl = static_cast<int>(static_cast<float>(pg.nypage + 1) * 2.0f / 3.0f + 0.5f);
  co.nxa = (pg.nxpage - co.nxl) / 2;
  co.nya = pg.nypage - 300;
}

void resall(PlotState& st) {
  CoreState& co = st.core;
  co.iprotocol = true;
  co.iwarnon = true;
  co.fp_msg = co.fp_errfil;
  co.imsgmode = co.fp_errfil == stdout ? 6 : 17;
  co.inoclip = false;
  defvar(st);

  // Line attributes, clipping window and origin start afresh; the colour depth
  // is the device's and stays.
  int depth = st.line.ncdepth;
  st.line = LineState{};
  st.line.ncdepth = depth;
  st.line.nclpx2 = st.page.nxpage;
  st.line.nclpy2 = st.page.nypage;

  st.text = TextState{};
  st.axis3d = Axis3dState{};
  st.draw3d = Draw3dState{};
  st.axis2d = Axis2dState{};

  // Reverse grey on the POST device, the rainbow everywhere else; sets FORE.
  load_colour_table(st, st.page.idev == devices::kFormatPost ? 6 : 1);
}

}  // namespace plotix
