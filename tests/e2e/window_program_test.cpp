// The whole program with a real window under Xvfb: the dialogue fed answer by
// answer on a real catalogue object, the picture on the screen checked against
// where the box, the path and the Sun must land for the chosen view, the buttons
// and keys that do or do not end the wait, a second plot closed by a window
// manager's close request, and the Working title while an animation draws.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "devices/x_close_request.h"
#include "devices/x_window_tools.h"
#include "e2e/window_texts.h"
#include "test_support/temp_dir.h"

namespace {

using namespace std::chrono_literals;
using window_test::find_window;
using window_test::grab_window;
using window_test::WindowPicture;
using window_test::x_command;
using window_test::XvfbServer;

using namespace window_texts;

// Generous limits: the machine may be busy; when it is idle every wait ends early.
constexpr auto kLongWait = 60s;

bool tools_present() {
  return std::system("{ command -v Xvfb && command -v xdotool && command -v xwininfo && "
                     "command -v import; } >/dev/null 2>&1") == 0;
}

// The program in a scratch folder with the sample catalogue, on the given display,
// with the given arguments (none: the dialogue), its answers written to a pipe one at
// a time, its output kept in files.
class ProgramSession {
 public:
  explicit ProgramSession(const std::string& display, const std::vector<std::string>& args = {}) {
    std::filesystem::copy_file(std::string(SKYTRAK_SOURCE_DIR) + "/data/nea.dat", folder_ / "nea.dat");
    int fds[2];
    if (pipe(fds) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      close(fds[1]);
      dup2(fds[0], 0);
      const int out = open((folder_ / "out.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
      const int err = open((folder_ / "err.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
      dup2(out, 1);
      dup2(err, 2);
      if (chdir(folder_.c_str()) != 0) _exit(126);
      setenv("DISPLAY", display.c_str(), 1);
      setenv("SDL_VIDEODRIVER", "x11", 1);
      // The page header's date and time stay the same from one picture to the next.
      setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
      const std::string program = std::string(SKYTRAK_BIN_DIR) + "/skytrak3d";
      std::vector<char*> argv{const_cast<char*>(program.c_str())};
      for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
      argv.push_back(nullptr);
      execv(program.c_str(), argv.data());
      _exit(127);
    }
    close(fds[0]);
    input_ = fds[1];
  }
  ~ProgramSession() {
    if (pid_ > 0 && status_ < 0) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
    if (input_ >= 0) close(input_);
  }
  ProgramSession(const ProgramSession&) = delete;
  ProgramSession& operator=(const ProgramSession&) = delete;

  bool started() const { return pid_ > 0; }
  pid_t pid() const { return pid_; }
  const std::filesystem::path& folder() const { return folder_; }

  void answer(const std::string& line) {
    const std::string text = line + "\n";
    ASSERT_EQ(write(input_, text.data(), text.size()), static_cast<ssize_t>(text.size()));
  }
  std::string file(const std::string& name) const {
    std::ifstream in(folder_ / name);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  int count(const std::string& text) const {
    const std::string out = file("out.txt");
    int n = 0;
    for (auto at = out.find(text); at != std::string::npos; at = out.find(text, at + 1)) ++n;
    return n;
  }
  // True once `text` stands `times` times in the output, false after `limit` or
  // when the program ended first.
  bool wait_for(const std::string& text, int times, std::chrono::milliseconds limit = kLongWait) {
    const auto until = std::chrono::steady_clock::now() + limit;
    while (count(text) < times) {
      if (ended() || std::chrono::steady_clock::now() > until) return count(text) >= times;
      std::this_thread::sleep_for(20ms);
    }
    return true;
  }
  bool ended() {
    if (status_ >= 0) return true;
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) != pid_) return false;
    status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return true;
  }
  // The exit status, or -1 when the program still runs after `limit`.
  int exit_status(std::chrono::milliseconds limit = kLongWait) {
    const auto until = std::chrono::steady_clock::now() + limit;
    while (!ended() && std::chrono::steady_clock::now() < until) std::this_thread::sleep_for(20ms);
    return status_;
  }

 private:
  const test_support::TempDir temp_{"skytrak_window_"};
  const std::filesystem::path& folder_ = temp_.path();
  pid_t pid_ = -1;
  int input_ = -1;
  int status_ = -1;
};

struct Point3 {
  double x, y, z;
};

// The path of the coordinates file (date, X, Y, Z, DELTA after a heading line).
std::vector<Point3> read_path(const std::filesystem::path& file) {
  std::ifstream in(file);
  std::string heading;
  std::getline(in, heading);
  std::vector<Point3> path;
  double date, x, y, z, delta;
  while (in >> date >> x >> y >> z >> delta) path.push_back({x, y, z});
  return path;
}

// Where a point of the rotating frame lands in the 800 x 600 window for the view
// straight down from (-1, 0, zobs) onto the Sun, worked out from the definitions:
// the box is centred on the Sun in X and on 0 in Y and Z and spans twice its edge
// length in relative units, so box units are half relative units; a vertical line
// of sight keeps x and y as they are; the view cone's half angle has tangent 0.25
// and fills `scale` page units around the line of sight's page point (xcen, ycen);
// the window shows the 2969 x 2099 page at min(799 / 2969, 599 / 2099) pixels per
// unit. The box would reach above the axis area (page y 399, where the titles end):
// the library moves the drawing down and shrinks it by what it still needs, so the
// page point and the scale are measured from the picture: the Sun on the line of
// sight, and the Earth's circle half a box unit beside it.
struct VerticalView {
  double zobs;
  double scale = 700;
  double xcen = 1484, ycen = 1099;

  void pixel(const Point3& p, int& px, int& py) const {
    const double x = 0.5 * (p.x + 1), y = 0.5 * p.y, depth = 0.5 * (zobs - p.z);
    const double w = 0.25 * depth;
    const double page_x = xcen + scale * x / w, page_y = ycen - scale * y / w;
    const double s = std::min(799.0 / 2969.0, 599.0 / 2099.0);
    px = static_cast<int>(page_x * s + 0.5);
    py = static_cast<int>(page_y * s + 0.5);
  }
};

// Share of the points along the middle four fifths of the segment a-b (in the
// window) that have a pixel of `colour` within one pixel; for a dashed edge.
double share_along(const WindowPicture& picture, const VerticalView& view, const Point3& a,
                   const Point3& b, int colour) {
  int ax, ay, bx, by;
  view.pixel(a, ax, ay);
  view.pixel(b, bx, by);
  int hits = 0;
  const int samples = 60;
  for (int i = 0; i < samples; ++i) {
    const double t = 0.1 + 0.8 * i / (samples - 1);
    const int x = static_cast<int>(std::lround(ax + t * (bx - ax)));
    const int y = static_cast<int>(std::lround(ay + t * (by - ay)));
    hits += picture.has_near(x, y, 1, colour);
  }
  return static_cast<double>(hits) / samples;
}

// The box of the run sized as the read-back sizes it: half-widths in relative units
// of (largest |1 + X| or |Y|, at least 1, in hundredths, plus 0.05) and likewise for |Z|.
void box_half_widths(const std::vector<Point3>& path, double& hxy, double& hz) {
  double xymax = -999, zmax = -999;
  for (const Point3& p : path) {
    xymax = std::max({xymax, std::fabs(1 + p.x), std::fabs(p.y)});
    zmax = std::max(zmax, std::fabs(p.z));
  }
  xymax = std::max(xymax, 1.0);
  hxy = (std::floor(100 * xymax) + 5) / 100;
  hz = (std::floor(100 * zmax) + 5) / 100;
}

// Middle of the pixels of one colour.
void centre_of(const WindowPicture& picture, int colour, double& x, double& y) {
  double n = 0;
  x = y = 0;
  for (int j = 0; j < picture.height; ++j)
    for (int i = 0; i < picture.width; ++i)
      if (picture.at(i, j) == colour) x += i, y += j, ++n;
  x /= std::max(n, 1.0);
  y /= std::max(n, 1.0);
}

// The view straight down from (-1, 0, zobs), its page point and scale measured from
// the picture; the box's near top edge lies below page y 399 and the drawing keeps
// at least half its size.
VerticalView vertical_view(double zobs, const std::vector<Point3>& path, const WindowPicture& picture) {
  const double s = std::min(799.0 / 2969.0, 599.0 / 2099.0);
  double sx, sy, ex, ey;
  centre_of(picture, kYellow, sx, sy);
  centre_of(picture, kRed, ex, ey);
  VerticalView view{zobs};
  view.xcen = sx / s;
  view.ycen = sy / s;
  view.scale = (ex - sx) / s * (0.25 * 0.5 * zobs) / 0.5;
  EXPECT_GE(view.scale, 350);
  EXPECT_LE(view.scale, 700);
  double hxy, hz;
  box_half_widths(path, hxy, hz);
  const double top = view.ycen - view.scale * (0.5 * hxy) / (0.25 * 0.5 * (zobs - hz));
  EXPECT_GE(top, 399 - 2 / s) << "the box reaches over the titles";
  return view;
}

void expect_still_picture(const WindowPicture& picture, const std::vector<Point3>& path,
                          const VerticalView& view) {
  ASSERT_EQ(picture.width, 800);
  ASSERT_EQ(picture.height, 600);

  // The Sun, drawn over everything else, is a small yellow disc on the line of sight.
  int sx, sy;
  view.pixel({-1, 0, 0}, sx, sy);
  EXPECT_TRUE(picture.has_near(sx, sy, 2, kYellow)) << "no Sun at " << sx << "," << sy;
  int yellow_near = 0;
  for (int j = sy - 4; j <= sy + 4; ++j)
    for (int i = sx - 4; i <= sx + 4; ++i) yellow_near += picture.at(i, j) == kYellow;
  EXPECT_EQ(picture.count(kYellow), yellow_near) << "yellow away from the Sun";
  // The Moon's orbit around the Earth, red, at the origin.
  int ex, ey;
  view.pixel({0, 0, 0}, ex, ey);
  EXPECT_TRUE(picture.has_near(ex, ey, 2, kRed)) << "no Earth circle at " << ex << "," << ey;

  // The path: green through the projection of its points.
  int missed = 0, sampled = 0;
  for (std::size_t k = 0; k < path.size(); k += 5, ++sampled) {
    int px, py;
    view.pixel(path[k], px, py);
    if (!picture.has_near(px, py, 2, kGreen)) {
      ++missed;
      ADD_FAILURE() << "no path near point " << k << " at " << px << "," << py;
      if (missed > 3) break;
    }
  }
  EXPECT_GT(sampled, 10);

  // The magenta box: the dashed edges of its top and bottom faces where they fall
  // on the page (the library clips lines at the page's edge, which is 2099 units, 565
  // pixels, down; the window below it stays empty).
  double hxy, hz;
  box_half_widths(path, hxy, hz);
  int edges = 0;
  for (double z : {hz, -hz}) {
    const Point3 c[4] = {{-1 - hxy, -hxy, z}, {-1 + hxy, -hxy, z}, {-1 + hxy, hxy, z}, {-1 - hxy, hxy, z}};
    for (int i = 0; i < 4; ++i) {
      const Point3& a = c[i];
      const Point3& b = c[(i + 1) % 4];
      int ax, ay, bx, by;
      view.pixel(a, ax, ay);
      view.pixel(b, bx, by);
      if (std::min({ax, ay, bx, by}) < 0 || std::max(ax, bx) >= 800 || std::max(ay, by) >= 565) continue;
      ++edges;
      EXPECT_GT(share_along(picture, view, a, b, kMagenta), 0.3)
          << "box edge " << ax << "," << ay << " - " << bx << "," << by;
    }
  }
  EXPECT_GE(edges, 4);
  // Nothing of the box or the path right of the box's labels.
  int stray = 0;
  for (int j = 0; j < 600; ++j)
    for (int i = 740; i < 800; ++i) stray += picture.at(i, j) == kMagenta || picture.at(i, j) == kGreen;
  EXPECT_EQ(stray, 0);
}

class WindowProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!tools_present()) {
      GTEST_SKIP() << "Xvfb, xdotool, xwininfo or ImageMagick's import is missing "
                      "(scripts/setup-deps installs them)";
    }
  }

  // A private X server and the program on it, answered up to the view question:
  // the Earth, Eros, and the span and output step `span`.
  void start(const std::string& span, int depth = 24) {
    server_ = std::make_unique<XvfbServer>(depth);
    ASSERT_FALSE(server_->display().empty()) << "Xvfb did not start";
    program_ = std::make_unique<ProgramSession>(server_->display());
    ASSERT_TRUE(program_->started());
    program_->answer("3");
    program_->answer("00433");
    program_->answer(span);
    ASSERT_TRUE(program_->wait_for("from above the Sun", 1)) << program_->file("err.txt");
  }

  // A year of Eros seen from straight above the Sun, still, waiting in window_.
  void open_still_view() {
    ASSERT_NO_FATAL_FAILURE(start("1,0.01"));
    program_->answer("S,-1,0,5,N");
    window_ = find_window(server_->display(), kWaitingTitle, kLongWait);
    ASSERT_FALSE(window_.empty()) << program_->file("err.txt");
  }

  std::unique_ptr<XvfbServer> server_;
  std::unique_ptr<ProgramSession> program_;  // ended before the server goes
  std::string window_;
};

// run --show --save: the window comes first and nothing is saved while it waits; when
// the user dismisses it, the view line is printed, the picture saved, and the program
// ends with status 0.
TEST_F(WindowProgram, RunShowSavesAfterTheWindowCloses) {
  server_ = std::make_unique<XvfbServer>(24);
  ASSERT_FALSE(server_->display().empty()) << "Xvfb did not start";
  program_ = std::make_unique<ProgramSession>(
      server_->display(), std::vector<std::string>{"run", "--planet", "3", "--object", "eros", "--catalogue", "nea.dat",
                                                   "--span", "1", "--step", "0.01", "--show", "--save", "svg"});
  ProgramSession& program = *program_;
  const std::string window = find_window(server_->display(), kWaitingTitle, kLongWait);
  ASSERT_FALSE(window.empty()) << program.file("err.txt");
  EXPECT_FALSE(std::filesystem::exists(program.folder() / "00433  .svg")) << "saved before the window closed";
  x_command(server_->display(), "xdotool mousemove --window " + window + " 400 300 click 3");
  EXPECT_EQ(program.exit_status(), 0) << program.file("err.txt");
  EXPECT_TRUE(std::filesystem::exists(program.folder() / "00433  .svg"));
  EXPECT_NE(program.file("out.txt").find("\nP,3.00,-3.00,1.50\n"), std::string::npos) << program.file("out.txt");
}

// Eros around the Earth for a year, seen from straight above the Sun: the picture,
// the wait, the right button, a replot closed by the window manager, more replots
// dismissed at once, quit.
TEST_F(WindowProgram, StillViewOfACatalogueObject) {
  ASSERT_NO_FATAL_FAILURE(start("1,0.01"));
  const std::string& display = server_->display();
  ProgramSession& program = *program_;
  const std::vector<Point3> path = read_path(program.folder() / "00433  .xyz");
  ASSERT_EQ(path.size(), 101u);
  program.answer("S,-1,0,5,N");

  const std::string first = find_window(display, kWaitingTitle, kLongWait);
  ASSERT_FALSE(first.empty()) << program.file("err.txt");
  const std::string geometry = x_command(display, "xwininfo -id " + first);
  EXPECT_NE(geometry.find("Width: 800\n"), std::string::npos) << geometry;
  EXPECT_NE(geometry.find("Height: 600\n"), std::string::npos) << geometry;
  const WindowPicture still = grab_window(display, first);
  const VerticalView view = vertical_view(5.0, path, still);
  expect_still_picture(still, path, view);

  // Neither a left click without a drag nor Return ends the wait, or changes the view.
  x_command(display, "xdotool mousemove --window " + first + " 400 300 click 1 click 2");
  x_command(display, "xdotool windowfocus --sync " + first + " key Return");
  std::this_thread::sleep_for(500ms);
  EXPECT_FALSE(program.ended());
  EXPECT_EQ(program.count(kMenuHead), 0);
  EXPECT_EQ(window_test::trimmed(x_command(display, "xdotool getwindowname " + first)), kWaitingTitle);

  // The right button does, and the menu comes back after the view in the prompt's form.
  x_command(display, "xdotool mousemove --window " + first + " 400 300 click 3");
  ASSERT_TRUE(program.wait_for(kMenuHead, 1)) << "the right button did not end the wait";
  EXPECT_EQ(program.count("\nS,-1.00,0.00,5.00\n"), 1) << program.file("out.txt");
  EXPECT_NE(x_command(display, "xwininfo -id " + first).find("Bad"), std::string::npos)
      << "the dismissed window is still there";

  // REPLOT: a new window with the same still picture, closed by a close request.
  program.answer("0");
  const std::string second = find_window(display, kWaitingTitle, kLongWait);
  ASSERT_FALSE(second.empty());
  EXPECT_NE(second, first);
  expect_still_picture(grab_window(display, second), path, view);
  ASSERT_TRUE(window_test::send_close_request(display, std::stoul(second)));
  ASSERT_TRUE(program.wait_for(kMenuHead, 2)) << "the close request did not end the wait";

  // Plot after plot, each dismissed at once, the session goes on (a window destroyed
  // right after its dismissing event could end the session with an X error).
  for (int menus = 3; menus <= 8; ++menus) {
    program.answer("0");
    const std::string window = find_window(display, kWaitingTitle, kLongWait);
    ASSERT_FALSE(window.empty()) << "plot " << menus << ": " << program.file("err.txt");
    if (menus % 2 == 0) {
      ASSERT_TRUE(window_test::send_close_request(display, std::stoul(window)));
    } else {
      const std::string key[] = {"Escape", "q", "space"};
      x_command(display, "xdotool windowfocus --sync " + window + " key " + key[menus % 3]);
    }
    ASSERT_TRUE(program.wait_for(kMenuHead, menus)) << program.file("err.txt");
  }

  program.answer("8");
  EXPECT_EQ(program.exit_status(), 0);
  EXPECT_EQ(program.file("err.txt"), "");
}

// How many pixels differ between two pictures of the same size.
int differing_pixels(const WindowPicture& a, const WindowPicture& b) {
  int n = 0;
  for (int j = 0; j < a.height; ++j)
    for (int i = 0; i < a.width; ++i) n += a.at(i, j) != b.at(i, j);
  return n;
}

// Turning the view: the arrow keys change the picture and Home brings the asked one
// back exactly; a drag changes it again, and the position printed at the close,
// typed at the view prompt, draws the same picture pixel for pixel.
TEST_F(WindowProgram, TurnedViewIsPrintedAndReproduced) {
  ASSERT_NO_FATAL_FAILURE(open_still_view());
  const std::string& display = server_->display();
  ProgramSession& program = *program_;
  const std::string window = window_;
  const WindowPicture asked = grab_window(display, window);

  // Home from the asked view: nothing moves.
  x_command(display, "xdotool windowfocus --sync " + window + " key Home");
  std::this_thread::sleep_for(500ms);
  EXPECT_EQ(differing_pixels(grab_window(display, window), asked), 0);

  x_command(display, "xdotool windowfocus --sync " + window + " key Right Up");
  std::this_thread::sleep_for(1s);
  const WindowPicture turned = grab_window(display, window);
  EXPECT_GT(differing_pixels(turned, asked), 200) << "the arrows did not turn the view";
  x_command(display, "xdotool windowfocus --sync " + window + " key Home");
  std::this_thread::sleep_for(1s);
  EXPECT_EQ(differing_pixels(grab_window(display, window), asked), 0) << "Home did not go back";

  // A drag to the right from the middle of the window.
  x_command(display, "xdotool mousemove --window " + window + " 400 300 mousedown 1 mousemove --window " +
                         window + " 460 300 mousemove --window " + window + " 480 330 mouseup 1");
  std::this_thread::sleep_for(1s);
  const WindowPicture dragged = grab_window(display, window);
  EXPECT_GT(differing_pixels(dragged, asked), 200) << "the drag did not turn the view";
  x_command(display, "xdotool mousemove --window " + window + " 400 300 click 3");
  ASSERT_TRUE(program.wait_for(kMenuHead, 1));
  const std::string out = program.file("out.txt");
  const auto at = out.rfind("\nS,");
  ASSERT_NE(at, std::string::npos) << out;
  const std::string position = out.substr(at + 1, out.find('\n', at + 1) - at - 1);
  EXPECT_NE(position, "S,-1.00,0.00,5.00");

  // NEW VIEW with the printed position: the same picture.
  program.answer("5");
  ASSERT_TRUE(program.wait_for("from above the Sun", 2));
  program.answer(position + ",N");
  const std::string again = find_window(display, kWaitingTitle, kLongWait);
  ASSERT_FALSE(again.empty());
  EXPECT_EQ(differing_pixels(grab_window(display, again), dragged), 0) << position;
  x_command(display, "xdotool mousemove --window " + again + " 400 300 click 3");
  ASSERT_TRUE(program.wait_for(kMenuHead, 2));
  program.answer("8");
  EXPECT_EQ(program.exit_status(), 0);
  EXPECT_EQ(program.file("err.txt"), "");
}

// Every display depth shows the picture, or says in one line that it cannot and goes
// on as without a display.
TEST_F(WindowProgram, EveryDisplayDepthShowsThePictureOrSaysWhy) {
  for (int depth : {8, 16, 24, 30}) {
    SCOPED_TRACE("depth " + std::to_string(depth));
    ASSERT_NO_FATAL_FAILURE(start("1,0.01", depth));
    ProgramSession& program = *program_;
    const std::vector<Point3> path = read_path(program.folder() / "00433  .xyz");
    program.answer("S,-1,0,5,N");
    if (depth == 8) {
      // An 8-bit display offers no true-colour visual that SDL can draw into.
      ASSERT_TRUE(program.wait_for(kMenuHead, 1)) << program.file("err.txt");
      const std::string err = program.file("err.txt");
      EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
      EXPECT_EQ(err.rfind("skytrak3d: the plot cannot be shown on this display (", 0), 0u) << err;
    } else {
      const std::string window = find_window(server_->display(), kWaitingTitle, kLongWait);
      ASSERT_FALSE(window.empty()) << program.file("err.txt");
      WindowPicture picture = grab_window(server_->display(), window);
      // 16 bits keep 5 or 6 bits a channel, and the read-back fills the low ones: the
      // picture's colours have channels of 0 or 255 only.
      for (std::uint8_t& channel : picture.rgb) channel = channel > 127 ? 255 : 0;
      expect_still_picture(picture, path, vertical_view(5.0, path, picture));
      x_command(server_->display(), "xdotool mousemove --window " + window + " 400 300 click 3");
      ASSERT_TRUE(program.wait_for(kMenuHead, 1));
      EXPECT_EQ(program.file("err.txt"), "");
    }
    program.answer("8");
    EXPECT_EQ(program.exit_status(), 0);
    program_.reset();
    server_.reset();
  }
}

// A resized window shows the whole page scaled to fit, its aspect kept, centred, with
// the background around it.
TEST_F(WindowProgram, ResizedWindowKeepsThePagesAspect) {
  ASSERT_NO_FATAL_FAILURE(open_still_view());
  const std::string& display = server_->display();
  ProgramSession& program = *program_;
  const std::string window = window_;
  const std::vector<Point3> path = read_path(program.folder() / "00433  .xyz");
  const VerticalView view = vertical_view(5.0, path, grab_window(display, window));
  // Moved to the screen's corner first, so that all of it is on the screen.
  x_command(display, "xdotool windowmove --sync " + window + " 0 0 windowsize --sync " + window + " 1000 400");
  std::this_thread::sleep_for(1s);
  WindowPicture picture = grab_window(display, window);
  // Each pixel of the shrunken page averages the canvas pixels it covers, so lines
  // and the Sun come out darker where they share a pixel with the background: any
  // shade of green, or of yellow, on black counts as that colour.
  for (std::size_t k = 0; k + 2 < picture.rgb.size(); k += 3) {
    std::uint8_t* p = &picture.rgb[k];
    if (p[2] != 0 || p[1] == 0) continue;
    if (p[0] == 0) p[1] = 255;
    if (p[0] == p[1]) p[0] = p[1] = 255;
  }
  ASSERT_EQ(picture.width, 1000);
  ASSERT_EQ(picture.height, 400);
  // 800 x 600 scaled by 400 / 600: 533 x 400, from x = 233.
  const double scale = 400.0 / 600.0;
  const int left = (1000 - 533) / 2;
  int outside = 0;
  for (int j = 0; j < 400; ++j)
    for (int i = 0; i < 1000; ++i)
      if (i < left || i >= left + 533) outside += picture.at(i, j) != 0;
  EXPECT_EQ(outside, 0) << "drawing outside the scaled page";
  int sx, sy;
  view.pixel({-1, 0, 0}, sx, sy);
  EXPECT_TRUE(picture.has_near(left + static_cast<int>(sx * scale), static_cast<int>(sy * scale), 2, kYellow));
  int missed = 0;
  for (std::size_t k = 0; k < path.size(); k += 10) {
    int px, py;
    view.pixel(path[k], px, py);
    // Where the path runs along the box's left edge, the box is drawn over it.
    const int x = left + static_cast<int>(px * scale), y = static_cast<int>(py * scale);
    missed += !picture.has_near(x, y, 2, kGreen) && !picture.has_near(x, y, 2, kMagenta);
  }
  EXPECT_EQ(missed, 0);
  x_command(display, "xdotool mousemove --window " + window + " 500 200 click 3");
  ASSERT_TRUE(program.wait_for(kMenuHead, 1));
  program.answer("8");
  EXPECT_EQ(program.exit_status(), 0);
}

// An animated view of three years: while the frames are drawn the window is titled
// Working and shows part of the path; at the end it waits with the whole path.
TEST_F(WindowProgram, AnimatedViewShowsThePathGrowing) {
  ASSERT_NO_FATAL_FAILURE(start("3,0.001"));
  const std::string& display = server_->display();
  ProgramSession& program = *program_;
  program.answer("S,-1,0,5,Y");

  // Found while drawing, the program is held still to look at the window.
  const std::string working = window_test::find_window_in_slices(program.pid(), display, kWorkingTitle, kLongWait);
  ASSERT_FALSE(working.empty()) << "no Working title seen";
  const std::string title = window_test::trimmed(x_command(display, "xdotool getwindowname " + working));
  const int green_while_drawing = grab_window(display, working).count(kGreen);
  kill(program.pid(), SIGCONT);
  EXPECT_EQ(title, kWorkingTitle) << "the animation had ended before the window was found";

  const std::string waiting = find_window(display, kWaitingTitle, kLongWait);
  ASSERT_EQ(waiting, working);
  const int green_at_end = grab_window(display, waiting).count(kGreen);
  EXPECT_GT(green_at_end, green_while_drawing);
  EXPECT_GT(green_at_end, 500);

  x_command(display, "xdotool mousemove --window " + waiting + " 400 300 click 3");
  ASSERT_TRUE(program.wait_for(kMenuHead, 1));
  program.answer("8");
  EXPECT_EQ(program.exit_status(), 0);
  EXPECT_EQ(program.file("err.txt"), "");
}

}  // namespace
