// The result dialogs ask for their sound as they open, by bare name, only while Sound
// Effects is non-zero at that moment; the About dialog never does.
#include "about_dialog.h"
#include "input.h"
#include "lose_dialog.h"
#include "modal_run.h"
#include "program_texts.h"
#include "resource.h"
#include "stored_settings.h"
#include "wait.h"
#include "wave_recorder.h"
#include "win_dialog.h"

#include <gtest/gtest.h>

namespace {

class SoundTest : public StoredSettingsTest {
protected:
    void SetUp() override { ClearRecordedSounds(); }

    // Opens the dialog, returns the sounds asked for while it is up, and closes it.
    static std::vector<std::string> SoundsOf(const ModalRun::Factory& make, const char* caption) {
        ClearRecordedSounds();
        ModalRun run(make);
        const HWND dialog = WaitForDialog(caption);
        EXPECT_NE(dialog, nullptr) << caption;
        const std::vector<std::string> sounds = RecordedSounds();
        PressKey(VK_ESCAPE);
        EXPECT_EQ(run.Result(), IDCANCEL) << caption;
        EXPECT_EQ(RecordedSounds(), sounds) << caption << ": no sound on closing";
        return sounds;
    }
    static std::vector<std::string> LoseSounds() {
        return SoundsOf(
            [] {
                return std::make_unique<LoseDialog>(std::array{0, 0, 0, 0});
            },
            Caption(IDD_LOSE));
    }
    static std::vector<std::string> WinSounds() {
        return SoundsOf([] { return std::make_unique<WinDialog>(); }, Caption(IDD_WIN));
    }
    static std::vector<std::string> AboutSounds() {
        return SoundsOf([] { return std::make_unique<AboutDialog>(); }, Caption(IDD_ABOUT));
    }

    const std::vector<std::string> none;
};

} // namespace

TEST_F(SoundTest, SilentWithNothingStoredOrWithSoundsOff) {
    EXPECT_EQ(LoseSounds(), none);
    EXPECT_EQ(WinSounds(), none);
    StoreSetting("Sound Effects", "0");
    EXPECT_EQ(LoseSounds(), none);
    EXPECT_EQ(WinSounds(), none);
}

TEST_F(SoundTest, EachResultDialogPlaysItsOwnSoundWhenSoundsAreOn) {
    for (const char* on : {"1", "7"}) {
        StoreSetting("Sound Effects", on);
        EXPECT_EQ(LoseSounds(), std::vector<std::string>{"lose.wav"}) << on;
        EXPECT_EQ(WinSounds(), std::vector<std::string>{"win.wav"}) << on;
        EXPECT_EQ(AboutSounds(), none) << on;
    }
}

TEST_F(SoundTest, TheSettingIsReadAsEachDialogOpens) {
    StoreSetting("Sound Effects", "0");
    EXPECT_EQ(WinSounds(), none);
    StoreSetting("Sound Effects", "1");
    EXPECT_EQ(WinSounds(), std::vector<std::string>{"win.wav"});
    StoreSetting("Sound Effects", "0");
    EXPECT_EQ(LoseSounds(), none);
}
