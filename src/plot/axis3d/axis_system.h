// Public routine that opens a 3D axis system.
#pragma once

namespace plotix {

// Opens a 3D axis system (level 1 -> 3) and draws its labelled axes.
void graf3d(float xa, float xe, float xo, float xstep, float ya, float ye, float yo,
            float ystep, float za, float ze, float zo, float zstep);

}  // namespace plotix
