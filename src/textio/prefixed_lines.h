// A stream that passes every line on to another stream with a prefix before it. The edge
// of the program hands one to a library, which writes its warnings without the program's
// name: "bad record skipped (...)" reaches the user as "<program>: bad record skipped (...)".
#pragma once

#include <ostream>
#include <streambuf>
#include <string>

namespace textio {

class PrefixedLines : public std::ostream {
 public:
  // Writes to `target` at once, character for character, so that lines written to
  // `target` directly between two of these stay in their order.
  PrefixedLines(std::ostream& target, std::string prefix);

 private:
  class Buffer : public std::streambuf {
   public:
    Buffer(std::ostream& target, std::string prefix) : target_(target), prefix_(std::move(prefix)) {}

   protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* text, std::streamsize count) override;
    int sync() override;

   private:
    std::ostream& target_;
    std::string prefix_;
    bool line_start_ = true;
  };
  Buffer buffer_;
};

}  // namespace textio
