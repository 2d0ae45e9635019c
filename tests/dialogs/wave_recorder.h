// Which wave files the code under test asked the player for. The test program links its
// own PlayWaveFile in place of the multimedia library's call and records the names.
#pragma once

#include <string>
#include <vector>

std::vector<std::string> RecordedWaves();
void ForgetRecordedWaves();
