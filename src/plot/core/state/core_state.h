// Core fields of PlotState: levels, counters, messages and warnings, the
// end-of-run protocol switches, the default axis area and the window geometry.
#pragma once

#include <cstdio>
#include <optional>

#include "devices/background.h"

namespace plotix {

struct CoreState {
  int level = 0;                 // 0 no plot, 1 plot open, 2 in a 2D axis system, 3 in a 3D axis system
  int nvec = 0;                  // points handed to the device dispatch since disini
  int nwarn = 0;                 // warnings since disini, printed or not
  int imsgmode = 6;              // 0 messages off, 6 console, 17 error file
  bool iwarnon = true;           // warnings are printed
  bool iprotocol = true;         // print the end-of-run protocol at disfin
  char croutine[33] = "";        // public routine being executed, shown in messages
  char cusrmsg[81] = "";         // text of user message numbers above 100 (qqserr)
  char cerrfil[257] = "";        // error file name; empty means "plotix.err"
  std::FILE* fp_msg = stdout;    // where messages and the protocol go
  std::FILE* fp_errfil = stdout; // the open error file, or standard output
  bool errfil_open = false;      // fp_errfil is a file we opened
  bool ioutstd = false;          // the plot output itself goes to standard output (no format of
                                 // this program does that; the error file exists for that case)
  int nxa = 494, nya = 1799;     // lower-left corner of the axis area, plot units
  int nxl = 1980, nyl = 1400;    // width and height of the axis area, plot units
  int nwinmode = 0;              // 0 default window/image size, 1 position and size, 2 size by winsiz
  int nwinx = 0, nwiny = 0;      // resolved window position, pixels
  int nwinw = 0, nwinh = 0;      // resolved window or image size, pixels
  bool inoclip = false;          // 2D lines clipped at the page instead of the axis area
  std::optional<devices::Background> iscrmode_first;  // background of the first disini of the process
  float xpi = 3.1415927f;        // pi, as the geometry routines read it
  float fpi = 0.017453292f;      // degrees to radians
  float eps = 1.0e-35f;          // tiny threshold of the geometry routines
};

}  // namespace plotix
