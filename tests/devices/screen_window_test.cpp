// The screen device in a real window under Xvfb: title while drawing and while
// waiting, drawing-area size, pixels on the screen, which buttons and keys dismiss
// the window, and a window manager's close request.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "devices/screen_device.h"
#include "x_close_request.h"
#include "x_window_tools.h"

namespace {

using namespace std::chrono_literals;
using window_test::find_window;
using window_test::window_pixel;
using window_test::x_command;
using window_test::XvfbServer;

// The window's side of the test, in a child process: plots times, opens an
// 800 x 600 window, draws an asymmetric picture, shows it, then waits for the
// parent's word before closing (which waits for the user). Exits 0 once the last
// window was dismissed.
[[noreturn]] void run_window(const std::string& display, int ready_fd, int go_fd, int plots) {
  setenv("DISPLAY", display.c_str(), 1);
  setenv("SDL_VIDEODRIVER", "x11", 1);
  devices::ScreenDevice device;
  devices::DeviceOpenParams p;
  p.idev = devices::kFormatScreen;
  p.window_mode = 2;
  p.width = 800;
  p.height = 600;
  for (int plot = 0; plot < plots; ++plot) {
    if (device.open(p).status != 0 || !device.has_window()) _exit(2);
    device.fill_rectangle(100, 100, 139, 499, 0x010000FF, 255, 0, 0);  // stem, red
    device.fill_rectangle(140, 100, 399, 149, 0x010000FF, 255, 0, 0);  // top bar, red
    device.fill_rectangle(140, 280, 299, 319, 0x0100FF00, 0, 255, 0);  // middle bar, green
    device.set_colour_value(0x01FF00FF);
    device.move_draw(500, 550, devices::kMove);
    device.move_draw(700, 550, devices::kDraw);
    device.update();
    // Right after a copy: this update may be held back, and the close must still show it.
    device.fill_rectangle(600, 100, 699, 199, 0x01FF0000, 0, 0, 255);
    device.update();
    char byte = 'r';
    if (write(ready_fd, &byte, 1) != 1 || read(go_fd, &byte, 1) != 1) _exit(3);
    device.close();
  }
  _exit(0);
}

struct WindowProcess {
  pid_t pid = -1;
  int ready_fd = -1;
  int go_fd = -1;

  explicit WindowProcess(const std::string& display, int plots = 1) {
    int ready[2], go[2];
    if (pipe(ready) != 0 || pipe(go) != 0) return;
    pid = fork();
    if (pid == 0) run_window(display, ready[1], go[0], plots);
    close(ready[1]);
    close(go[0]);
    ready_fd = ready[0];
    go_fd = go[1];
  }
  ~WindowProcess() {
    if (pid > 0 && !finished()) {
      kill(pid, SIGKILL);
      waitpid(pid, nullptr, 0);
    }
    close(ready_fd);
    close(go_fd);
  }
  bool wait_ready() {
    char byte;
    return read(ready_fd, &byte, 1) == 1;
  }
  void go() {
    const char byte = 'g';
    ASSERT_EQ(write(go_fd, &byte, 1), 1);
  }
  bool finished() {
    if (pid <= 0 || exit_status >= 0) return true;
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) != pid) return false;
    exit_status = WIFEXITED(status) ? WEXITSTATUS(status) : 100;
    return true;
  }
  // True when the child ended within the time, with exit_status set.
  bool ends_within(std::chrono::milliseconds limit) {
    for (auto waited = 0ms; waited < limit; waited += 20ms) {
      if (finished()) return true;
      std::this_thread::sleep_for(20ms);
    }
    return finished();
  }
  int exit_status = -1;
};

TEST(ScreenWindow, ShowsThePlotAndWaitsForTheRightButton) {
  XvfbServer server;
  ASSERT_FALSE(server.display().empty()) << "Xvfb did not start";
  const std::string& display = server.display();
  WindowProcess window(display);
  ASSERT_TRUE(window.wait_ready());

  const std::string working = find_window(display, "PLOTIX 1 / Working");
  ASSERT_FALSE(working.empty());
  const std::string geometry = x_command(display, "xwininfo -id " + working);
  EXPECT_NE(geometry.find("Width: 800\n"), std::string::npos) << geometry;
  EXPECT_NE(geometry.find("Height: 600\n"), std::string::npos) << geometry;
  // The update while drawing already shows the picture, unflipped.
  EXPECT_EQ(window_pixel(display, working, 120, 480, "#FF0000"), "#FF0000");
  EXPECT_EQ(window_pixel(display, working, 380, 120, "#FF0000"), "#FF0000");
  EXPECT_EQ(window_pixel(display, working, 200, 300, "#00FF00"), "#00FF00");
  EXPECT_EQ(window_pixel(display, working, 600, 550, "#FF00FF"), "#FF00FF");
  EXPECT_EQ(window_pixel(display, working, 380, 480, "#000000"), "#000000");

  window.go();
  const std::string waiting = find_window(display, "PLOTIX 1 / Click MB2 to continue ...");
  ASSERT_EQ(waiting, working);
  EXPECT_EQ(window_pixel(display, waiting, 650, 150, "#0000FF"), "#0000FF");
  x_command(display, "xdotool mousemove --window " + waiting + " 400 300 click 1 click 2");
  // Requests for another view go unanswered by a plain close, and do not end it.
  x_command(display, "xdotool windowfocus --sync " + waiting + " key Return x Left Home");
  x_command(display, "xdotool mousemove --window " + waiting + " 400 300 click 4 "
                     "mousedown 1 mousemove --window " + waiting + " 450 320 mouseup 1");
  EXPECT_FALSE(window.ends_within(500ms)) << "dismissed by a left or middle click or a key";
  x_command(display, "xdotool windowfocus --sync " + waiting + " key Escape");
  ASSERT_TRUE(window.ends_within(5000ms)) << "Esc did not dismiss the window";
  EXPECT_EQ(window.exit_status, 0);
}

TEST(ScreenWindow, CloseRequestEndsTheWaitAndTheNextPlotGetsANewWindow) {
  XvfbServer server;
  ASSERT_FALSE(server.display().empty()) << "Xvfb did not start";
  const std::string& display = server.display();
  WindowProcess window(display, 2);
  ASSERT_TRUE(window.wait_ready());
  window.go();
  const std::string first = find_window(display, "PLOTIX 1 / Click MB2 to continue ...");
  ASSERT_FALSE(first.empty());
  ASSERT_TRUE(window_test::send_close_request(display, std::stoul(first)));

  // The second plot of the same process opens a window of its own.
  ASSERT_TRUE(window.wait_ready()) << "the close request did not end the wait";
  EXPECT_NE(x_command(display, "xwininfo -id " + first).find("Bad Drawable"), std::string::npos)
      << "the dismissed window is still there";
  const std::string second = find_window(display, "PLOTIX 1 / Working");
  ASSERT_FALSE(second.empty());
  EXPECT_EQ(window_pixel(display, second, 120, 480, "#FF0000"), "#FF0000");
  window.go();
  ASSERT_EQ(find_window(display, "PLOTIX 1 / Click MB2 to continue ..."), second);
  x_command(display, "xdotool mousemove --window " + second + " 400 300 click 3");
  ASSERT_TRUE(window.ends_within(5000ms)) << "the right button did not dismiss the second window";
  EXPECT_EQ(window.exit_status, 0);
}

}  // namespace
