// Marks for markers and legends: filled discs and single lines at page points, and a
// filled disc at the projection of a point of the 3D axis system.
#pragma once

namespace plotix {

// A disc of the given diameter (plot units) filled in the current colour, centred at
// page point (x, y).
void disc(float x, float y, float diameter);

// A line from page point (x1, y1) to (x2, y2) in the current colour, style and width.
void rline(float x1, float y1, float x2, float y2);

// A disc as above centred at the projection of user point (x, y, z); nothing when the
// point lies outside the box or behind the viewer.
void disc3d(float x, float y, float z, float diameter);

}  // namespace plotix
