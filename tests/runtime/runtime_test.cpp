// The game's own runtime, on a small program built as the game is: the globals live around
// WinMain, which gets the arguments and the show state and whose result is the exit status;
// memory or a precondition running out ends the program with a message box.
#include "files.h"
#include "program_process.h"
#include "screen.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr char kLog[] = "runtime_probe.log";

class RuntimeTest : public testing::Test {
protected:
    void SetUp() override { DeleteFileA(kLog); }
    void TearDown() override { DeleteFileA(kLog); }

    static std::string Log() { return ReadWholeFile(kLog).value_or(""); }
};

TEST_F(RuntimeTest, GlobalsAreBuiltBeforeWinMainAndDestroyedInReverseAfterIt) {
    // Unquoted and quoted program names, each followed by more than one blank.
    const struct {
        std::string commandLine;
        WORD show;
        const char* winMain;
    } starts[] = {
        {"runtime_probe.exe  plain", SW_SHOWDEFAULT, "WinMain 10 [plain]"},
        {"\"runtime_probe.exe\"\t one \"two  three\" ", SW_SHOWMINNOACTIVE,
         "WinMain 7 [one \"two  three\" ]"},
    };
    for (const auto& start : starts) {
        DeleteFileA(kLog);
        ProgramProcess probe(start.commandLine, start.show);
        ASSERT_TRUE(probe.Started()) << probe.StartError();
        DWORD status = 0;
        ASSERT_TRUE(probe.WaitForExit(status, 10000));
        EXPECT_EQ(status, 42u) << "WinMain's result";
        EXPECT_EQ(Log(), "built first\nbuilt second\n" + std::string(start.winMain) +
                             "\ndestroyed second\ndestroyed first\n");
    }
}

struct Failure {
    const char* asked;
    const char* message;
};

void PrintTo(const Failure& failure, std::ostream* out) {
    *out << failure.asked;
}

class RuntimeFailureTest : public RuntimeTest, public testing::WithParamInterface<Failure> {};

TEST_P(RuntimeFailureTest, EndsWithAMessageBoxAndAFailureStatus) {
    ProgramProcess probe(std::string("runtime_probe.exe ") + GetParam().asked);
    ASSERT_TRUE(probe.Started()) << probe.StartError();
    const HWND box = probe.WaitForWindow("#32770", "runtime_probe.exe", 10000);
    ASSERT_NE(box, nullptr) << "no message box";
    EXPECT_TRUE(ShowsText(box, GetParam().message)) << "the box says what happened";
    EXPECT_TRUE(probe.Running()) << "the program waits for the player";

    PostMessageA(box, WM_COMMAND, IDOK, 0);
    DWORD status = 0;
    ASSERT_TRUE(probe.WaitForExit(status, 10000));
    EXPECT_EQ(status, 3u);
    EXPECT_EQ(Log(),
              "built first\nbuilt second\nWinMain 10 [" + std::string(GetParam().asked) + "]\n")
        << "nothing runs after the failure, not even the destructors";
}

INSTANTIATE_TEST_SUITE_P(
    AllocationAndPrecondition, RuntimeFailureTest,
    testing::Values(Failure{"exhaust-memory", "The program has stopped: out of memory."},
                    Failure{"overlong-string",
                            "The program has stopped: basic_string::_M_create."}));

} // namespace
