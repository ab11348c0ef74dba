// The one byte sink every file device writes through: buffered writes, the position
// in bytes, and a sticky first error that the device checks once, at close.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace devices {

class ByteSink {
 public:
  ByteSink() = default;
  ~ByteSink();
  ByteSink(const ByteSink&) = delete;
  ByteSink& operator=(const ByteSink&) = delete;

  // Creates (truncates) the file for binary writing. False when it cannot be opened;
  // error() then says why.
  bool open(const std::string& path);
  bool is_open() const { return file_ != nullptr; }

  void write(std::string_view bytes);
  void write(const std::uint8_t* bytes, std::size_t count);
  void put(char c) {
    if (buffer_.size() == buffer_.capacity()) flush_buffer();
    buffer_.push_back(c);
    ++position_;
  }

  // Bytes handed to the sink since open, written or still buffered.
  std::uint64_t position() const { return position_; }
  bool ok() const { return error_.empty(); }
  // The first failure, e.g. "write error on plot.ps: No space left on device".
  const std::string& error() const { return error_; }

  // Flushes and closes the file. False when any write, the flush or the close failed:
  // the file on disk is then incomplete and the caller must report it.
  bool close();

 private:
  void flush_buffer();
  void fail(const char* what);

  std::FILE* file_ = nullptr;
  std::string path_;
  std::vector<char> buffer_;
  std::uint64_t position_ = 0;
  std::string error_;
};

}  // namespace devices
