// Fuzz target: the catalogue file reader (lines across chunk boundaries) and the record
// parser. The first byte chooses the chunk size; the rest is the file. The lines must be
// exactly those of an independent split at '\n' (a CR before it dropped).
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "catalogue/catalogue_file.h"
#include "catalogue/catalogue_record.h"

namespace {

std::vector<std::string> split_lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

const std::filesystem::path& folder() {
  static const std::filesystem::path dir = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "skytrak_fuzz_XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    return std::filesystem::path(pattern);
  }();
  return dir;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t chunk = 1 + data[0] % 64;
  const std::string content(reinterpret_cast<const char*>(data) + 1, size - 1);
  std::ofstream(folder() / catalogue::kCatalogueName, std::ios::binary | std::ios::trunc) << content;

  const std::vector<std::string> expected = split_lines(content);
  std::ostringstream hints;
  catalogue::CatalogueFile file(folder(), hints, chunk);
  std::size_t n = 0;
  try {
    std::string_view line;
    while (file.next_line(line)) {
      if (n >= expected.size() || line != expected[n]) std::abort();
      ++n;
      catalogue::CatalogueRecord record;
      std::string failed;
      if (catalogue::parse_catalogue_record(line, record, failed)) catalogue::epoch_julian_date(record);
    }
  } catch (const errors::Failure&) {
    if (n >= expected.size() || expected[n].size() <= 4096) std::abort();  // only an overlong line is refused
    return 0;
  }
  if (n != expected.size()) std::abort();
  return 0;
}
