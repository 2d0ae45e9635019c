// The one call into the multimedia library's wave player. Kept apart so that tests can
// link their own recorder in its place and observe which sounds the game asks for.
#pragma once

void PlayWaveFile(const char* waveFileName);
