// Who owns a dialog run with no parent: the main window's last active pop-up, disabled for
// the run together with the main window; nobody without a main window. And where it lands:
// centred over that owner, moved (never resized) wholly onto the screen.
#include "about_dialog.h"
#include "centring.h"
#include "dialogs_test_ids.h"
#include "game_dialogs.h"
#include "input.h"
#include "lose_dialog.h"
#include "modal_run.h"
#include "program_texts.h"
#include "resource.h"
#include "screen.h"
#include "settings_dialog.h"
#include "stored_settings.h"
#include "wait.h"
#include "win_app.h"
#include "win_dialog.h"

#include <gtest/gtest.h>

namespace {

constexpr UINT kRunNested = WM_APP;
constexpr UINT kOpenPopup = WM_APP + 1;

// A stand-in for the main window: on request, runs a dialog modally from its own handler
// (as the game's command handlers do), or opens a modeless owned pop-up.
class HostDialog : public CDialog {
public:
    HostDialog(int templateId, ModalRun::Factory nested)
        : CDialog(templateId), nested(std::move(nested)) {}

    std::atomic<INT_PTR> nestedResult{0};

protected:
    void RunNested() { nestedResult = nested()->DoModal(); }
    void OpenPopup() {
        const HWND popup =
            CreateWindowExA(0, "STATIC", "Pop-up", WS_POPUP | WS_CAPTION | WS_VISIBLE, 20, 20, 200,
                            80, Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
        SetActiveWindow(popup);
    }

    const MessageMap* GetMessageMap() const override { return &messageMap; }
    static const MessageMap messageMap;

private:
    static const MessageEntry messageEntries[];
    ModalRun::Factory nested;
};

const MessageEntry HostDialog::messageEntries[] = {
    OnMessage(kRunNested, Handler<&HostDialog::RunNested>),
    OnMessage(kOpenPopup, Handler<&HostDialog::OpenPopup>),
};
const MessageMap HostDialog::messageMap = {&CDialog::messageMap, messageEntries,
                                           std::size(messageEntries)};

RECT WindowRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

int ScreenWidth() {
    return GetSystemMetrics(SM_CXSCREEN);
}
int ScreenHeight() {
    return GetSystemMetrics(SM_CYSCREEN);
}

// Where the centring rule puts a window of this size over that owner rectangle.
POINT CentredOver(const RECT& owner, const RECT& dialog) {
    const ScreenPoint place = CentredPosition(
        {owner.left, owner.top, owner.right, owner.bottom}, dialog.right - dialog.left,
        dialog.bottom - dialog.top, ScreenWidth(), ScreenHeight());
    return {place.x, place.y};
}

bool WhollyOnScreen(const RECT& rect) {
    return rect.left >= 0 && rect.top >= 0 && rect.right <= ScreenWidth() &&
           rect.bottom <= ScreenHeight();
}

class OwnerTest : public StoredSettingsTest {
protected:
    // Runs the host as the application's main window; its nested dialog comes from nested.
    void StartHost(ModalRun::Factory nestedDialog) {
        hostRun = std::make_unique<ModalRun>([this, nestedDialog] {
            auto dialog = std::make_unique<HostDialog>(IDD_TEST_HOST, nestedDialog);
            host = dialog.get();
            app.mainWindow = dialog.get();
            return dialog;
        });
        hostWindow = WaitForDialog("Host");
        ASSERT_NE(hostWindow, nullptr);
    }
    void TearDown() override { hostRun.reset(); }

    // The nested dialog `from` runs, once it is up; checked to be owned by `owner`, which it
    // disables, and the main window with it. Null when it did not come up.
    HWND OpenNested(HWND from, const char* caption, HWND owner) {
        PostMessageA(from, kRunNested, 0, 0);
        const HWND dialog = WaitForDialog(caption);
        if (dialog != nullptr) {
            EXPECT_EQ(GetWindow(dialog, GW_OWNER), owner) << caption;
            EXPECT_FALSE(IsWindowEnabled(owner)) << caption;
            EXPECT_FALSE(IsWindowEnabled(hostWindow)) << caption;
        }
        return dialog;
    }

    CWinApp app;
    std::unique_ptr<ModalRun> hostRun;
    std::atomic<HostDialog*> host{nullptr};
    HWND hostWindow = nullptr;
};

} // namespace

TEST_F(OwnerTest, TheMainWindowOwnsADialogAndIsDisabledWhileItRuns) {
    StartHost([] { return std::make_unique<AboutDialog>(); });
    const HWND about = OpenNested(hostWindow, Caption(IDD_ABOUT), hostWindow);
    ASSERT_NE(about, nullptr);

    // Centred over the main window, at the template's own size.
    const RECT rect = WindowRect(about);
    const POINT expected = CentredOver(WindowRect(hostWindow), rect);
    EXPECT_EQ(rect.left, expected.x);
    EXPECT_EQ(rect.top, expected.y);
    RECT client{}, units{0, 0, 182, 167};
    GetClientRect(about, &client);
    MapDialogRect(about, &units);
    EXPECT_EQ(client.right, units.right);
    EXPECT_EQ(client.bottom, units.bottom);

    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); }));
    EXPECT_EQ(host.load()->nestedResult, IDCANCEL);
    EXPECT_TRUE(IsWindowEnabled(hostWindow));
    PressKey(VK_RETURN);
    EXPECT_EQ(hostRun->Result(), IDOK);
}

TEST_F(OwnerTest, ADialogOverAnotherIsOwnedByItAndTheMainWindowStaysDisabled) {
    StartHost([] {
        return std::make_unique<HostDialog>(IDD_TEST_INNER_HOST,
                                            [] { return std::make_unique<WinDialog>(); });
    });
    const HWND inner = OpenNested(hostWindow, "Inner host", hostWindow);
    ASSERT_NE(inner, nullptr);
    const HWND win = OpenNested(inner, Caption(IDD_WIN), inner);
    ASSERT_NE(win, nullptr);
    const RECT rect = WindowRect(win);
    EXPECT_EQ(rect.left, CentredOver(WindowRect(inner), rect).x);
    EXPECT_EQ(rect.top, CentredOver(WindowRect(inner), rect).y);

    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(win); }));
    EXPECT_TRUE(IsWindowEnabled(inner));
    EXPECT_FALSE(IsWindowEnabled(hostWindow)) << "the inner dialog still runs";
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(inner); }));
    EXPECT_TRUE(IsWindowEnabled(hostWindow));
}

TEST_F(OwnerTest, AnActiveOwnedPopUpOwnsTheDialogAndTheMainWindowIsDisabledToo) {
    StartHost([] { return std::make_unique<SettingsDialog>(); });
    SendMessageA(hostWindow, kOpenPopup, 0, 0);
    const HWND popup = FindWindowA("Static", "Pop-up");
    ASSERT_NE(popup, nullptr);
    ASSERT_EQ(GetLastActivePopup(hostWindow), popup);
    ASSERT_TRUE(IsWindowEnabled(hostWindow));

    const HWND settings = OpenNested(hostWindow, Caption(IDD_SETTINGS), popup);
    ASSERT_NE(settings, nullptr);

    PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(settings); }));
    EXPECT_TRUE(IsWindowEnabled(popup));
    EXPECT_TRUE(IsWindowEnabled(hostWindow)) << "enabled again after the run";
}

TEST_F(OwnerTest, WithoutAMainWindowADialogHasNoOwnerAndIsCentredOnTheScreen) {
    // An application object whose main window is not running yet counts as none.
    HostDialog notRunning(IDD_TEST_HOST, nullptr);
    app.mainWindow = &notRunning;
    ModalRun run([] { return std::make_unique<LoseDialog>(std::array{0, 1, 2, 3}); });
    const HWND lose = WaitForDialog(Caption(IDD_LOSE));
    ASSERT_NE(lose, nullptr);
    EXPECT_EQ(GetWindow(lose, GW_OWNER), nullptr);
    const RECT rect = WindowRect(lose);
    const POINT expected = CentredOver({0, 0, ScreenWidth(), ScreenHeight()}, rect);
    EXPECT_EQ(rect.left, expected.x);
    EXPECT_EQ(rect.top, expected.y);
    PressKey(VK_RETURN);
    EXPECT_EQ(run.Result(), IDOK);
    app.mainWindow = nullptr;
}

TEST_F(OwnerTest, EveryDialogOverAMainWindowNearAnEdgeLandsWhollyOnTheScreen) {
    const std::span<const GameDialog> dialogs = GameDialogs();
    std::atomic<int> next{0};
    StartHost([&] { return dialogs[next.load()].make(); });
    const RECT hostRect = WindowRect(hostWindow);
    const int width = hostRect.right - hostRect.left, height = hostRect.bottom - hostRect.top;
    // Top-left corners sticking out past each edge and corner of the screen.
    const POINT places[] = {
        {-width / 2 - 40, 100},      {ScreenWidth() - width / 2 + 40, 100},
        {100, -height / 2 - 40},     {100, ScreenHeight() - height / 2 + 40},
        {-width + 30, -height + 30}, {ScreenWidth() - 30, ScreenHeight() - 30},
    };
    for (const POINT place : places) {
        SetWindowPos(hostWindow, nullptr, place.x, place.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        for (int index = 0; index < static_cast<int>(dialogs.size()); ++index) {
            const std::string where = std::string(dialogs[index].caption) +
                                      " over a main window at " + std::to_string(place.x) + "," +
                                      std::to_string(place.y);
            next = index;
            PostMessageA(hostWindow, kRunNested, 0, 0);
            const HWND dialog = WaitForDialog(dialogs[index].caption);
            ASSERT_NE(dialog, nullptr) << where;
            const RECT rect = WindowRect(dialog);
            EXPECT_TRUE(WhollyOnScreen(rect)) << where;
            const POINT expected = CentredOver(WindowRect(hostWindow), rect);
            EXPECT_EQ(rect.left, expected.x) << where;
            EXPECT_EQ(rect.top, expected.y) << where;
            PressKey(VK_ESCAPE);
            ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); })) << where;
        }
    }
}
