// The screen's requests of a finished picture, passed from the device to the caller.
#include "plot/page/screen_requests.h"

#include "plot/core/levels.h"
#include "plot/page/reset.h"

namespace plotix {

devices::UserRequest wait_for_request() {
  PlotState* found = jqqlev(1, 1, "wait_for_request");
  if (found == nullptr || !found->page.device) return {};
  return found->page.device->wait_for_request();
}

bool window_dismissed() {
  PlotState* found = jqqlev(1, 3, "window_dismissed");
  return found != nullptr && found->page.device && found->page.device->dismissed();
}

void erase_page() {
  PlotState* found = jqqlev(1, 1, "erase_page");
  if (found == nullptr || !found->page.device) return;
  found->page.device->erase();
  // The settings go back to what disini leaves, so that the same calls draw the same
  // picture again.
  resall(*found);
}

}  // namespace plotix
