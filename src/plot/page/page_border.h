// Public routine that draws the page border.
#pragma once

namespace plotix {

void pagera();

}  // namespace plotix
