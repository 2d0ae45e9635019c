// Encodes a 16-colour palette picture as a one-image Windows icon file: the colour image
// and the transparency (AND) mask, taken from the picture's kTransparent pixels.
#pragma once

#include "canvas.h"

#include <cstdint>
#include <vector>

std::vector<std::uint8_t> EncodeIco(const Canvas& canvas);
