// Level checks, argument checks and small text helpers (see levels.h).
#include "plot/core/levels.h"

#include <cctype>
#include <cstring>

#include "plot/core/fatal_status.h"
#include "plot/core/global_state.h"
#include "plot/core/warnings.h"

namespace plotix {

PlotState* jqqlev(int lowest, int highest, const char* routine) {
  if (library_stopped()) return nullptr;
  bool created = false;
  PlotState* found = qqsglb(created);
  if (found == nullptr) return nullptr;
  PlotState& st = *found;
  qqcopy(st.core.croutine, routine, static_cast<int>(sizeof st.core.croutine) - 1);
  if (st.core.level >= lowest && st.core.level <= highest) return &st;
  if (st.core.level == 0) st.core.imsgmode = 6;  // so that the warning reaches the console
  warni1(st, 3, st.core.level);
  return nullptr;
}

PlotState* chkini(const char* routine) {
  if (library_stopped()) return nullptr;
  PlotState* existing = qqgglb();
  if (existing == nullptr) {
    jqqlev(1, 3, routine);
    return qqgglb();
  }
  qqcopy(existing->core.croutine, routine, static_cast<int>(sizeof existing->core.croutine) - 1);
  if (existing->core.level < 1 || existing->core.level > 3) warni1(*existing, 3, existing->core.level);
  return existing;
}

int jqqval(PlotState& st, int value, int lowest, int highest) {
  if (value >= lowest && (highest < lowest || value <= highest)) return 0;
  warni1(st, 2, value);
  return 1;
}

int jqqind(PlotState& st, const char* list, int n, std::string_view key) {
  char cut[5] = "    ";
  int length = 0;
  for (char c : key) {
    if (c == '\0' || length == 4) break;
    cut[length++] = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  for (int i = 0; i < n; ++i) {
    const char* entry = list + 5 * i;
    bool equal = true;
    for (int k = 0; k < 4 && equal; ++k) {
      equal = std::toupper(static_cast<unsigned char>(entry[k])) == cut[k];
    }
    if (equal) return i + 1;
  }
  char shown[133];
  qqcopy(shown, key, 132);
  warnc1(st, 2, shown);
  return 0;
}

int qqcopy(char* destination, std::string_view source, int limit) {
  int n = 0;
  while (n < limit && n < static_cast<int>(source.size()) && source[n] != '\0') {
    destination[n] = source[n];
    ++n;
  }
  destination[n] = '\0';
  return n;
}

int jqquni(const PlotState& st, int n) {
  return static_cast<int>(static_cast<float>(n) / st.page.xunit + 0.5f);
}

void upstr(char* text) {
  for (; *text != '\0'; ++text) {
    if (*text >= 'a' && *text <= 'z') *text = static_cast<char>(*text - 'a' + 'A');
  }
}

void upstr(char* text, int n) {
  for (int i = 0; i < n; ++i) {
    if (text[i] >= 'a' && text[i] <= 'z') text[i] = static_cast<char>(text[i] - 'a' + 'A');
  }
}

}  // namespace plotix
