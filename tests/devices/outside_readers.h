// Helpers for handing the files our devices write to real outside readers
// (Ghostscript, ImageMagick, libwmf) and looking at the pictures they render.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace devices::testing {

struct CommandResult {
  int status = -1;     // exit status of the command
  std::string output;  // stdout and stderr together
};

// Runs a shell command with stdout and stderr captured into one text.
inline CommandResult run_command(const std::string& command) {
  static int serial = 0;  // one log per command, unique across processes
  const auto log = std::filesystem::temp_directory_path() /
                   ("skytrak_cmd_" + std::to_string(::getpid()) + "_" + std::to_string(++serial) + ".log");
  const int raw = std::system((command + " >'" + log.string() + "' 2>&1").c_str());
  CommandResult result;
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  std::ifstream in(log, std::ios::binary);
  result.output.assign(std::istreambuf_iterator<char>(in), {});
  std::filesystem::remove(log);
  return result;
}

inline bool tool_available(const std::string& name) {
  return run_command("command -v " + name).status == 0;
}

inline std::string read_file(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

inline std::vector<std::string> split_lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

struct Rgb {
  int r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Rgb& c) {
  return out << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}

// An 8-bit RGB picture read from a binary PPM (P6) file.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> pixels;
  Rgb at(int x, int y) const {
    const std::size_t i = (static_cast<std::size_t>(y) * width + x) * 3;
    return {pixels[i], pixels[i + 1], pixels[i + 2]};
  }
};

inline Picture read_ppm(const std::filesystem::path& path) {
  Picture picture;
  std::ifstream in(path, std::ios::binary);
  std::string magic;
  int max_value = 0;
  in >> magic >> picture.width >> picture.height >> max_value;
  in.get();
  if (magic != "P6" || max_value != 255) return Picture{};
  picture.pixels.resize(static_cast<std::size_t>(picture.width) * picture.height * 3);
  in.read(reinterpret_cast<char*>(picture.pixels.data()),
          static_cast<std::streamsize>(picture.pixels.size()));
  return picture;
}

// Reads any picture ImageMagick understands (PNG here) as a PPM.
inline Picture read_picture(const std::filesystem::path& path) {
  const auto ppm = std::filesystem::path(path).replace_extension(".ppm");
  if (run_command("convert '" + path.string() + "' -depth 8 'ppm:" + ppm.string() + "'").status != 0)
    return Picture{};
  Picture picture = read_ppm(ppm);
  std::filesystem::remove(ppm);
  return picture;
}

}  // namespace devices::testing
