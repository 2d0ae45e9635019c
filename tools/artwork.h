// The whole artwork catalogue as files: every bitmap and icon the resource script names.
#pragma once

#include "asset.h"

#include <vector>

std::vector<Asset> Artwork();
