// Bare file name, flags 3: asynchronous, and silence rather than the default sound.
#include "wave_player.h"

#include <windows.h>
#include <mmsystem.h>

void PlayWaveFile(const char* waveFileName) {
    sndPlaySoundA(waveFileName, SND_ASYNC | SND_NODEFAULT);
}
