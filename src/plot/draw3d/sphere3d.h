// Public routine that draws a filled sphere.
#pragma once

namespace plotix {

// A filled sphere: centre, radius in x units, n sectors, m bands.
void sphe3d(float xm, float ym, float zm, float r, int n, int m);

}  // namespace plotix
