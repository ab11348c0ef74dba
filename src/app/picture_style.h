// How a picture is drawn. `classic`: numbers and names on the faces of the box, the
// focus at its page point, the colours of the screen. `clear`, for pictures to
// publish: upright labels outside the box, axis names with their unit, the drawing
// fitted and centred below the titles, Sun and planet markers with a legend, and on
// white paper a dark green path and box lines a quarter of a millimetre wide.
#pragma once

namespace app {

enum class PictureStyle { classic, clear };

// The box of a clear picture: fitted to the path and the planet, or the box of the
// whole Sun-planet system that the classic style draws.
enum class BoxFrame { path, system };

// The path of a clear picture in one colour, or coloured by date with a colour bar
// and the closest approaches marked.
enum class PathColour { plain, time };

// The background of PNG pictures: black like the screen, or white paper.
enum class PngBackground { black, white };

}  // namespace app
