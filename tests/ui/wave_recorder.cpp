// The recorder is linked in place of the library's PlayWaveFile. Sounds are asked for on the
// window's thread and read on the test's, hence the lock.
#include "wave_recorder.h"

#include "wave_player.h"

#include <algorithm>
#include <mutex>

namespace {

std::mutex lock;
std::vector<std::string> sounds;

} // namespace

void PlayWaveFile(const char* waveFileName) {
    const std::lock_guard guard(lock);
    sounds.emplace_back(waveFileName);
}

std::vector<std::string> RecordedSounds() {
    const std::lock_guard guard(lock);
    return sounds;
}

int RecordedCount(const std::string& waveFileName) {
    const std::lock_guard guard(lock);
    return static_cast<int>(std::count(sounds.begin(), sounds.end(), waveFileName));
}

void ClearRecordedSounds() {
    const std::lock_guard guard(lock);
    sounds.clear();
}
