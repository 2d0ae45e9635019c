// The game's wave sounds: played by bare file name, asynchronously, only while the
// Sound Effects setting is on at that moment.
#pragma once

void PlaySoundEffect(const char* waveFileName);
