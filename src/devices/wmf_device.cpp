// WMF writer: see wmf_device.h. The records are collected in memory because the
// header's file size and largest record are known only at the end.
#include "devices/wmf_device.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "devices/versioned_file.h"

namespace devices {

namespace {

constexpr std::uint16_t kMapModeAnisotropic = 8;
constexpr std::uint16_t kPenSolid = 0;
constexpr std::uint16_t kBrushSolid = 0;
constexpr std::uint32_t kRopPatCopy = 0x00F00021;  // paint the rectangle with the brush
constexpr std::uint32_t kHeaderWords = 9;
constexpr int kPageMargin = 20;                    // window extent = page + 20 units
constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr std::uint16_t kTwipsPerInch = 1440;

// Logical coordinates are signed 16-bit; the clipped plot stays far inside that range.
std::int16_t to_logical(double v) {
  const double rounded = std::round(v);
  return static_cast<std::int16_t>(std::clamp(rounded, -32768.0, 32767.0));
}

}  // namespace

DeviceOpenResult WmfDevice::open(const DeviceOpenParams& params) {
  DeviceOpenResult result;
  result.colour_depth = 24;
  records_.clear();
  max_record_ = 0;
  slot_live_.clear();
  peak_objects_ = 0;
  pen_made_ = false;
  pen_width_ = 1;
  polygon_.clear();
  // This writer names its own file: an existing picture is never overwritten.
  error_.clear();
  if (!open_free_version(sink_, params.file_name, result, error_)) return result;
  is_open_ = true;

  const double s = params.xdevfac;
  int width = static_cast<int>(params.nxpage * s + 0.5);
  int height = static_cast<int>(params.nypage * s + 0.5);
  if (params.iorient == 1) std::swap(width, height);

  begin_record(kMetaSetMapMode, 4);
  put_u16le(records_, kMapModeAnisotropic);
  begin_record(kMetaSetWindowOrg, 5);
  put_i16le(records_, 0);  // y
  put_i16le(records_, 0);  // x
  extent_x_ = to_logical(width + kPageMargin);
  extent_y_ = to_logical(height + kPageMargin);
  begin_record(kMetaSetWindowExt, 5);
  put_i16le(records_, extent_y_);  // y extent
  put_i16le(records_, extent_x_);  // x extent
  return result;
}

void WmfDevice::begin_record(WmfFunction function, std::uint32_t size_words) {
  max_record_ = std::max(max_record_, size_words);
  put_u32le(records_, size_words);  // RecordSize, in words, these three included
  put_u16le(records_, function);    // RecordFunction
}

void WmfDevice::put_colour_ref(std::uint32_t colour) {
  put_u8(records_, static_cast<std::uint8_t>(colour & 0xFF));          // red
  put_u8(records_, static_cast<std::uint8_t>((colour >> 8) & 0xFF));   // green
  put_u8(records_, static_cast<std::uint8_t>((colour >> 16) & 0xFF));  // blue
  put_u8(records_, 0);                                                 // reserved
}

// A new object takes the lowest free slot of the reader's object table.
std::uint16_t WmfDevice::create_object() {
  const auto free_slot = std::find(slot_live_.begin(), slot_live_.end(), false);
  const auto slot = static_cast<std::uint16_t>(free_slot - slot_live_.begin());
  if (free_slot == slot_live_.end())
    slot_live_.push_back(true);
  else
    *free_slot = true;
  const auto live = static_cast<std::uint16_t>(std::count(slot_live_.begin(), slot_live_.end(), true));
  peak_objects_ = std::max(peak_objects_, live);
  return slot;
}

void WmfDevice::select_object(std::uint16_t slot) {
  begin_record(kMetaSelectObject, 4);
  put_u16le(records_, slot);
}

void WmfDevice::delete_object(std::uint16_t slot) {
  begin_record(kMetaDeleteObject, 4);
  put_u16le(records_, slot);
  slot_live_[slot] = false;
}

void WmfDevice::move_draw(double x, double y, int code) {
  if (!is_open_) return;
  begin_record(code == kDraw ? kMetaLineTo : kMetaMoveTo, 5);
  put_i16le(records_, to_logical(y));
  put_i16le(records_, to_logical(x));
}

void WmfDevice::set_colour_rgb(int r, int g, int b) {
  if (!is_open_) return;
  colour_ = static_cast<std::uint32_t>(r + 256 * g + 65536 * b);
  make_pen();
}

void WmfDevice::set_line_width(double width, bool /*integer_form*/) {
  const auto w = static_cast<std::int16_t>(std::clamp(std::lround(width), 1L, 32767L));
  if (w == pen_width_) return;
  pen_width_ = w;
  if (is_open_ && pen_made_) make_pen();
}

void WmfDevice::make_pen() {
  const std::uint16_t pen = create_object();
  begin_record(kMetaCreatePenIndirect, 8);
  put_u16le(records_, kPenSolid);  // PenStyle
  put_i16le(records_, pen_width_);  // Width.x
  put_i16le(records_, 0);          // Width.y (unused)
  put_colour_ref(colour_);         // ColorRef
  begin_record(kMetaSetTextColor, 5);
  put_colour_ref(colour_);
  select_object(pen);
  // The first pen replaces the reader's stock pen, which the file cannot name.
  if (pen_made_) delete_object(pen_slot_);
  pen_slot_ = pen;
  pen_made_ = true;
}

void WmfDevice::begin_polygon(int n) {
  polygon_.clear();
  if (n > 0) polygon_.reserve(static_cast<std::size_t>(n));
}

void WmfDevice::polygon_point(double x, double y) {
  polygon_.push_back({to_logical(x), to_logical(y)});
}

// The brush lives for this one fill. The previous brush is the reader's stock brush,
// which the file cannot select by name: deleting the selected brush makes readers
// fall back to it.
void WmfDevice::end_polygon() {
  const std::size_t n = polygon_.size();
  if (!is_open_ || n < 3 || n > static_cast<std::size_t>(std::numeric_limits<std::int16_t>::max())) {
    polygon_.clear();
    return;
  }
  const std::uint16_t brush = create_object();
  begin_record(kMetaCreateBrushIndirect, 7);
  put_u16le(records_, kBrushSolid);  // BrushStyle
  put_colour_ref(colour_);           // ColorRef
  put_u16le(records_, 0);            // BrushHatch (unused when solid)
  select_object(brush);
  begin_record(kMetaPolygon, static_cast<std::uint32_t>(4 + 2 * n));
  put_i16le(records_, static_cast<std::int16_t>(n));  // NumberOfPoints
  for (const Point& p : polygon_) {
    put_i16le(records_, p.x);
    put_i16le(records_, p.y);
  }
  delete_object(brush);
  polygon_.clear();
}

// A rectangle fill paints the brush over the rectangle with no outline, both corners
// included.
void WmfDevice::fill_rectangle(double x1, double y1, double x2, double y2, int /*value*/,
                               int r, int g, int b) {
  if (!is_open_) return;
  const std::int16_t left = std::min(to_logical(x1), to_logical(x2));
  const std::int16_t top = std::min(to_logical(y1), to_logical(y2));
  const auto width = static_cast<std::int16_t>(std::abs(to_logical(x2) - to_logical(x1)) + 1);
  const auto height = static_cast<std::int16_t>(std::abs(to_logical(y2) - to_logical(y1)) + 1);
  const std::uint16_t brush = create_object();
  begin_record(kMetaCreateBrushIndirect, 7);
  put_u16le(records_, kBrushSolid);                                   // BrushStyle
  put_colour_ref(static_cast<std::uint32_t>(r + 256 * g + 65536 * b));  // ColorRef
  put_u16le(records_, 0);                                             // BrushHatch
  select_object(brush);
  begin_record(kMetaPatBlt, 9);
  put_u32le(records_, kRopPatCopy);  // RasterOperation
  put_i16le(records_, height);       // Height
  put_i16le(records_, width);        // Width
  put_i16le(records_, top);          // YLeft
  put_i16le(records_, left);         // XLeft
  delete_object(brush);
}

// The 22 bytes before the metafile header: its key, the picture's box in logical units
// (the window of the records), their number per inch, and the XOR of the ten words
// before the checksum.
void WmfDevice::write_placeable_header(ByteBuffer& out) const {
  const std::size_t start = out.size();
  put_u32le(out, kPlaceableKey);  // Key
  put_u16le(out, 0);              // HWmf: no handle in a file
  put_i16le(out, 0);              // BoundingBox.Left
  put_i16le(out, 0);              // BoundingBox.Top
  put_i16le(out, extent_x_);      // BoundingBox.Right
  put_i16le(out, extent_y_);      // BoundingBox.Bottom
  put_u16le(out, kTwipsPerInch);  // Inch
  put_u32le(out, 0);              // Reserved
  std::uint16_t checksum = 0;
  for (std::size_t i = start; i < start + 20; i += 2) {
    checksum ^= static_cast<std::uint16_t>(out[i] | (out[i + 1] << 8));
  }
  put_u16le(out, checksum);       // Checksum
}

void WmfDevice::write_header(ByteBuffer& out, std::uint32_t file_words) const {
  put_u16le(out, 1);                  // Type: memory metafile
  put_u16le(out, kHeaderWords);       // HeaderSize
  put_u16le(out, 0x0300);             // Version
  put_u32le(out, file_words);         // Size of the whole file, in words
  put_u16le(out, peak_objects_);      // NumberOfObjects: most objects alive at once
  put_u32le(out, max_record_);        // MaxRecord, in words
  put_u16le(out, 0);                  // NumberOfMembers
}

int WmfDevice::close() {
  if (!is_open_) return kStatusOk;
  is_open_ = false;
  begin_record(kMetaEof, 3);
  ByteBuffer header;
  write_placeable_header(header);
  write_header(header, static_cast<std::uint32_t>(kHeaderWords + records_.size() / 2));
  sink_.write(header.data(), header.size());
  sink_.write(records_.data(), records_.size());
  ByteBuffer().swap(records_);
  if (sink_.close()) return kStatusOk;
  error_ = sink_.error();
  return kStatusFileError;
}

}  // namespace devices
