// Page and output fields of PlotState: format code and keyword, file naming,
// window/image size request, page size, background mode, device scale and the
// open device itself.
#pragma once

#include <memory>

#include "devices/device.h"

namespace plotix {

struct PageState {
  int idev = 0;                  // device code chosen by metafl; 0 none chosen yet
  char cfmt[5] = "";             // format keyword, upper case, blank padded to 4
  char cpage[5] = "DA4L";        // page format name
  float xpage = 2969.0f;         // page size before unit scaling
  float ypage = 2099.0f;
  float xunit = 1.0f;            // divisor from page units to plot units
  int nxpage = 2969;             // page size in plot units (computed by defvar)
  int nypage = 2099;
  char cfilnam[257] = "";        // output file name (after disini: the name written)
  char cfilsav[257] = "";        // the name given by setfil, without version suffix
  int ifilset = 0;               // 0 no name, 1 set by setfil and unused, 2 reuse cfilsav
  int nwsizw = 0, nwsizh = 0;    // size requested by winsiz, pixels
  float xsclfac = 1.0f;          // user scale factor of the page
  bool inoscale = false;         // false: device scale limited to the natural page size
  int iorient = 0;               // 0 by page shape, 1 width and height exchanged, 2 never turn on paper
  int iscrset = 4;               // screen background setting: 4 automatic
  bool quick_png = false;        // the next PNG written for speed (png_quick)
  devices::Background iscrmode = devices::Background::dark;  // resolved background
  float xdevfac = 1.0f;          // device units per plot unit
  bool file_output = false;      // the open device writes a file named cfilnam
  std::unique_ptr<devices::Device> device;  // open between disini and disfin
};

}  // namespace plotix
