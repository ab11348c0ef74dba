// Marks for markers and legends: filled discs, rectangles and single lines at page
// points, a filled disc at the projection of a point of the 3D axis system, and where
// such a point lands on the page.
#pragma once

namespace plotix {

// A disc of the given diameter (plot units) filled in the current colour, centred at
// page point (x, y).
void disc(float x, float y, float diameter);

// A rectangle with corners (x1, y1) and (x2, y2), page points, filled in the current
// colour.
void rectfl(float x1, float y1, float x2, float y2);

// A line from page point (x1, y1) to (x2, y2) in the current colour, style and width.
void rline(float x1, float y1, float x2, float y2);

// A disc as above centred at the projection of user point (x, y, z); nothing when the
// point lies outside the box or behind the viewer.
void disc3d(float x, float y, float z, float diameter);

// The page point (xp, yp) of user point (x, y, z) in the current 3D axis system, inside
// the box or not; false, with xp and yp unchanged, when it lies behind the viewer.
bool pos3pg(float x, float y, float z, float& xp, float& yp);

}  // namespace plotix
