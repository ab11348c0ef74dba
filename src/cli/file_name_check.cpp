// The check of a file name option (see file_name_check.h).
#include "cli/file_name_check.h"

#include <string>

namespace cli {

CLI::Validator file_name() {
  return CLI::Validator([](const std::string& text) { return text.empty() ? "empty, a file name is needed" : ""; },
                        "FILE");
}

}  // namespace cli
