// The one interface every output device implements (screen window, raster canvas
// with BMP, PostScript, PDF, WMF), and the settings a device receives when it opens.
// Devices know nothing of the plotting library: everything they need comes in
// DeviceOpenParams or as arguments. Coordinates are device coordinates, already
// mapped by the library (integral values for the screen, raster and WMF; floats for
// PostScript, which rounds them as it writes them, and PDF).
#pragma once

#include <string>

#include "devices/background.h"
#include "devices/device_status.h"
#include "devices/format_code.h"
#include "devices/user_request.h"

namespace devices {

// Settings handed to a device by disini, after the page and the device scale are known.
struct DeviceOpenParams {
  int idev = 0;               // format code (format_code.h), e.g. kFormatPdf
  std::string file_name;      // file to write (already versioned where the library does it); empty for the screen
  std::string version_base;   // the name asked for, whose free versions the file may take
  int nxpage = 2969;          // page size in plot units
  int nypage = 2099;
  int width = 853;            // window drawing area or image size in pixels (nwinw, nwinh)
  int height = 603;
  int window_mode = 0;        // nwinmode: 0 default size, 1 position and size, 2 size from winsiz
  Background background_mode = Background::dark;  // iscrmode
  bool true_colour = false;   // raster canvas with r, g, b pixels instead of table indices
  bool quick_png = false;     // PNG: written for speed, larger (png_writer.h)
  double xdevfac = 1.0;       // device units per plot unit
  bool landscape = true;      // page wider than high (turned onto portrait paper by PS and PDF)
  int iorient = 0;            // page orientation switch of the library
  double xpsscl = 1.0;        // PostScript scale factor
  bool compress = true;       // PDF: deflate the content streams
  std::string date;           // dddate() and ddtime() at open, for headers that carry a date
  std::string time;
  int window_number = 1;      // screen: the "PLOTIX %d" number in the window title
};

// What a device reports back when it has opened.
struct DeviceOpenResult {
  int status = kStatusOk;     // or kStatusFileError, kStatusNoMemory, kStatusNoFreeVersion
  std::string file_name;      // the file actually written, where the device chose a version name itself
  int colour_depth = 8;       // ncdepth: 24 for true-colour devices
  int area_width = 0;         // screen: actual drawing-area size (Wc, Hc); 0 when not a screen
  int area_height = 0;
};

// Path codes of move_draw.
enum PathCode : int {
  kDraw = 2,
  kMove = 3,
  kCloseFill = 5,   // PDF: close and fill the current path
  kFinishPath = 9,  // PostScript: finish (stroke) the current path
  kFlush = 999,     // screen: flush batched lines
};

class Device {
 public:
  virtual ~Device() = default;

  virtual DeviceOpenResult open(const DeviceOpenParams& params) = 0;
  // Finishes the output (writes the trailer, closes the file or waits for the user).
  // Returns kStatusOk, or kStatusFileError when writing or closing the file failed.
  virtual int close() = 0;

  // True when open() itself replaces the name of a file that exists by its first free
  // version name and reports it in DeviceOpenResult::file_name; the library then
  // leaves the versioning to the device.
  virtual bool picks_version_name() const { return false; }

  // The name the file got at close: the one chosen at open, or a later free version
  // when another program took that name meanwhile. Empty for devices that write no file.
  virtual std::string written_file_name() const { return {}; }

  // Why the last open or close failed, e.g. "write error on plot.ps: No space left on
  // device"; empty when it did not fail or the device cannot tell.
  const std::string& error() const { return error_; }
  // What the user should hear of the last open that succeeded all the same, e.g. that the
  // window cannot be shown and the picture is drawn off-screen; one line without its end,
  // empty when there is nothing to say. The device never prints it itself.
  const std::string& notice() const { return notice_; }

  virtual void move_draw(double x, double y, int code) = 0;

  // Colour as a colour value (index 0-255 or direct 0x01BBGGRR): screen and raster.
  virtual void set_colour_value(int /*value*/) {}
  // Colour as resolved r, g, b (0-255): PS, PDF, WMF. A device that buffers its
  // path (PS, PDF) finishes it first, so every path has one colour; the same holds
  // for set_line_width.
  virtual void set_colour_rgb(int /*r*/, int /*g*/, int /*b*/) {}
  // Native line width in device units; integer_form selects the "%5d" rather than
  // the "%8.2f" writing where the device writes the number as text.
  virtual void set_line_width(double /*width*/, bool /*integer_form*/) {}

  // Filled triangle at device coordinates with a colour value (its r, g, b resolved
  // too). PS has already received the colour; PDF sets r, g, b as its fill colour only.
  virtual void fill_triangle(const double /*xs*/[3], const double /*ys*/[3], int /*value*/,
                             int /*r*/, int /*g*/, int /*b*/) {}
  // Filled polygon in the current colour: begin with the point count, one call per point, end.
  virtual void begin_polygon(int /*n*/) {}
  virtual void polygon_point(double /*x*/, double /*y*/) {}
  virtual void end_polygon() {}
  // Filled axis-parallel rectangle with corners (x1, y1) and (x2, y2), inclusive.
  virtual void fill_rectangle(double /*x1*/, double /*y1*/, double /*x2*/, double /*y2*/,
                              int /*value*/, int /*r*/, int /*g*/, int /*b*/) {}

  // Colour table: ipaltyp is the table number, npal 256 entries packed 0xRRGGBB.
  virtual void load_colour_table(int /*ipaltyp*/, const int* /*npal*/) {}
  // Erase the drawing area to the background (screen).
  virtual void erase() {}
  // Bring the visible window up to date (screen; sendbf at endgrf).
  virtual void update() {}
  // Screen, once a picture is complete: shows it and waits until the user asks for
  // another view or dismisses the window. Other devices, and a screen without a
  // window, answer kDismiss at once.
  virtual UserRequest wait_for_request() { return {}; }
  // Screen: true once the user has dismissed the window, while drawing too.
  virtual bool dismissed() const { return false; }

 protected:
  std::string error_;
  std::string notice_;
};

}  // namespace devices
