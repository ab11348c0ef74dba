// Public line style and width routines.
#pragma once

namespace plotix {

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

}  // namespace plotix
