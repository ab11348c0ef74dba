// The program's error lines and exit statuses.
#include "app/error_report.h"

#include <string_view>

namespace app {

int report_error(std::ostream& out, std::ostream& err, const errors::Error& error) {
  out.flush();
  if (const std::string_view message = error.what(); !message.empty()) err << kMessagePrefix << message << '\n';
  return errors::exit_status(error.kind());
}

}  // namespace app
