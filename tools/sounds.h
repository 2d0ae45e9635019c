// The four sound effects as files: "first.wav" when the game starts (a fuse catching),
// "last.wav" when it ends (a soft closing), "win.wav" (a bright chime), "lose.wav" (a bang).
#pragma once

#include "asset.h"

#include <vector>

constexpr int kSoundRate = 22050;

std::vector<Asset> Sounds();
