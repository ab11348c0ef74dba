// Opening the catalogue (creating it when missing) and streaming its lines.
#include "app/catalogue_file.h"

#include <cstring>

namespace app {

namespace {

constexpr std::size_t kChunk = 1 << 20;

}  // namespace

CatalogueFile::CatalogueFile(const std::filesystem::path& folder, std::ostream& hints) : buffer_(kChunk) {
  std::filesystem::path path = folder / kCatalogueName;
  std::error_code ignored;
  if (!std::filesystem::exists(path, ignored) && std::filesystem::exists(folder / kCatalogueUpperName, ignored)) {
    path = folder / kCatalogueUpperName;
  }
  name_ = path.filename().string();
  file_ = std::fopen(path.c_str(), "rb");
  if (file_ == nullptr && !std::filesystem::exists(path, ignored)) {
    const std::filesystem::path shown = std::filesystem::weakly_canonical(std::filesystem::absolute(folder), ignored);
    std::FILE* created = std::fopen(path.c_str(), "wb");
    if (created != nullptr && std::fclose(created) == 0) {
      hints << "skytrak3d: no catalogue in " << shown.string() << ": created an empty " << kCatalogueName
            << " there; put one-line MPC orbits into it\n";
      file_ = std::fopen(path.c_str(), "rb");
    } else {
      throw CatalogueError("no catalogue, and an empty one cannot be created (" + (shown / kCatalogueName).string() +
                           ")");
    }
  }
  if (file_ == nullptr) throw CatalogueError("cannot open the catalogue (" + path.string() + ")");
}

CatalogueFile::CatalogueFile(const std::filesystem::path& file)
    : name_(file.filename().string()), buffer_(kChunk) {
  file_ = std::fopen(file.c_str(), "rb");
  if (file_ == nullptr) throw CatalogueError("cannot open the catalogue (" + file.string() + ")");
}

CatalogueFile::~CatalogueFile() {
  if (file_ != nullptr) std::fclose(file_);
}

std::string CatalogueFile::where() const { return name_ + ", line " + std::to_string(line_number_); }

CatalogueError CatalogueFile::unreadable_record(const std::string& columns) const {
  return CatalogueError("cannot read the numbers in columns " + columns + " (" + where() + ")");
}

// Moves the unread bytes to the front and appends the next chunk of the file.
bool CatalogueFile::fill() {
  if (at_eof_) return false;
  if (begin_ > 0) {
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  if (buffer_.size() - end_ < kChunk) buffer_.resize(end_ + kChunk);  // a line longer than the buffer
  const std::size_t got = std::fread(buffer_.data() + end_, 1, buffer_.size() - end_, file_);
  end_ += got;
  if (got == 0) {
    if (std::ferror(file_)) throw CatalogueError("cannot read the catalogue (" + name_ + ")");
    at_eof_ = true;
    return false;
  }
  return true;
}

bool CatalogueFile::next_line(std::string_view& line) {
  std::size_t searched = begin_;
  for (;;) {
    const char* start = buffer_.data() + begin_;
    const void* newline = std::memchr(buffer_.data() + searched, '\n', end_ - searched);
    if (newline != nullptr) {
      const auto length = static_cast<std::size_t>(static_cast<const char*>(newline) - start);
      line = std::string_view(start, length);
      begin_ += length + 1;
      break;
    }
    searched = end_ - begin_;  // offset into the buffer once fill() has moved the bytes
    if (!fill()) {
      if (begin_ == end_) return false;
      line = std::string_view(buffer_.data() + begin_, end_ - begin_);  // last line without a line end
      begin_ = end_;
      break;
    }
  }
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  ++line_number_;
  return true;
}

}  // namespace app
