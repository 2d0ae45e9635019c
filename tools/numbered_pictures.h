// Pegs and colour-button faces with the colour's number (1 to 6) on the disc, for players
// who cannot tell the colours apart; otherwise the same pictures as the plain ones.
#pragma once

#include "canvas.h"

Canvas NumberedPeg(int colourIndex);        // 25 x 25
Canvas NumberedButtonUp(int colourIndex);   // 25 x 25, raised
Canvas NumberedButtonDown(int colourIndex); // 25 x 25, pressed
