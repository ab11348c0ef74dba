// Buffered file output with a sticky first error, put in place by rename (see byte_sink.h).
#include "devices/byte_sink.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "devices/file_version.h"
#include "devices/temp_file_cleanup.h"

namespace devices {

namespace {

constexpr std::size_t kBufferBytes = 1 << 16;

// Creates a new temporary file beside `path`, named after it, readable and writable
// as any new file of the user (0666 less the umask). Returns its descriptor, or -1.
int create_temp_beside(const std::string& path, std::string& temp_path) {
  const std::filesystem::path target(path);
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string name =
        "." + target.filename().string() + "." + std::to_string(::getpid()) + "-" + std::to_string(attempt) + ".part";
    temp_path = (target.parent_path() / name).string();
    const int fd = ::open(temp_path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// Something that exists and is no regular file, looked at through links.
bool is_special_file(const std::string& path) {
  std::error_code ignored;
  const std::filesystem::file_status status = std::filesystem::status(path, ignored);
  return std::filesystem::exists(status) && !std::filesystem::is_regular_file(status) &&
         !std::filesystem::is_directory(status);
}

// Renames `from` to `to` only when nothing is called `to`; else false with errno EEXIST.
// Where the file system cannot rename so, a hard link does the same, then the old name goes.
bool publish_without_replacing(const std::string& from, const std::string& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
  if (::link(from.c_str(), to.c_str()) != 0) return false;
  ::unlink(from.c_str());
  return true;
}

}  // namespace

ByteSink::~ByteSink() { discard(); }

void ByteSink::discard() {
  if (file_ != nullptr) std::fclose(file_);
  file_ = nullptr;
  if (!temp_path_.empty()) std::remove(temp_path_.c_str());
  forget_temp_name();
}

bool ByteSink::open_new(const std::string& path, const std::string& version_base) {
  const bool opened = open(path);
  version_base_ = version_base;
  return opened;
}

bool ByteSink::open(const std::string& path) {
  discard();
  version_base_.clear();
  path_ = path;
  position_ = 0;
  error_.clear();
  reason_.clear();
  buffer_.clear();
  buffer_.reserve(kBufferBytes);
  if (is_special_file(path)) {
    // A device or a pipe (/dev/null, /dev/full, a FIFO, /dev/stdout on a pipe), also
    // through links, is written in place: there is nothing to replace, and renaming
    // over it would put a plain file in its stead.
    file_ = std::fopen(path.c_str(), "wb");
    if (file_ == nullptr) fail("cannot open");
    return file_ != nullptr;
  }
  // A link to a file is written through: its target is the file replaced, the link
  // stays a link. A link to nowhere is refused with the system's reason.
  std::string real_path = path;
  std::error_code link_error;
  if (std::filesystem::is_symlink(std::filesystem::symlink_status(path, link_error))) {
    real_path = std::filesystem::canonical(path, link_error).string();
    if (link_error) {
      errno = link_error.value();
      fail("cannot open");
      return false;
    }
  }
  real_path_ = real_path;
  const int fd = create_temp_beside(real_path, temp_path_);
  if (fd < 0) {
    temp_path_.clear();
    fail("cannot open");
    return false;
  }
  temp_slot_ = note_temp_file(temp_path_);
  file_ = ::fdopen(fd, "wb");
  if (file_ == nullptr) {
    ::close(fd);
    fail("cannot open");
    discard();
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

bool ByteSink::finish() {
  if (file_ == nullptr) return ok();
  flush_buffer();
  if (std::fflush(file_) != 0) fail("write error on");
  if (std::fclose(file_) != 0) fail("cannot close");
  file_ = nullptr;
  if (!ok()) discard();
  return ok();
}

bool ByteSink::commit() {
  if (!ok() || file_ != nullptr) return false;
  if (temp_path_.empty()) return true;  // written in place
  if (!version_base_.empty()) return publish_new_version();
  if (std::rename(temp_path_.c_str(), real_path_.c_str()) != 0) {
    fail("cannot write");
    discard();
    return false;
  }
  forget_temp_name();
  return true;
}

bool ByteSink::publish_new_version() {
  for (;;) {
    if (publish_without_replacing(temp_path_, real_path_)) {
      forget_temp_name();
      return true;
    }
    if (errno != EEXIST) break;
    // Another writer took the name since it was chosen: on to the next free version.
    path_ = real_path_ = free_file_name(version_base_);
    if (path_.empty()) {
      errno = EEXIST;
      path_ = version_base_;
      break;
    }
  }
  fail("cannot write");
  discard();
  return false;
}

void ByteSink::forget_temp_name() {
  forget_temp_file(temp_slot_);
  temp_slot_ = -1;
  temp_path_.clear();
}

bool ByteSink::close() {
  if (file_ == nullptr && temp_path_.empty()) return ok();
  return finish() && commit();
}

void ByteSink::fail(const char* what) {
  if (!ok()) return;  // keep the first cause, it is the one that explains the rest
  reason_ = std::strerror(errno);
  error_ = std::string(what) + " " + path_ + ": " + reason_;
}

}  // namespace devices
