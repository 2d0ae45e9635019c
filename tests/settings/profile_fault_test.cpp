// The profile back end (Win32s, by the version handed in) over a profile file that is corrupt,
// read-only, or not a file at all: every read gives a value in its range, nothing crashes,
// a write that cannot be made leaves what the file holds, and one that can be made is read.
#include "files.h"
#include "settings_io.h"
#include "settings_rules.h"
#include "win_app.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <random>
#include <string>

namespace {

constexpr DWORD kWin32sVersion = 0x80000A03; // Win32s on Windows 3.1

const SettingKey* const kKeys[] = {&kNumberOfGuesses, &kDuplicates, &kSoundEffects,
                                   &kTimeLimit};
const SettingKey* const kRangedKeys[] = {&kNumberOfGuesses, &kTimeLimit};

struct CorruptFile {
    const char* name;
    std::string contents;
    std::optional<int> guesses; // what NumberOfGuesses must read, where the text decides it
};

std::string BinaryJunk() {
    std::mt19937 random(20240611);
    std::string junk(4096, '\0');
    for (char& c : junk) {
        c = static_cast<char>(random() % 256);
    }
    return junk;
}

std::string Utf16(const std::string& text) {
    std::string wide("\xff\xfe", 2);
    for (const char c : text) {
        wide += c;
        wide += '\0';
    }
    return wide;
}

const CorruptFile kCorruptFiles[] = {
    {"empty", "", 12},
    {"binary junk", BinaryJunk(), std::nullopt},
    {"control characters only", std::string("\x1a\x00\r\r\n\n\x7f", 7), 12},
    {"entries before any section", "NumberOfGuesses=7\r\nTimeLimit=3\r\n", 12},
    {"an entry without its value", "[Zodedu]\r\nNumberOfGuesses\r\nTimeLimit=3\r\n", 12},
    {"a line of 100,000 digits", "[Zodedu]\r\nNumberOfGuesses=" + std::string(100000, '7'), 12},
    {"an unclosed section header", "[Zodedu\r\nNumberOfGuesses=7\r\n", std::nullopt},
    {"the section twice", "[Zodedu]\r\nNumberOfGuesses=x\r\n[Zodedu]\r\nNumberOfGuesses=7\r\n",
     std::nullopt},
    {"NULs inside an entry", std::string("[Zodedu]\r\nNumberOfGuesses=7\0\0x\r\n", 31),
     std::nullopt},
    {"no line ends", "[Zodedu]NumberOfGuesses=7TimeLimit=3", std::nullopt},
    {"UTF-16 text", Utf16("[Zodedu]\r\nNumberOfGuesses=7\r\n"), std::nullopt},
};

class ProfileFaultTest : public testing::Test {
protected:
    void SetUp() override {
        app.StartUp();
        Remove();
    }
    void TearDown() override { Remove(); }

    std::string Path() const { return WindowsFile(app.Names().profileFileName); }

    // The platform keeps a profile file it has read in memory; this drops it.
    void Forget() const { WritePrivateProfileStringA(nullptr, nullptr, nullptr, Path().c_str()); }

    void Write(const std::string& contents) const {
        ASSERT_TRUE(WriteWholeFile(Path(), contents));
        Forget();
    }

    std::optional<std::string> Contents() const { return ReadWholeFile(Path()); }

    void Remove() const {
        SetFileAttributesA(Path().c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(Path().c_str());
        RemoveDirectoryA(Path().c_str());
        Forget();
    }

    // Duplicates and Sound Effects take any value: for them, reading is the test.
    static void ExpectEveryReadInRange(const std::string& context) {
        for (const SettingKey* key : kKeys) {
            ReadSetting(*key, kWin32sVersion);
        }
        for (const SettingKey* key : kRangedKeys) {
            const int value = ReadSetting(*key, kWin32sVersion);
            EXPECT_GE(value, key->lowest) << context << ": " << key->name;
            EXPECT_LE(value, key->highest) << context << ": " << key->name;
        }
    }

    CWinApp app;
};

TEST_F(ProfileFaultTest, ACorruptFileReadsInRangeAndTakesTheNextWrite) {
    for (const CorruptFile& corrupt : kCorruptFiles) {
        Write(corrupt.contents);
        ExpectEveryReadInRange(corrupt.name);
        if (corrupt.guesses) {
            EXPECT_EQ(ReadSetting(kNumberOfGuesses, kWin32sVersion), *corrupt.guesses)
                << corrupt.name;
        }
        WriteSetting(kNumberOfGuesses, 5, kWin32sVersion);
        EXPECT_EQ(ReadSetting(kNumberOfGuesses, kWin32sVersion), 5) << corrupt.name;
        Forget();
        EXPECT_EQ(ReadSetting(kNumberOfGuesses, kWin32sVersion), 5)
            << corrupt.name << ": the write reached the file";
        Remove();
    }
}

// Read-only, and held open without write sharing as an editor or a backup might hold it:
// Wine run as root writes a file marked read-only all the same.
TEST_F(ProfileFaultTest, AFileThatCannotBeWrittenKeepsItsValuesAndAWriteChangesNothing) {
    const std::string contents = "[Zodedu]\r\nNumberOfGuesses=7\r\nTimeLimit=3\r\n";
    Write(contents);
    ASSERT_TRUE(SetFileAttributesA(Path().c_str(), FILE_ATTRIBUTE_READONLY));
    KernelHandle held = HoldFile(Path(), FILE_SHARE_READ);
    ASSERT_TRUE(held);
    EXPECT_EQ(ReadSetting(kNumberOfGuesses, kWin32sVersion), 7);
    EXPECT_EQ(ReadSetting(kTimeLimit, kWin32sVersion), 3);

    WriteSetting(kNumberOfGuesses, 4, kWin32sVersion);
    WriteSetting(kDuplicates, 1, kWin32sVersion);
    EXPECT_EQ(Contents(), contents);
    // The next read returns what storage holds, in this program as in any other.
    EXPECT_EQ(ReadSetting(kNumberOfGuesses, kWin32sVersion), 7);
    EXPECT_EQ(ReadSetting(kDuplicates, kWin32sVersion), 0);
    held.Reset();
    Forget();
    EXPECT_EQ(ReadSetting(kNumberOfGuesses, kWin32sVersion), 7);
    EXPECT_EQ(ReadSetting(kTimeLimit, kWin32sVersion), 3);
    EXPECT_EQ(Contents(), contents);
}

TEST_F(ProfileFaultTest, AFolderInThePlaceOfTheFileReadsAsTheDefaults) {
    ASSERT_TRUE(CreateDirectoryA(Path().c_str(), nullptr));
    ExpectEveryReadInRange("a folder");
    WriteSetting(kTimeLimit, 4, kWin32sVersion);
    EXPECT_EQ(ReadSetting(kTimeLimit, kWin32sVersion), 15);
    EXPECT_EQ(ReadSetting(kNumberOfGuesses, kWin32sVersion), 12);
    EXPECT_EQ(GetFileAttributesA(Path().c_str()) & FILE_ATTRIBUTE_DIRECTORY,
              DWORD{FILE_ATTRIBUTE_DIRECTORY});
}

} // namespace
