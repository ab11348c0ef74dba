// The device codes of the output formats (the numbers metafl's keywords stand for)
// that the library or a device treats by name. One list for both layers.
#pragma once

namespace devices {

enum FormatCode : int {
  kFormatFirstWindow = 72,   // XWIN and XWI1; XWI2 ... XWI8 follow up to 79
  kFormatLastWindow = 79,
  kFormatScreen = 80,        // XWND, CONS and MET1 ... MET9
  kFormatGksl = 201,         // the format of a plot opened with none chosen
  kFormatCgm = 211,
  kFormatWmf = 221,
  kFormatPost = 501,         // PostScript printed with the reverse grey table
  kFormatPscl = 502,
  kFormatEps = 503,
  kFormatPs = 504,
  kFormatPdf = 511,
  kFormatMemoryCanvas = 603,
  kFormatPng = 604,          // true colour, like the screen
  kFormatPpm = 605,          // the true-colour raster canvas
  kFormatBmp = 606,
  kFormatJava = 701,
  kFormatSvg = 801,
};

}  // namespace devices
