// Tools for tests of real windows under Xvfb: a private X server, running X
// commands on it, finding a window by its exact title, and reading pixels of a
// window back with ImageMagick's import.
#pragma once

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <chrono>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

#include "raster_test_support.h"

namespace window_test {

using namespace std::chrono_literals;

// A private X server for the test, started and stopped by it.
class XvfbServer {
 public:
  // depth: bits per pixel of the screen (8, 16, 24, 30).
  explicit XvfbServer(int depth = 24) {
    const std::string screen = "1280x1024x" + std::to_string(depth);
    int fds[2];
    if (pipe(fds) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      close(fds[0]);
      const std::string fd = std::to_string(fds[1]);
      // -noreset: a bare server otherwise resets whenever its last client leaves (each
      // xdotool or xwininfo call of a test), and a program connecting just then is refused.
      execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(),
             "-nolisten", "tcp", "-noreset", static_cast<char*>(nullptr));
      _exit(127);
    }
    close(fds[1]);
    // The display number comes once the server is ready, ended by a line feed that
    // may arrive in a write of its own; the pipe stays open until it has.
    std::string number;
    char c;
    while (read(fds[0], &c, 1) == 1 && c != '\n') number += c;
    close(fds[0]);
    if (!number.empty()) display_ = ":" + number;
  }
  ~XvfbServer() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
  }
  const std::string& display() const { return display_; }

 private:
  pid_t pid_ = -1;
  std::string display_;
};

inline std::string x_command(const std::string& display, const std::string& command) {
  return raster_test::run_command("DISPLAY=" + display + " " + command);
}

inline std::string trimmed(std::string s) {
  while (!s.empty() && (s.back() == '\n' || s.back() == ' ')) s.pop_back();
  return s;
}

// The id of the window whose title is exactly title, waiting up to `limit` for it
// (empty when none came).
inline std::string find_window(const std::string& display, const std::string& title,
                               std::chrono::milliseconds limit = 10s) {
  const auto until = std::chrono::steady_clock::now() + limit;
  do {
    const std::string ids = x_command(display, "xdotool search --name 'PLOTIX'");
    for (std::size_t at = 0; at < ids.size();) {
      const std::size_t end = ids.find('\n', at);
      const std::string id = ids.substr(at, end - at);
      if (!id.empty() && trimmed(x_command(display, "xdotool getwindowname " + id)) == title) return id;
      if (end == std::string::npos) break;
      at = end + 1;
    }
    std::this_thread::sleep_for(50ms);
  } while (std::chrono::steady_clock::now() < until);
  return "";
}

// find_window for a program whose frames come too quickly to be seen between two
// looks: it runs in slices of 5 ms, held still (SIGSTOP) in between, until its window
// has the title; it is left held still (SIGCONT resumes it).
inline std::string find_window_in_slices(pid_t pid, const std::string& display, const std::string& title,
                                         std::chrono::milliseconds limit) {
  const auto until = std::chrono::steady_clock::now() + limit;
  kill(pid, SIGSTOP);
  while (std::chrono::steady_clock::now() < until) {
    const std::string id = find_window(display, title, 0ms);
    if (!id.empty()) return id;
    kill(pid, SIGCONT);
    std::this_thread::sleep_for(5ms);
    kill(pid, SIGSTOP);
  }
  return "";
}

// What a window shows, read back with import: 8-bit r, g, b per pixel.
struct WindowPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;

  // 0xRRGGBB of (x, y), or -1 outside the picture.
  int at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return -1;
    const std::uint8_t* p = &rgb[3 * (static_cast<std::size_t>(y) * width + x)];
    return (p[0] << 16) | (p[1] << 8) | p[2];
  }
  // True when a pixel of colour rgb lies within `radius` pixels (a square) of (x, y).
  bool has_near(int x, int y, int radius, int colour) const {
    for (int j = y - radius; j <= y + radius; ++j)
      for (int i = x - radius; i <= x + radius; ++i)
        if (at(i, j) == colour) return true;
    return false;
  }
  int count(int colour) const {
    int n = 0;
    for (int j = 0; j < height; ++j)
      for (int i = 0; i < width; ++i) n += at(i, j) == colour;
    return n;
  }
};

// The window's drawing area as the X server shows it (empty when import failed).
inline WindowPicture grab_window(const std::string& display, const std::string& id) {
  WindowPicture picture;
  const std::string out =
      x_command(display, "import -window " + id + " -depth 8 ppm:- 2>/dev/null | cat");
  // A binary PPM: "P6", width, height, 255, one white-space byte, then the pixels.
  std::size_t at = 0;
  auto number = [&]() {
    while (at < out.size() && std::isspace(static_cast<unsigned char>(out[at]))) ++at;
    int value = 0;
    while (at < out.size() && std::isdigit(static_cast<unsigned char>(out[at])))
      value = 10 * value + (out[at++] - '0');
    return value;
  };
  if (out.compare(0, 2, "P6") != 0) return picture;
  at = 2;
  const int width = number(), height = number(), maxval = number();
  ++at;
  const std::size_t bytes = 3 * static_cast<std::size_t>(width) * height;
  if (maxval != 255 || out.size() < at + bytes) return picture;
  picture.width = width;
  picture.height = height;
  picture.rgb.assign(out.begin() + static_cast<std::ptrdiff_t>(at),
                     out.begin() + static_cast<std::ptrdiff_t>(at + bytes));
  return picture;
}

// The colour of pixel (x, y) of the window as #RRGGBB, once it equals expected or
// after 2 s of trying (the server may still be drawing).
inline std::string window_pixel(const std::string& display, const std::string& id, int x, int y,
                         const std::string& expected) {
  std::string colour;
  for (int i = 0; i < 20; ++i) {
    const std::string out = x_command(
        display, "import -window " + id + " png:- | convert png:- -crop 1x1+" + std::to_string(x) +
                     "+" + std::to_string(y) + " +repage -depth 8 txt:- | tail -1");
    const auto hash = out.find('#');
    colour = hash == std::string::npos ? out : out.substr(hash, 7);
    if (colour == expected) break;
    std::this_thread::sleep_for(100ms);
  }
  return colour;
}

}  // namespace window_test
