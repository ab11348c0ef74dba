// PdfWriter: the PDF device (format code 511). Writes a one-page PDF 1.3 file whose
// drawing is collected in memory and deflated per content stream, followed by the page,
// page tree, catalogue and information objects, the cross-reference table and the trailer.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "devices/byte_sink.h"
#include "devices/device.h"

namespace devices {

class PdfWriter final : public Device {
 public:
  // Path codes of move_draw beyond device.h's draw, move and close-and-fill; x carries
  // the value (join and cap are rounded to integers).
  static constexpr int kLineWidth = 6;   // width in points
  static constexpr int kLineJoin = 7;    // 0 miter, 1 round, 2 bevel
  static constexpr int kLineCap = 8;     // 0 butt, 1 round, 2 projecting
  static constexpr int kMiterLimit = 9;

  PdfWriter();
  ~PdfWriter() override;

  // Applies the version-name rule to params.file_name, opens the file, starts the first
  // content stream and, on a dark background, fills the page black.
  DeviceOpenResult open(const DeviceOpenParams& params) override;
  // Writes the page, page tree, catalogue, information, cross-reference table and
  // trailer, and closes the file. kStatusOk, or kStatusFileError when any byte failed
  // to reach the file.
  int close() override;
  std::string written_file_name() const override { return sink_.path(); }
  bool picks_version_name() const override { return true; }

  void move_draw(double x, double y, int code) override;
  // Sets the stroke and the fill colour.
  void set_colour_rgb(int r, int g, int b) override;
  void set_line_width(double width, bool integer_form) override;
  void fill_triangle(const double xs[3], const double ys[3], int value, int r, int g, int b) override;
  void begin_polygon(int n) override;
  void polygon_point(double x, double y) override;
  void end_polygon() override;
  void fill_rectangle(double x1, double y1, double x2, double y2, int value, int r, int g, int b) override;

 private:
  struct Rgb {
    int r = -1, g = -1, b = -1;  // -1: not set yet
    bool operator==(const Rgb&) const = default;
  };

  // Content streams.
  void begin_content_stream();
  void end_content_stream();
  void write_deflated_or_raw(const char* data, std::size_t size);
  void put(std::string_view bytes);  // into the open content stream

  // Objects and structure, written straight to the file.
  void begin_object(int number);
  void write_page_object(int number);
  void write_info_object(int number);
  void write_xref_and_trailer(int object_count, int info_number);

  // Path and graphics state.
  void end_path();  // strokes an open path; the current point becomes a pending move
  void move_to(double x, double y);
  void line_to(double x, double y);
  void close_and_fill();
  void write_colour(const Rgb& c, const char* op);
  void set_fill_colour(const Rgb& c);
  void restore_fill_colour();
  void write_line_width(double points);
  void write_rectangle(double x, double y, double width, double height);  // filled in the fill colour

  ByteSink sink_;
  bool open_ = false;
  std::vector<long long> offsets_;  // byte offset of each object by number (0: none)
  int next_object_ = 3;             // 1 and 2 are the catalogue and the page tree
  std::vector<int> content_objects_;

  // The open content stream: either buffered for deflate, or written straight to the
  // file with its length in a separate object.
  bool compress_ = true;
  bool in_stream_ = false;
  bool stream_buffered_ = false;
  int stream_object_ = 0;
  long long stream_start_ = 0;
  std::unique_ptr<char[]> content_;  // kContentBufferBytes, kept from one open to the next
  std::size_t content_used_ = 0;
  std::vector<unsigned char> deflated_;

  // Page.
  int media_width_ = 0, media_height_ = 0;
  bool rotate_ = false;
  std::string creation_date_;  // "D:YYYYMMDDhhmmss", empty when no date was handed in

  // Path state: lazy moves keep a polyline as one path with one stroke.
  double cur_x_ = 0, cur_y_ = 0;
  bool move_pending_ = true;
  bool path_open_ = false;
  bool polygon_started_ = false;
  Rgb colour_;       // current colour (stroke and, for polygons, fill)
  Rgb fill_colour_;  // last fill colour written
};

}  // namespace devices
