// The WMF writer: the plot as a placeable Windows metafile (pens, brushes, moves,
// lines, polygons, rectangle fills) in logical units of 1/1440 inch, y downward. The
// placeable header gives readers the picture's size, and so its aspect ratio.
#pragma once

#include <cstdint>
#include <vector>

#include "devices/byte_sink.h"
#include "devices/device.h"
#include "devices/le_bytes.h"

namespace devices {

// Record functions of the metafile format that this writer uses.
enum WmfFunction : std::uint16_t {
  kMetaEof = 0x0000,
  kMetaSetMapMode = 0x0103,
  kMetaSetWindowOrg = 0x020B,
  kMetaSetWindowExt = 0x020C,
  kMetaSetTextColor = 0x0209,
  kMetaMoveTo = 0x0214,
  kMetaLineTo = 0x0213,
  kMetaCreatePenIndirect = 0x02FA,
  kMetaCreateBrushIndirect = 0x02FC,
  kMetaSelectObject = 0x012D,
  kMetaDeleteObject = 0x01F0,
  kMetaPolygon = 0x0324,
  kMetaPatBlt = 0x061D,
};

class WmfDevice final : public Device {
 public:
  DeviceOpenResult open(const DeviceOpenParams& params) override;
  int close() override;
  std::string written_file_name() const override { return sink_.path(); }
  bool picks_version_name() const override { return true; }

  // Code 2 draws a line to (x, y); any other code moves there.
  void move_draw(double x, double y, int code) override;
  // One new pen per colour; the pen it replaces is deleted, except the reader's own.
  void set_colour_rgb(int r, int g, int b) override;
  // Pens from here on are `width` logical units (twips) wide, at least 1; a new pen of
  // the current colour when the width changes and a pen is in use.
  void set_line_width(double width, bool integer_form) override;
  void begin_polygon(int n) override;
  void polygon_point(double x, double y) override;
  void end_polygon() override;
  void fill_rectangle(double x1, double y1, double x2, double y2, int value, int r, int g,
                      int b) override;

 private:
  struct Point {
    std::int16_t x, y;
  };

  void begin_record(WmfFunction function, std::uint32_t size_words);
  void put_colour_ref(std::uint32_t colour);
  std::uint16_t create_object();
  void select_object(std::uint16_t slot);
  void delete_object(std::uint16_t slot);
  void make_pen();
  void write_placeable_header(ByteBuffer& out) const;
  void write_header(ByteBuffer& out, std::uint32_t file_words) const;

  ByteSink sink_;
  bool is_open_ = false;
  ByteBuffer records_;            // everything after the header, up to META_EOF
  std::uint32_t max_record_ = 0;  // largest record so far, in 16-bit words
  std::vector<bool> slot_live_;   // the reader's object table
  std::uint16_t peak_objects_ = 0;
  std::uint32_t colour_ = 0;      // current colour as r + 256 g + 65536 b
  bool pen_made_ = false;
  std::uint16_t pen_slot_ = 0;
  std::int16_t pen_width_ = 1;    // twips
  std::vector<Point> polygon_;
  std::int16_t extent_x_ = 0;     // window extent: the page and its margin, in twips
  std::int16_t extent_y_ = 0;
};

}  // namespace devices
