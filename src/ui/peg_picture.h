// Which bitmap shows a peg: the plain picture, or the same disc carrying its colour's number
// (1 to 6, the key that enters it) when the player has asked for numbered pegs.
#pragma once

#include "game_state.h"
#include "resource.h"

constexpr int PegBitmap(ColourIndex colour, bool numberedPegs) {
    return (numberedPegs ? IDB_NUMBERED_PEG_FIRST : IDB_PEG_FIRST) + colour;
}
