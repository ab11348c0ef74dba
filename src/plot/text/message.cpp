// messag: a text at a page point; nlmess and message_length: its length.
#include "plot/text/message.h"

#include "plot/core/levels.h"
#include "plot/text/text_draw.h"

namespace plotix {

void messag(std::string_view text, int x, int y) {
  PlotState* st = jqqlev(1, 3, "messag");
  if (st == nullptr) return;
  qqmess(*st, text, x, y);
}

int nlmess(std::string_view text) {
  PlotState* st = jqqlev(1, 3, "nlmess");
  if (st == nullptr) return 0;
  return nlmess(*st, text);
}

int message_length(std::string_view text) {
  PlotState* st = jqqlev(1, 3, "message_length");
  if (st == nullptr) return 0;
  const TemporaryTextSettings upright(*st, 0, st->text.nhchar);
  return nlmess(*st, text);
}

}  // namespace plotix
