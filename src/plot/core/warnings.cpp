// Numbered warnings, the 58-entry message table and the error file.
#include "plot/core/warnings.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "devices/file_version.h"
#include "plot/core/error_stream.h"

namespace plotix {
namespace {

constexpr const char* kMessages[58] = {
    "Negative parameter",
    "Incorrect parameter",
    "Incorrect level",
    "X coordinate out of page",
    "Y coordinate out of page",
    "Same tick number as in a call before",
    "First radius greater than second radius",
    "Start angle greater/equal end angle",
    "Step equal zero",
    "Begin and end of scaling are equal",
    "Axis length < 2",
    "Startlabel out of scaling",
    "Linear scaling must be used",
    "Linear interpolation must be used",
    "No call to legini before",
    "Too long string for legend line",
    "Not enough store for the legend buffer",
    "Incorrect character after the eushft operator",
    "The basealphabet cannot be used",
    "No metafile",
    "The routine must be called after disfin",
    "The metafile is deleted before",
    "Non positive minimum for log scaling (set to 0.1)",
    "Non positive maximum for log scaling (set to 1.0)",
    "Minimum equal maximum (added -1 and +1)",
    "Too many intersections",
    "Non positive values for log scaling",
    "Number of bars unequal number of main ticks",
    "Sum of data is zero",
    "Incorrect number of points",
    "Incorrect number of points for spline interpolation",
    "No increasing x coordinates for spline interpolation",
    "Incorrect viewpoint",
    "No call to grfini before",
    "Confusion of graf3d and graf3",
    "File error",
    "Incorrect filename",
    "Singular matrix",
    "Too many pages for CGM file (max. length 327 cm)",
    "File format and output device are incompatible",
    "Incorrect device for HPGL file",
    "More legend lines than calls to curve",
    "Instruction code: incorrect parameter",
    "Instruction code: incorrect tabulator index",
    "Instruction code: no integer value",
    "Instruction code: unknown command",
    "Blanking buffer overflow",
    "No call to psfont",
    "Fileformat is not PostScript",
    "Incorrect sign for step",
    "Non positive parameter",
    "Hiddenline overflow",
    "Not enough memory",
    "No call to imgfin",
    "No call to imgini",
    "Incorrect file format",
    "Control characters must be different",
    "Array is out of screen",
};

// Counts the warning and tells whether it is to be printed.
bool counted_and_printed(PlotState& st) {
  st.core.nwarn++;
  if (st.core.imsgmode == 0 || !st.core.iwarnon) return false;
  qqerrfil(st);
  return true;
}

}  // namespace

const char* errmes(const PlotState& st, int n) {
  if (n >= 1 && n <= 58) return kMessages[n - 1];
  if (n > 100) return st.core.cusrmsg;
  return " ";
}

void warnin(PlotState& st, int n) {
  if (!counted_and_printed(st)) return;
  std::fprintf(st.core.fp_msg, " <<<< Warning %3d: %s in %s!\n", n, errmes(st, n),
               st.core.croutine);
}

void warni1(PlotState& st, int n, int detail) {
  if (!counted_and_printed(st)) return;
  std::fprintf(st.core.fp_msg, " <<<< Warning %3d: %s in %s!   (%4d)\n", n, errmes(st, n),
               st.core.croutine, detail);
}

void warnc1(PlotState& st, int n, const char* detail) {
  if (!counted_and_printed(st)) return;
  std::fprintf(st.core.fp_msg, " <<<< Warning %3d: %s in %s!   (%s)\n", n, errmes(st, n),
               st.core.croutine, detail);
}

void qqerror(PlotState& st, int n, const char* text) {
  if (!counted_and_printed(st)) return;
  std::fprintf(st.core.fp_msg, " <<<< Warning %3d: %s in %s!\n", n, text, st.core.croutine);
}

void report_device_error(const devices::Device& device) {
  if (!device.error().empty()) error_stream() << device.error() << '\n';
}

void qqserr(PlotState& st, const char* text) {
  std::snprintf(st.core.cusrmsg, sizeof st.core.cusrmsg, "%s", text);
}

void qqerrfil(PlotState& st) {
  if (!st.core.ioutstd || st.core.level == 0 || st.core.errfil_open) return;
  std::string name = st.core.cerrfil[0] != '\0' ? st.core.cerrfil : "plotix.err";
  if (name != "/dev/null") {
    name = devices::free_file_name(name);
    if (name.empty()) return;  // no free version: messages stay where they are
  }
  std::FILE* file = std::fopen(name.c_str(), "w");
  if (file == nullptr) return;
  std::snprintf(st.core.cerrfil, sizeof st.core.cerrfil, "%s", name.c_str());
  st.core.fp_errfil = file;
  st.core.fp_msg = file;
  st.core.errfil_open = true;
}

}  // namespace plotix
