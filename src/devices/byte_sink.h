// The one byte sink every output file is written through: buffered writes, the position
// in bytes, and a sticky first error that the writer checks once, at close.
//
// A file is never left half-written under its real name: the bytes go to a temporary
// file in the same folder, which is renamed into place only when everything reached
// it, and removed when anything failed (a full disk, a file-size limit, a lost sink).
// A device or a pipe given as the name (/dev/null, /dev/stdout on a pipe), also
// through a link, is written in place; a link to a file is written through, its
// target replaced, so no device, pipe or link is ever renamed
// over. The temporary file is a new name opened with O_EXCL: a link planted under
// such a name is never followed. SIGINT and SIGTERM remove it too, once the program
// installed devices::remove_temp_files_on_signals.
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
  // A sink still open, or finished but not committed, removes its temporary file.
  ~ByteSink();
  ByteSink(const ByteSink&) = delete;
  ByteSink& operator=(const ByteSink&) = delete;

  // Starts the file `path` (it appears under that name only at close). False when the
  // temporary file cannot be created; error() then says why.
  bool open(const std::string& path);
  // Starts a new file `path`, a free version of `version_base` (file_version.h), that
  // never replaces anything: when another writer took the name before commit, the file
  // goes to the next free version of `version_base` instead; path() then tells which.
  bool open_new(const std::string& path, const std::string& version_base);
  bool is_open() const { return file_ != nullptr; }
  // The file's name: as given to open, or the version that open_new's commit took.
  const std::string& path() const { return path_; }

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
  // The system's words for that failure alone, e.g. "No space left on device".
  const std::string& reason() const { return reason_; }

  // finish() and then commit(): the file is in place, whole, when this returns true.
  // False when anything failed: then no file of that name was written or replaced.
  bool close();

  // The two halves of close(), for writers that put several files in place together:
  // finish() flushes and closes the temporary file (removing it on failure); commit()
  // renames a finished file to its real name, replacing an older file of that name.
  bool finish();
  bool commit();

 private:
  void flush_buffer();
  void fail(const char* what);
  void discard();
  bool publish_new_version();
  void forget_temp_name();

  std::FILE* file_ = nullptr;
  std::string path_;       // the name asked for, as messages show it
  std::string real_path_;  // the file the temporary one replaces: path_, or its link's target
  std::string version_base_;  // open_new: the name whose free versions the file may take
  std::string temp_path_;  // where the bytes go until commit; empty when none is left
  int temp_slot_ = -1;     // its slot in the list a signal handler cleans up (temp_file_cleanup.h)
  std::vector<char> buffer_;
  std::uint64_t position_ = 0;
  std::string error_;
  std::string reason_;
};

}  // namespace devices
