// Bare file name, flags 3: asynchronous, and silence rather than the default sound.
// The multimedia library is loaded at the first sound rather than at start-up, where it would
// cost every silent game its load; it then stays for the run, as a sound plays on after the
// call returns.
#include "wave_player.h"

#include <windows.h>
#include <mmsystem.h>

namespace {

using PlaySoundFunction = BOOL(WINAPI*)(LPCSTR, UINT);

PlaySoundFunction LoadWavePlayer() {
    const HMODULE multimedia = LoadLibraryA("winmm.dll");
    if (multimedia == nullptr) {
        return nullptr;
    }
    // Through the generic function pointer type, which converts to any other.
    return reinterpret_cast<PlaySoundFunction>(
        reinterpret_cast<void (*)()>(GetProcAddress(multimedia, "sndPlaySoundA")));
}

} // namespace

void PlayWaveFile(const char* waveFileName) {
    static const PlaySoundFunction play = LoadWavePlayer();
    if (play != nullptr) {
        play(waveFileName, SND_ASYNC | SND_NODEFAULT);
    }
}
