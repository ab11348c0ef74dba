// The end-of-run protocol printed by disfin.
#include <cstdio>
#include <cstring>

#include "plot/core/clock.h"
#include "plot/page/library_version.h"
#include "plot/page/protocol.h"

namespace plotix {
namespace {

// A number in its field width with the leading blanks removed.
void left_aligned(char* out, std::size_t size, const char* format, int value) {
  char field[32];
  std::snprintf(field, sizeof field, format, value);
  const char* digits = field;
  while (*digits == ' ') ++digits;
  std::snprintf(out, size, "%s", digits);
}

// "Metafile: " or "Err-file: " followed by at most 48 characters of a name.
void name_line(std::FILE* out, const char* label, const char* name) {
  char text[59];
  std::snprintf(text, sizeof text, "%s%.48s", label, name);
  std::fprintf(out, "\n <<  %-58s  <<", text);
}

}  // namespace

void dprcol(PlotState& st, int file_written) {
  if (st.core.imsgmode == 0 || !st.core.iprotocol) return;
  std::FILE* out = st.core.fp_msg;
  const char* border = " <<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<";
  char patch = kPatchLevel == 0 ? ' ' : static_cast<char>('A' + kPatchLevel - 1);
  char vectors[32];
  char warnings[32];
  left_aligned(vectors, sizeof vectors, "%10d", st.core.nvec);
  left_aligned(warnings, sizeof warnings, "%8d", st.core.nwarn);
  std::fprintf(out, "\n%s", border);
  std::fprintf(out, "\n <<                END OF PLOTIX / VERSION %4.1f %c                <<",
               static_cast<double>(kVersion), patch);
  std::fprintf(out, "\n <<  Date    : %10s  Time    : %8s  Pageformat: %4s  <<", dddate(),
               ddtime(), st.page.cpage);
  std::fprintf(out, "\n <<  Vectors : %-10s  Warnings: %-8s  Fileformat: %4s  <<", vectors,
               warnings, st.page.cfmt);
  if (file_written != 10) name_line(out, "Metafile: ", file_written == 0 ? "" : st.page.cfilnam);
  if (file_written > 9) name_line(out, "Err-file: ", st.core.cerrfil);
  std::fprintf(out, "\n%s\n", border);
  std::fprintf(out, "\n");
  std::fflush(out);
}

}  // namespace plotix
