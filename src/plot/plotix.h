// PLOTIX: the public routines the main program calls. Text arguments are taken
// as string views, so both terminated strings and fixed-length blank-padded
// fields can be passed; each routine reads its arguments up to its own limit
// (4 characters for keywords, 256 for file names).
#pragma once

#include <string_view>

#include "plot/plot3d.h"  // 3D axis system, axis labelling, curves and spheres
#include "plot/text.h"

namespace plotix {

// Life cycle.
void disini();
void disfin();
void endgrf();
void noclip();
void upstr(char* text);          // a terminated text, upper-cased in place
void upstr(char* text, int n);   // exactly n bytes of a blank-padded field

// Output format, file and page.
void metafl(std::string_view keyword);
void setfil(std::string_view name);
void winsiz(int nw, int nh);
void pagera();
const char* dddate();   // "%02d.%02d.%4d"; static buffer, overwritten by the next call
const char* ddtime();   // "%02d:%02d:%02d"

// Line styles and widths.
void solid();
void dot();
void dash();
void chndsh();
void chndot();
void dashl();
void dotl();
void dashm();
void lintyp(int n);
void myline(const int* pattern, int n);
void linwid(int n);
void penwid(float x);

// Colours.
void color(std::string_view name);
void setvlt(std::string_view name);

}  // namespace plotix
