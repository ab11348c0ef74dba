// The PostScript writer (PS, EPS and the other PostScript codes): header and prolog,
// paths of up to 50 points in one-letter procedures, fills, trailer. Device unit 1/20 mm.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "devices/byte_sink.h"
#include "devices/device.h"

namespace devices {

class PsDevice final : public Device {
 public:
  DeviceOpenResult open(const DeviceOpenParams& params) override;
  int close() override;
  std::string written_file_name() const override { return sink_.path(); }

  // Codes: 0 reset the path buffer, 2 draw, 3 move, 9 finish the path, 999 finish and release.
  void move_draw(double x, double y, int code) override;
  void set_colour_rgb(int r, int g, int b) override;
  void set_line_width(double width, bool integer_form) override;
  // "tri" fills in the current colour; the library sets it through set_colour_rgb just
  // before, and only a different r, g, b here writes a colour command of its own.
  void fill_triangle(const double xs[3], const double ys[3], int value, int r, int g,
                     int b) override;
  void begin_polygon(int n) override;
  void polygon_point(double x, double y) override;
  void end_polygon() override;
  void fill_rectangle(double x1, double y1, double x2, double y2, int value, int r, int g,
                      int b) override;

 private:
  static constexpr int kPathCapacity = 50;
  static constexpr std::size_t kLineLength = 80;

  bool turned() const;  // landscape page turned onto the portrait sheet
  void write_header();
  void write_trailer();
  void header_line(std::string_view text);
  // Command text in the word assembly of the output lines: words up to and
  // including a blank, single-blank words dropped, lines of at most 80 characters.
  void put_words(std::string_view text);
  void end_line();
  void add_word(std::string_view word);
  void write_pending_path();
  void command(const char* format, ...) __attribute__((format(printf, 2, 3)));

  ByteSink sink_;
  DeviceOpenParams params_;
  bool is_open_ = false;
  std::string line_;
  std::array<int, kPathCapacity> path_x_{};
  std::array<int, kPathCapacity> path_y_{};
  int path_count_ = 0;
  int last_x_ = 0;  // last point of the previous path: where the next draw starts
  int last_y_ = 0;
  int polygon_first_x_ = 0;
  int polygon_first_y_ = 0;
  bool polygon_started_ = false;
  int page_count_ = 1;
  int colour_r_ = -1;  // colour of the last "f" command; -1 before the first
  int colour_g_ = -1;
  int colour_b_ = -1;
};

}  // namespace devices
