// The two 32 x 32 icons: a red stick of dynamite lying diagonally, either bursting apart
// in a spray of sparks (the application icon and the loss) or whole with its fuse alight (the win).
#pragma once

#include "canvas.h"

Canvas DynamiteBurst();
Canvas DynamiteWhole();
