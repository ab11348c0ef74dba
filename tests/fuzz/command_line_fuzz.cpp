// Fuzz target: any argument vector (words split at NUL bytes) goes through the CLI11
// parser and every option check, stopped before a subcommand's work. The parse must end
// with a status of 0, 1 or 2, and a refusal with a message.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "cli/command_line.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  constexpr std::size_t kMostWords = 40;
  std::vector<std::string> words = {"skytrak3d"};
  std::string word;
  for (std::size_t n = 0; n < size && words.size() < kMostWords; ++n) {
    if (data[n] == 0) {
      words.push_back(word);
      word.clear();
    } else {
      word += static_cast<char>(data[n]);
    }
  }
  if (!word.empty() && words.size() < kMostWords) words.push_back(word);
  std::vector<const char*> argv;
  for (const std::string& w : words) argv.push_back(w.c_str());
  argv.push_back(nullptr);
  std::ostringstream out, err;
  const int status = cli::check_command_line(static_cast<int>(words.size()), argv.data(), out, err);
  if (status < 0 || status > 2) std::abort();
  if (status == 2 && err.str().rfind("skytrak3d: ", 0) != 0) std::abort();
  return 0;
}
