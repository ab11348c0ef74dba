// Opening the catalogue (creating it when missing) and streaming its lines.
#include "catalogue/catalogue_file.h"

#include <cerrno>
#include <cstring>

namespace catalogue {

namespace {

// A record is 202 columns. A line far longer is no record: the file is junk or has no
// line ends (a device, a binary file), and reading on would only fill the memory.
constexpr std::size_t kLongestLine = 4096;

// The system's reason for the last failed call, as the end of a message.
std::string reason() { return std::string(": ") + std::strerror(errno); }

}  // namespace

CatalogueFile::CatalogueFile(const std::filesystem::path& folder, std::ostream& hints, std::size_t chunk_bytes)
    : chunk_(chunk_bytes), buffer_(chunk_bytes) {
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
      hints << "no catalogue in " << shown.string() << ": created an empty " << kCatalogueName
            << " there; put one-line MPC orbits into it\n";
      file_ = std::fopen(path.c_str(), "rb");
    } else {
      throw errors::Failure("no catalogue, and an empty one cannot be created (" + (shown / kCatalogueName).string() +
                            ")" + reason());
    }
  }
  if (file_ == nullptr) throw errors::Failure("cannot open the catalogue (" + path.string() + ")" + reason());
}

CatalogueFile::CatalogueFile(const std::filesystem::path& file, std::size_t chunk_bytes)
    : name_(file.filename().string()), chunk_(chunk_bytes), buffer_(chunk_bytes) {
  file_ = std::fopen(file.c_str(), "rb");
  if (file_ == nullptr) throw errors::Failure("cannot open the catalogue (" + file.string() + ")" + reason());
}

CatalogueFile::~CatalogueFile() {
  if (file_ != nullptr) std::fclose(file_);
}

std::string CatalogueFile::where() const { return name_ + ", line " + std::to_string(line_number_); }

errors::Failure CatalogueFile::unreadable_record(const std::string& columns) const {
  return errors::Failure("cannot read the numbers in columns " + columns + " (" + where() + ")");
}

// Moves the unread bytes to the front and appends the next chunk of the file.
bool CatalogueFile::fill() {
  if (at_eof_) return false;
  if (begin_ > 0) {
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  if (buffer_.size() - end_ < chunk_) buffer_.resize(end_ + chunk_);  // a line longer than the buffer
  const std::size_t got = std::fread(buffer_.data() + end_, 1, buffer_.size() - end_, file_);
  end_ += got;
  if (got == 0) {
    if (std::ferror(file_)) throw errors::Failure("cannot read the catalogue (" + name_ + ")" + reason());
    at_eof_ = true;
    return false;
  }
  return true;
}

errors::Failure CatalogueFile::line_too_long() const {
  return errors::Failure("a line is longer than " + std::to_string(kLongestLine) + " characters (" + name_ +
                         ", line " + std::to_string(line_number_ + 1) + ")");
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
    // No line end yet: what is pending is too long already (a CR may still be cut off).
    if (end_ - begin_ > kLongestLine + 1) throw line_too_long();
    searched = end_ - begin_;  // offset into the buffer once fill() has moved the bytes
    if (!fill()) {
      if (begin_ == end_) return false;
      line = std::string_view(buffer_.data() + begin_, end_ - begin_);  // last line without a line end
      begin_ = end_;
      break;
    }
  }
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  if (line.size() > kLongestLine) throw line_too_long();
  ++line_number_;
  return true;
}

}  // namespace catalogue
