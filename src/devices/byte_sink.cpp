// Buffered file output with a sticky first error (see byte_sink.h).
#include "devices/byte_sink.h"

#include <cerrno>
#include <cstring>

namespace devices {

namespace {
constexpr std::size_t kBufferBytes = 1 << 16;
}

ByteSink::~ByteSink() {
  if (file_ != nullptr) std::fclose(file_);
}

bool ByteSink::open(const std::string& path) {
  if (file_ != nullptr) close();
  path_ = path;
  position_ = 0;
  error_.clear();
  buffer_.clear();
  buffer_.reserve(kBufferBytes);
  file_ = std::fopen(path.c_str(), "wb");
  if (file_ == nullptr) {
    fail("cannot open");
    return false;
  }
  return true;
}

void ByteSink::write(std::string_view bytes) {
  if (buffer_.size() + bytes.size() > buffer_.capacity()) flush_buffer();
  if (bytes.size() > buffer_.capacity()) {
    // Too big to buffer: straight to the file.
    if (file_ != nullptr && ok() && std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size())
      fail("write error on");
  } else {
    buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
  }
  position_ += bytes.size();
}

void ByteSink::write(const std::uint8_t* bytes, std::size_t count) {
  write(std::string_view(reinterpret_cast<const char*>(bytes), count));
}

void ByteSink::flush_buffer() {
  if (file_ != nullptr && ok() && !buffer_.empty() &&
      std::fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size())
    fail("write error on");
  buffer_.clear();
}

bool ByteSink::close() {
  if (file_ == nullptr) return ok();
  flush_buffer();
  if (std::fflush(file_) != 0) fail("write error on");
  if (std::fclose(file_) != 0) fail("cannot close");
  file_ = nullptr;
  return ok();
}

void ByteSink::fail(const char* what) {
  if (!ok()) return;  // keep the first cause, it is the one that explains the rest
  error_ = std::string(what) + " " + path_ + ": " + std::strerror(errno);
}

}  // namespace devices
