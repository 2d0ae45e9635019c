// Two running copies share the settings: each read sees what the other wrote last,
// because the store keeps nothing between calls.
#include "settings_io.h"
#include "settings_store.h"
#include "settings_test_support.h"

namespace {

using SharedStorageTest = SettingsStorageTest;

TEST_F(SharedStorageTest, TwoProcessesSeeEachOthersLatestRegistryValue) {
    EXPECT_EQ(settingsStore.GetTimeLimit(), 15);
    EXPECT_EQ(RunSecondProcess("registry", 9), 15); // nothing stored yet
    EXPECT_EQ(settingsStore.GetTimeLimit(), 9);
    settingsStore.SetTimeLimit(4);
    EXPECT_EQ(RunSecondProcess("registry", 2), 4);
    EXPECT_EQ(settingsStore.GetTimeLimit(), 2);
    settingsStore.SetTimeLimit(6);
    EXPECT_EQ(RunSecondProcess("registry", 11), 6);
    EXPECT_EQ(settingsStore.GetTimeLimit(), 11);
}

TEST_F(SharedStorageTest, TwoProcessesSeeEachOthersLatestProfileEntryOnWin32s) {
    EXPECT_EQ(ReadSetting(kTimeLimit, kWin32sVersion), 15);
    EXPECT_EQ(RunSecondProcess("profile", 9), 15);
    EXPECT_EQ(ReadSetting(kTimeLimit, kWin32sVersion), 9);
    WriteSetting(kTimeLimit, 4, kWin32sVersion);
    EXPECT_EQ(RunSecondProcess("profile", 2), 4);
    EXPECT_EQ(ReadSetting(kTimeLimit, kWin32sVersion), 2);
    WriteSetting(kTimeLimit, 6, kWin32sVersion);
    EXPECT_EQ(RunSecondProcess("profile", 11), 6);
    EXPECT_EQ(ReadSetting(kTimeLimit, kWin32sVersion), 11);
}

} // namespace
