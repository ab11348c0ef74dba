// The catalogue file, opened for one search or one listing and read line by line.
#pragma once

#include <cstdio>
#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "errors/error.h"

namespace catalogue {

// The catalogue's name, and the name the dialogue gives it (used when only that exists).
inline constexpr const char* kCatalogueName = "nea.dat";
inline constexpr const char* kCatalogueUpperName = "NEA.DAT";

// Streams the lines of the catalogue without holding the file: each line is handed out
// without its line end (LF or CR LF) and stays valid until the next call. A catalogue
// that cannot be read, or a record whose numbers cannot be read, is an errors::Failure
// "<what went wrong> (<file>, line <n>)" or "<what went wrong> (<file>)".
class CatalogueFile {
 public:
  // Opens nea.dat in `folder`; when it is missing, NEA.DAT there; when both are missing,
  // creates an empty nea.dat and writes one hint naming the folder on `hints` (a line
  // without the program's name: the edge adds it). The file is read in chunks of
  // `chunk_bytes` (small ones let tests cross chunk boundaries);
  // 64 KiB by default, which stays in the cache and costs few page faults on a short run
  // such as `find` (1 MiB cost it a third of its time).
  CatalogueFile(const std::filesystem::path& folder, std::ostream& hints, std::size_t chunk_bytes = 1 << 16);
  // Opens the catalogue file `file` itself; throws errors::Failure when it cannot be opened.
  explicit CatalogueFile(const std::filesystem::path& file, std::size_t chunk_bytes = 1 << 16);
  ~CatalogueFile();
  CatalogueFile(const CatalogueFile&) = delete;
  CatalogueFile& operator=(const CatalogueFile&) = delete;

  // The next line, or false at the end of the file. A line of more than 4096
  // characters (before its line end) throws errors::Failure naming the file and line.
  bool next_line(std::string_view& line);

  long line_number() const { return line_number_; }
  // "<file>, line <n>": where the last line handed out came from.
  std::string where() const;
  // The error for the last line handed out, whose numbers in `columns` cannot be read.
  errors::Failure unreadable_record(const std::string& columns) const;

 private:
  bool fill();
  errors::Failure line_too_long() const;

  std::FILE* file_ = nullptr;
  std::string name_;
  std::size_t chunk_;
  std::vector<char> buffer_;
  std::size_t begin_ = 0;  // first unread byte in buffer_
  std::size_t end_ = 0;    // one past the last valid byte in buffer_
  bool at_eof_ = false;
  long line_number_ = 0;
};

}  // namespace catalogue
