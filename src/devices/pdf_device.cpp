// PdfWriter: the PDF device (see pdf_device.h).
#include "devices/pdf_device.h"

#include <zlib.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <new>

#include "devices/date_time_fields.h"
#include "devices/file_version.h"

namespace devices {

namespace {

// Content is collected in buffers of this size; a page that outgrows one continues in
// a further content stream.
constexpr std::size_t kContentBufferBytes = 300000;
constexpr int kInitialObjects = 100;
constexpr const char* kProducer = "PLOTIX 9.2";

// One line of output built without the cost of printf on the path operators, which
// make up nearly the whole file. to_chars with a precision writes exactly what "%.*f"
// writes.
class Line {
 public:
  Line& fixed(double value, int decimals) {
    end_ = std::to_chars(end_, buf_ + sizeof buf_, value, std::chars_format::fixed, decimals).ptr;
    return *this;
  }
  Line& text(std::string_view s) {
    std::memcpy(end_, s.data(), s.size());
    end_ += s.size();
    return *this;
  }
  std::string_view view() const { return {buf_, static_cast<std::size_t>(end_ - buf_)}; }

 private:
  char buf_[2048];  // room for four doubles of any size in fixed notation
  char* end_ = buf_;
};

// printf into a string, for the structural lines: few, and written in the layout of the file format.
__attribute__((format(printf, 1, 2))) std::string format(const char* fmt, ...) {
  char buf[256];
  va_list args;
  va_start(args, fmt);
  const int n = std::vsnprintf(buf, sizeof buf, fmt, args);
  va_end(args);
  return std::string(buf, n < 0 ? 0 : static_cast<std::size_t>(n));
}

// "D:YYYYMMDDhhmmss" from the library's "dd.mm.yyyy" and "hh:mm:ss"; empty if either is malformed.
std::string pdf_date(const std::string& date, const std::string& time) {
  DateTimeFields t;
  if (!parse_date_time(date, time, t)) return {};
  return format("D:%04d%02d%02d%02d%02d%02d", t.year, t.month, t.day, t.hour, t.minute, t.second);
}

}  // namespace

PdfWriter::PdfWriter() = default;
PdfWriter::~PdfWriter() = default;

DeviceOpenResult PdfWriter::open(const DeviceOpenParams& params) {
  DeviceOpenResult result;
  result.colour_depth = 24;
  if (open_) close();

  error_.clear();
  result.file_name = free_file_name(params.file_name);
  if (result.file_name.empty()) {
    result.file_name = params.file_name;
    result.status = kStatusNoFreeVersion;
    return result;
  }
  try {
    offsets_.assign(kInitialObjects, 0);
    content_objects_.clear();
  } catch (const std::bad_alloc&) {
    error_ = "no memory for the object table of " + result.file_name;
    result.status = kStatusNoMemory;
    return result;
  }
  if (!sink_.open_new(result.file_name, params.file_name)) {
    error_ = sink_.error();
    result.status = kStatusFileError;
    return result;
  }
  open_ = true;
  next_object_ = 3;
  compress_ = params.compress;
  creation_date_ = pdf_date(params.date, params.time);

  // A landscape page is turned onto the portrait sheet and shown turned back by /Rotate.
  const float s = static_cast<float>(params.xdevfac);
  const bool turned = params.landscape && params.iorient != 2;
  const int across = turned ? params.nypage : params.nxpage;
  const int up = turned ? params.nxpage : params.nypage;
  media_width_ = static_cast<int>(static_cast<float>(across) * s + 1.0f);
  media_height_ = static_cast<int>(static_cast<float>(up) * s + 1.0f);
  rotate_ = turned;

  cur_x_ = cur_y_ = 0;
  move_pending_ = true;
  path_open_ = false;
  polygon_started_ = false;
  colour_ = fill_colour_ = Rgb{};

  sink_.write("%PDF-1.3\n");
  begin_content_stream();
  put("0.709 w\n2 J\n2 j\n");  // 1/4 mm lines, projecting caps, bevel joins
  if (params.background_mode != Background::light) {
    // Dark background: the paper is filled black before anything is drawn.
    set_fill_colour(Rgb{0, 0, 0});
    write_rectangle(0, 0, across * s, up * s);
  }
  return result;
}

int PdfWriter::close() {
  if (!open_) return kStatusOk;
  open_ = false;
  end_path();
  end_content_stream();

  const int page = next_object_++;
  const int info = next_object_++;
  write_page_object(page);
  write_info_object(info);

  begin_object(2);
  sink_.write("<< /Type /Pages /Kids [\n");
  sink_.write(format("%d 0 R\n", page));
  sink_.write("] /Count 1\n>>\nendobj\n");

  begin_object(1);
  sink_.write("<< /Type /Catalog /Pages 2 0 R\n>>\nendobj\n");

  write_xref_and_trailer(info + 1, info);
  if (sink_.close()) return kStatusOk;
  error_ = sink_.error();
  return kStatusFileError;
}

// ---------------------------------------------------------------------------------------
// Content streams

void PdfWriter::begin_content_stream() {
  if (compress_ && !content_) content_.reset(new (std::nothrow) char[kContentBufferBytes]);
  stream_buffered_ = compress_ && content_ != nullptr;
  stream_object_ = next_object_;
  // Written straight to the file, the stream's length is only known at its end, so it
  // goes into the next object.
  next_object_ += stream_buffered_ ? 1 : 2;
  content_objects_.push_back(stream_object_);
  begin_object(stream_object_);
  if (stream_buffered_) {
    content_used_ = 0;
  } else {
    sink_.write(format("<< /Length %d 0 R >>\nstream\n", stream_object_ + 1));
    stream_start_ = static_cast<long long>(sink_.position());
  }
  in_stream_ = true;
}

void PdfWriter::end_content_stream() {
  in_stream_ = false;
  if (stream_buffered_) {
    write_deflated_or_raw(content_.get(), content_used_);
    sink_.write("endstream\nendobj\n");
    return;
  }
  const long long length = static_cast<long long>(sink_.position()) - stream_start_;
  sink_.write("endstream\nendobj\n");
  begin_object(stream_object_ + 1);
  sink_.write(format("%lld\nendobj\n", length));
}

void PdfWriter::write_deflated_or_raw(const char* data, std::size_t size) {
  z_stream z{};
  bool deflated = false;
  if (deflateInit_(&z, Z_DEFAULT_COMPRESSION, ZLIB_VERSION, static_cast<int>(sizeof(z_stream))) == Z_OK) {
    try {
      deflated_.resize(deflateBound(&z, size));
      z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data));
      z.avail_in = static_cast<uInt>(size);
      z.next_out = deflated_.data();
      z.avail_out = static_cast<uInt>(deflated_.size());
      deflated = deflate(&z, Z_FINISH) == Z_STREAM_END;
    } catch (const std::bad_alloc&) {
      deflated = false;
    }
    deflateEnd(&z);
  }
  if (deflated) {
    sink_.write(format("<< /Length %lu\n/Filter /FlateDecode\n>>\nstream\n", z.total_out));
    sink_.write(deflated_.data(), z.total_out);
  } else {
    // Without deflate the stream goes out as it is, with its true length.
    sink_.write(format("<< /Length %zu >>\nstream\n", size));
    sink_.write(std::string_view(data, size));
  }
}

void PdfWriter::put(std::string_view bytes) {
  if (!in_stream_) return;
  if (!stream_buffered_) {
    sink_.write(bytes);
    return;
  }
  if (content_used_ + bytes.size() > kContentBufferBytes) {
    end_content_stream();
    begin_content_stream();  // buffered again: the buffer is already there
  }
  std::memcpy(content_.get() + content_used_, bytes.data(), bytes.size());
  content_used_ += bytes.size();
}

// ---------------------------------------------------------------------------------------
// Objects

void PdfWriter::begin_object(int number) {
  if (number >= static_cast<int>(offsets_.size())) offsets_.resize(number + kInitialObjects, 0);
  offsets_[number] = static_cast<long long>(sink_.position());
  sink_.write(format("%d 0 obj\n", number));
}

void PdfWriter::write_page_object(int number) {
  begin_object(number);
  sink_.write("<<\n/Type /Page\n");
  sink_.write(format("/MediaBox [0 0 %d %d]\n", media_width_, media_height_));
  sink_.write("/Parent 2 0 R\n");
  if (rotate_) sink_.write("/Rotate 90\n");
  sink_.write("/Resources << /ProcSet [/PDF]\n>>\n");
  if (content_objects_.size() == 1) {
    sink_.write(format("/Contents %d 0 R\n", content_objects_.front()));
  } else {
    sink_.write("/Contents [\n");
    for (int object : content_objects_) sink_.write(format("%d 0 R\n", object));
    sink_.write("]\n");
  }
  sink_.write(">>\nendobj\n");
}

void PdfWriter::write_info_object(int number) {
  begin_object(number);
  sink_.write("<< ");
  if (!creation_date_.empty()) sink_.write(format("/CreationDate (%s)\n", creation_date_.c_str()));
  sink_.write(format("/Producer (%s)\n>>\nendobj\n", kProducer));
}

void PdfWriter::write_xref_and_trailer(int object_count, int info_number) {
  const long long xref = static_cast<long long>(sink_.position());
  sink_.write(format("xref\n0 %d\n", object_count));
  sink_.write("0000000000 65535 f \n");
  for (int n = 1; n < object_count; ++n) sink_.write(format("%010lld 00000 n \n", offsets_[n]));
  sink_.write("trailer\n");
  sink_.write(format("<< /Size %d /Root 1 0 R /Info %d 0 R\n>>\n", object_count, info_number));
  sink_.write(format("startxref\n%lld\n%%%%EOF\n", xref));
}

// ---------------------------------------------------------------------------------------
// Drawing

void PdfWriter::end_path() {
  if (!path_open_) return;
  put("S\n");
  path_open_ = false;
  move_pending_ = true;
}

void PdfWriter::move_to(double x, double y) {
  end_path();
  cur_x_ = x;
  cur_y_ = y;
  move_pending_ = true;
}

void PdfWriter::line_to(double x, double y) {
  Line line;
  if (move_pending_) line.fixed(cur_x_, 2).text(" ").fixed(cur_y_, 2).text(" m\n");
  line.fixed(x, 2).text(" ").fixed(y, 2).text(" l\n");
  put(line.view());
  move_pending_ = false;
  path_open_ = true;
  cur_x_ = x;
  cur_y_ = y;
}

void PdfWriter::close_and_fill() {
  // A path that never got past its first point has nothing to fill.
  if (!path_open_) return;
  put("h\nf*\n");
  path_open_ = false;
  move_pending_ = true;
}

void PdfWriter::move_draw(double x, double y, int code) {
  switch (code) {
    case kDraw: line_to(x, y); break;
    case kMove:
      // The path may be a polygon, which fills in the current colour.
      restore_fill_colour();
      move_to(x, y);
      break;
    case kCloseFill: close_and_fill(); break;
    case kLineWidth: write_line_width(x); break;
    case kLineJoin:
      end_path();
      put(format("%d j\n", static_cast<int>(x + 0.5)));
      break;
    case kLineCap:
      end_path();
      put(format("%d J\n", static_cast<int>(x + 0.5)));
      break;
    case kMiterLimit:
      end_path();
      put(format("%.3f M\n", x));
      break;
    default: break;  // finishing is close(); pages, images and forms are not drawn here
  }
}

void PdfWriter::write_colour(const Rgb& c, const char* op) {
  std::string words;
  for (int v : {c.r, c.g, c.b}) words += v == 0 ? "0 " : v == 255 ? "1 " : format("%5.3f ", v / 255.0);
  put(words + op);
}

void PdfWriter::set_colour_rgb(int r, int g, int b) {
  end_path();
  colour_ = Rgb{r, g, b};
  write_colour(colour_, "RG\n");
  write_colour(colour_, "rg\n");
  fill_colour_ = colour_;
}

void PdfWriter::set_fill_colour(const Rgb& c) {
  end_path();
  write_colour(c, "rg\n");
  fill_colour_ = c;
}

void PdfWriter::write_line_width(double points) {
  end_path();
  Line line;
  line.fixed(points, 3).text(" w\n");
  put(line.view());
}

void PdfWriter::set_line_width(double width, bool /*integer_form*/) { write_line_width(width); }

void PdfWriter::fill_triangle(const double xs[3], const double ys[3], int /*value*/, int r, int g, int b) {
  set_fill_colour(Rgb{r, g, b});
  move_to(xs[0], ys[0]);
  line_to(xs[1], ys[1]);
  line_to(xs[2], ys[2]);
  close_and_fill();
}

void PdfWriter::restore_fill_colour() {
  // A triangle or rectangle in another colour replaces the fill colour; polygons fill
  // in the current colour.
  if (fill_colour_ != colour_ && colour_ != Rgb{}) set_fill_colour(colour_);
}

void PdfWriter::begin_polygon(int /*n*/) {
  restore_fill_colour();
  polygon_started_ = false;
}

void PdfWriter::polygon_point(double x, double y) {
  if (polygon_started_) {
    line_to(x, y);
  } else {
    move_to(x, y);
    polygon_started_ = true;
  }
}

void PdfWriter::end_polygon() { close_and_fill(); }

void PdfWriter::fill_rectangle(double x1, double y1, double x2, double y2, int /*value*/, int r, int g, int b) {
  set_fill_colour(Rgb{r, g, b});
  write_rectangle(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1), std::abs(y2 - y1));
}

void PdfWriter::write_rectangle(double x, double y, double width, double height) {
  end_path();
  Line line;
  line.fixed(x, 2).text(" ").fixed(y, 2).text(" ").fixed(width, 2).text(" ").fixed(height, 2);
  put(line.text(" re\nf\n").view());
}

}  // namespace devices
