// PlayWaveFile for the tests: records the name instead of playing it. The dialogs call it
// on their own thread, the tests read it on theirs.
#include "wave_player.h"
#include "wave_recorder.h"

#include <mutex>

namespace {
std::mutex mutex;
std::vector<std::string> recorded;
} // namespace

void PlayWaveFile(const char* waveFileName) {
    const std::lock_guard lock(mutex);
    recorded.emplace_back(waveFileName);
}

std::vector<std::string> RecordedWaves() {
    const std::lock_guard lock(mutex);
    return recorded;
}

void ForgetRecordedWaves() {
    const std::lock_guard lock(mutex);
    recorded.clear();
}
