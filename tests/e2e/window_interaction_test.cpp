// The whole program in a real window under Xvfb, driven as a user would: a close
// request during an animation brings the menu back without drawing the rest of the
// path, and a drag of known pixels turns the observer where the turn rule puts it,
// with the Sun and the Earth where the projection of the new position puts them.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <numbers>
#include <sstream>
#include <string>
#include <thread>

#include "devices/x_close_request.h"
#include "devices/x_window_tools.h"
#include "e2e/window_texts.h"
#include "test_support/temp_dir.h"

namespace {

using namespace std::chrono_literals;
using window_test::find_window;
using window_test::grab_window;
using window_test::x_command;

using namespace window_texts;

// The program in a scratch folder with the sample catalogue, on its own Xvfb; the
// answers go through a pipe, the output into a file that the test reads.
class WindowSession : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::system("{ command -v Xvfb && command -v xdotool && command -v import; } >/dev/null 2>&1") != 0)
      GTEST_SKIP() << "Xvfb, xdotool or ImageMagick's import is missing (scripts/setup-deps installs them)";
    server_ = std::make_unique<window_test::XvfbServer>();
    ASSERT_FALSE(display().empty()) << "Xvfb did not start";
    std::filesystem::copy_file(std::string(SKYTRAK_SOURCE_DIR) + "/data/nea.dat", folder() / "nea.dat");
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    pid_ = fork();
    if (pid_ == 0) {
      dup2(fds[0], 0);
      close(fds[1]);
      dup2(open((folder() / "out.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 1);
      dup2(open((folder() / "err.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
      if (chdir(folder().c_str()) != 0) _exit(126);
      setenv("DISPLAY", display().c_str(), 1);
      setenv("SDL_VIDEODRIVER", "x11", 1);
      const std::string program = std::string(SKYTRAK_BIN_DIR) + "/skytrak3d";
      execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
    close(fds[0]);
    input_ = fds[1];
  }
  void TearDown() override {
    if (input_ >= 0) close(input_);
    if (pid_ > 0) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
  }

  const std::string& display() const { return server_->display(); }
  const std::filesystem::path& folder() const { return temp_.path(); }
  void answer(const std::string& line) {
    const std::string text = line + "\n";
    ASSERT_EQ(write(input_, text.data(), text.size()), static_cast<ssize_t>(text.size()));
  }
  std::string output() const {
    std::ifstream in(folder() / "out.txt");
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  // True once `text` is in the output, false when a minute went by first.
  bool wait_for(const std::string& text) const {
    for (auto until = std::chrono::steady_clock::now() + 60s; std::chrono::steady_clock::now() < until;
         std::this_thread::sleep_for(20ms))
      if (output().find(text) != std::string::npos) return true;
    return false;
  }
  // The Earth, Eros, span and step, then the view.
  void plot(const std::string& span, const std::string& view) {
    answer("3");
    answer("00433");
    answer(span);
    ASSERT_TRUE(wait_for("from above the Sun")) << output();
    answer(view);
  }

  std::unique_ptr<window_test::XvfbServer> server_;
  const test_support::TempDir temp_{"skytrak_interaction_"};
  pid_t pid_ = -1;
  int input_ = -1;
};

// Forty years at 0.001: an animation of 40,001 frames, closed by a close request as
// soon as its window shows. The menu comes back, the window is gone, and the view last
// shown is printed. (How soon the menu comes back is measured in bench_screen_program,
// BM_CloseDuringAnimation, not here.)
TEST_F(WindowSession, CloseRequestEndsTheAnimation) {
  ASSERT_NO_FATAL_FAILURE(plot("40,0.001", "S,-1,0,5,Y"));
  // Held still while the window is looked at and the close request is sent.
  const std::string window = window_test::find_window_in_slices(pid_, display(), kWorkingTitle, 60s);
  ASSERT_FALSE(window.empty()) << "no Working title seen";
  const std::string title = window_test::trimmed(x_command(display(), "xdotool getwindowname " + window));
  ASSERT_TRUE(window_test::send_close_request(display(), std::stoul(window)));
  kill(pid_, SIGCONT);

  ASSERT_TRUE(wait_for(kMenuHead)) << "the close request did not end the animation";
  // (The frames over the backdrop are quick: how much of the path shows by the time the
  // window is found says nothing; its title says the animation was still running.)
  EXPECT_EQ(title, kWorkingTitle) << "the animation had ended before the close";
  const std::string info = x_command(display(), "xwininfo -id " + window);
  EXPECT_NE(info.find("Bad"), std::string::npos) << "the window is still there: " << info;
  // The window was shown and closed: the view last shown is printed before the menu.
  EXPECT_NE(output().find("\nS,-1.00,0.00,5.00\n"), std::string::npos) << output();
  answer("8");
  int status = -1;
  for (int i = 0; i < 500 && waitpid(pid_, &status, WNOHANG) == 0; ++i) std::this_thread::sleep_for(20ms);
  pid_ = -1;
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

struct Vec {
  double x, y, z;
};
Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
double dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec cross(Vec a, Vec b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
Vec unit(Vec a) {
  const double n = std::sqrt(dot(a, a));
  return {a.x / n, a.y / n, a.z / n};
}

// Where a point of the rotating frame lands in the 800 x 600 window when the observer
// `eye` looks at the Sun (-1, 0, 0), worked out from the definitions: box units are half
// relative units around the Sun; the line of sight goes from the eye to the focus, the
// picture's up is the Z axis seen from there; the view cone's half angle has tangent
// 0.25 and fills 700 page units around (1484, 1099); the window shows the 2969 x 2099
// page at min(799 / 2969, 599 / 2099) pixels per unit. (The eye is far enough for the
// box to stay well inside the axis area, so the projection is not scaled down.)
void window_pixel_of(Vec eye, Vec point, double& px, double& py) {
  const Vec sun{-1, 0, 0};
  const Vec forward = unit(sun - eye);
  const Vec right = unit(cross(forward, {0, 0, 1}));
  const Vec up = cross(right, forward);
  const Vec v = point - eye;  // relative units; box units are half of these
  const double depth = 0.5 * dot(v, forward);
  const double page_x = 1484 + 700 * 0.5 * dot(v, right) / (0.25 * depth);
  const double page_y = 1099 - 700 * 0.5 * dot(v, up) / (0.25 * depth);
  const double s = std::min(799.0 / 2969.0, 599.0 / 2099.0);
  px = page_x * s;
  py = page_y * s;
}

// A drag of 100 pixels right and 40 down from the view (-1, -10, 3) onto the Sun: the
// observer goes 50 degrees left around the Sun and rises 20 degrees, at the same
// distance. The position printed at the close is that one to two decimals, and the
// window showed the Sun and the Earth where the projection from it puts them.
TEST_F(WindowSession, DragTurnsTheObserverAsTheProjectionPredicts) {
  ASSERT_NO_FATAL_FAILURE(plot("1,0.01", "S,-1,-10,3,N"));
  const std::string window = find_window(display(), kWaitingTitle, 60s);
  ASSERT_FALSE(window.empty()) << output();
  x_command(display(), "xdotool mousemove --window " + window + " 400 300 sleep 0.3 mousedown 1 mousemove --window " +
                           window + " 500 340 sleep 0.3 mouseup 1");
  std::this_thread::sleep_for(1500ms);
  const window_test::WindowPicture picture = grab_window(display(), window);
  x_command(display(), "xdotool mousemove --window " + window + " 400 300 click 3");
  ASSERT_TRUE(wait_for(kMenuHead)) << output();

  // The turn, in spherical coordinates around the Sun.
  const double degree = std::numbers::pi / 180;
  const double rx = 0, ry = -10, rz = 3;
  const double distance = std::sqrt(rx * rx + ry * ry + rz * rz);
  const double azimuth = std::atan2(ry, rx) - 50 * degree;
  const double elevation = std::asin(rz / distance) + 20 * degree;
  const Vec eye{-1 + distance * std::cos(elevation) * std::cos(azimuth),
                distance * std::cos(elevation) * std::sin(azimuth), distance * std::sin(elevation)};
  const std::string out = output();
  const auto at = out.rfind("\nS,");
  ASSERT_NE(at, std::string::npos) << out;
  double x = 0, y = 0, z = 0;
  ASSERT_EQ(std::sscanf(out.c_str() + at + 1, "S,%lf,%lf,%lf", &x, &y, &z), 3) << out;
  // Two decimals printed: within half a hundredth, and a float's rounding.
  EXPECT_NEAR(x, eye.x, 0.0051);
  EXPECT_NEAR(y, eye.y, 0.0051);
  EXPECT_NEAR(z, eye.z, 0.0051);

  // The window drew the view of the printed (rounded) position.
  const Vec shown{x, y, z};
  double sx, sy, ex, ey, before_x, before_y;
  window_pixel_of(shown, {-1, 0, 0}, sx, sy);
  window_pixel_of(shown, {0, 0, 0}, ex, ey);
  window_pixel_of({-1, -10, 3}, {0, 0, 0}, before_x, before_y);
  ASSERT_GT(std::hypot(ex - before_x, ey - before_y), 10) << "the turn would not move the Earth";
  ASSERT_EQ(picture.width, 800);
  EXPECT_TRUE(picture.has_near(static_cast<int>(std::lround(sx)), static_cast<int>(std::lround(sy)), 2, kYellow))
      << "no Sun at " << sx << "," << sy;
  EXPECT_TRUE(picture.has_near(static_cast<int>(std::lround(ex)), static_cast<int>(std::lround(ey)), 2, kRed))
      << "no Earth circle at " << ex << "," << ey;
  answer("8");
}

}  // namespace
