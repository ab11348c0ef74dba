// The fatal status and its reason. Kept apart from the heap-allocated state: the
// failure to allocate that state must be recorded too.
#include "plot/core/fatal_status.h"

#include <cstdio>

namespace plotix {
namespace {

FatalStatus g_status = FatalStatus::none;
char g_message[512] = "";

bool stops(FatalStatus status) { return status == FatalStatus::out_of_memory || status == FatalStatus::open_failed; }

}  // namespace

FatalStatus fatal_status() { return g_status; }

bool library_stopped() { return stops(g_status); }

const char* fatal_message() { return g_message; }

void record_fatal(FatalStatus status, const char* message) {
  const bool replaces = g_status == FatalStatus::none || (g_status == FatalStatus::write_failed && stops(status));
  if (!replaces) return;
  g_status = status;
  std::snprintf(g_message, sizeof g_message, "%s", message);
}

void clear_fatal() {
  g_status = FatalStatus::none;
  g_message[0] = '\0';
}

}  // namespace plotix
