// The one family of errors of the program. The libraries throw it (or hand it back); only
// the edges, the command line and the dialogue's driver, print it, after the program's
// name, and end the program with the status of its kind. Its message never holds the
// program's name; an empty message means that the library has said what failed already.
#pragma once

#include <stdexcept>
#include <string>

namespace errors {

enum class ErrorKind {
  usage,    // a wrong command line or request: a value, an object not found, a survey asked for that cannot run
  failure,  // what could not be done: a file unreadable or unwritable, the end of the input, a plug-in missing
};

// The exit statuses of the program.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// The status that an error of `kind` ends the program with.
constexpr int exit_status(ErrorKind kind) { return kind == ErrorKind::usage ? kExitUsage : kExitFailure; }

class Error : public std::runtime_error {
 public:
  Error(ErrorKind kind, const std::string& message) : std::runtime_error(message), kind_(kind) {}
  ErrorKind kind() const { return kind_; }

 private:
  ErrorKind kind_;
};

class UsageError : public Error {
 public:
  explicit UsageError(const std::string& message) : Error(ErrorKind::usage, message) {}
};

class Failure : public Error {
 public:
  explicit Failure(const std::string& message) : Error(ErrorKind::failure, message) {}
};

}  // namespace errors
