// The game's bitmaps, one function per kind of picture, all on the light grey background
// of the dialogs so that they merge with the window around them.
#pragma once

#include "canvas.h"

// The peg disc covers columns and rows 3 to 20 of the 25 x 25 pictures (4 to 21 on the
// pressed button face).
inline constexpr int kPegDiscLeft = 3;

// Peg colour of ColourIndex 0..5: red, yellow, green, blue, dark red, magenta.
std::uint8_t PegColour(int colourIndex);

Canvas Peg(int colourIndex);        // 25 x 25
Canvas ButtonUp(int colourIndex);   // 25 x 25, raised
Canvas ButtonDown(int colourIndex); // 25 x 25, pressed
Canvas LargeDigit(int digit);       // 24 x 35
Canvas Colon();                     // 12 x 35
Canvas SmallDigit(int digit);       // 11 x 23
Canvas HeaderExact();               // 18 x 18: the same colour in the same place
Canvas HeaderColour();              // 18 x 18: a colour that has moved
