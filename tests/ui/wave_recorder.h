// Stands in for the wave player in the tests: every sound the game asks for is recorded
// by name instead of played, so tests observe the call rather than the speaker.
#pragma once

#include <string>
#include <vector>

std::vector<std::string> RecordedSounds();
int RecordedCount(const std::string& waveFileName);
void ClearRecordedSounds();
