// PLOTIX public routines of the 3D axis system: box, view, axis labelling,
// curves and spheres. Text arguments are string views, read up to the
// routine's own limit (4 characters for keywords, 132 for names).
#pragma once

#include <string_view>

namespace plotix {

// Box proportions and view (any level; reset at disini).
void axis3d(float xlen, float ylen, float zlen);
void view3d(float x, float y, float z, std::string_view unit);  // "ABS", "USER", "ANGL"
void vfoc3d(float x, float y, float z, std::string_view unit);  // "ABS", "USER"

// Opens a 3D axis system (level 1 -> 3) and draws its labelled axes.
void graf3d(float xa, float xe, float xo, float xstep, float ya, float ye, float yo,
            float ystep, float za, float ze, float zo, float zstep);
// The twelve edges of the box.
void box3d();

// Axis labelling settings (any level; reset at disini).
void name(std::string_view text, std::string_view axes);
void hname(int height);
void labdig(int digits, std::string_view axes);
void flab3d();

// A polyline through user points, clipped at the box.
void curv3d(const float* x, const float* y, const float* z, int n);
// A filled sphere: centre, radius in x units, n sectors, m bands.
void sphe3d(float xm, float ym, float zm, float r, int n, int m);

}  // namespace plotix
