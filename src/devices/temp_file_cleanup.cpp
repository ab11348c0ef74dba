// The list of open temporary files, fixed in size and written with atomics only, so
// that the signal handler may read it at any moment (see temp_file_cleanup.h).
#include "devices/temp_file_cleanup.h"

#include <unistd.h>

#include <array>
#include <atomic>
#include <climits>
#include <csignal>
#include <cstring>

namespace devices {

namespace {

// More than any output holds open at once (a run: .xyz, .clo and one picture).
constexpr int kSlots = 32;

enum SlotState : int { kFree, kFilling, kNoted };

struct Slot {
  std::atomic<int> state{kFree};
  char path[PATH_MAX] = {};
};

std::array<Slot, kSlots> slots;

static_assert(std::atomic<int>::is_always_lock_free, "the handler needs lock-free atomics");

extern "C" void remove_and_reraise(int signal_number) {
  for (Slot& slot : slots) {
    if (slot.state.load() == kNoted) ::unlink(slot.path);
  }
  std::signal(signal_number, SIG_DFL);
  std::raise(signal_number);
}

}  // namespace

int note_temp_file(const std::string& path) {
  if (path.size() >= PATH_MAX) return -1;
  for (int n = 0; n < kSlots; ++n) {
    Slot& slot = slots[static_cast<std::size_t>(n)];
    int expected = kFree;
    if (!slot.state.compare_exchange_strong(expected, kFilling)) continue;
    std::memcpy(slot.path, path.c_str(), path.size() + 1);
    slot.state.store(kNoted);
    return n;
  }
  return -1;
}

void forget_temp_file(int slot) {
  if (slot >= 0 && slot < kSlots) slots[static_cast<std::size_t>(slot)].state.store(kFree);
}

void remove_temp_files_on_signals() {
  struct sigaction action = {};
  action.sa_handler = remove_and_reraise;
  sigemptyset(&action.sa_mask);
  for (int signal_number : {SIGINT, SIGTERM}) ::sigaction(signal_number, &action, nullptr);
}

}  // namespace devices
