// The setting is read at the moment of playing, so a change made elsewhere counts at once.
#include "sound_effect.h"

#include "settings_store.h"
#include "wave_player.h"

void PlaySoundEffect(const char* waveFileName) {
    if (settingsStore.GetSoundEffects() != 0) {
        PlayWaveFile(waveFileName);
    }
}
