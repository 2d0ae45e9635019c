// The dialog framework's own rules: message tables searched most derived first, commands
// matched by notification code and control id range, handlers that ask for default
// processing; initialisation data applied record by record, in order, and never past the
// end of the resource; a dialog's object found whatever else uses the window.
#include "dialog.h"
#include "dialog_colours.h"
#include "framework_test_ids.h"
#include "message_map.h"
#include "modal_run.h"
#include "screen.h"
#include "wait.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class BaseTarget : public CCmdTarget {
public:
    std::vector<std::string> calls;

protected:
    void OnBaseTimer() { calls.push_back("base timer"); }
    void OnBaseSize() { calls.push_back("base size"); }

    const MessageMap* GetMessageMap() const override { return &messageMap; }
    static const MessageMap messageMap;

private:
    static const MessageEntry messageEntries[];
};

const MessageEntry BaseTarget::messageEntries[] = {
    OnMessage(WM_TIMER, Handler<&BaseTarget::OnBaseTimer>),
    OnMessage(WM_SIZE, Handler<&BaseTarget::OnBaseSize>),
};
const MessageMap BaseTarget::messageMap = {&CCmdTarget::messageMap, messageEntries,
                                           std::size(messageEntries)};

class DerivedTarget : public BaseTarget {
public:
    bool passOn = false;

protected:
    void OnTimer() { calls.push_back("derived timer"); }
    void OnColour(int colour) { calls.push_back("colour " + std::to_string(colour)); }
    void OnDoubleClick() { calls.push_back("double-click"); }
    bool OnPaintRequest() {
        calls.push_back("paint request");
        return !passOn;
    }

    const MessageMap* GetMessageMap() const override { return &messageMap; }
    static const MessageMap messageMap;

private:
    static const MessageEntry messageEntries[];
};

const MessageEntry DerivedTarget::messageEntries[] = {
    OnMessage(WM_TIMER, Handler<&DerivedTarget::OnTimer>),
    OnCommand(BN_CLICKED, 1094, Handler<&DerivedTarget::OnColour, 2>),
    {WM_COMMAND, BN_DOUBLECLICKED, 1092, 1097, Handler<&DerivedTarget::OnDoubleClick>},
    OnMessage(WM_PAINT, Handler<&DerivedTarget::OnPaintRequest>),
};
const MessageMap DerivedTarget::messageMap = {&BaseTarget::messageMap, messageEntries,
                                              std::size(messageEntries)};

bool Send(CCmdTarget& target, UINT message, WPARAM wParam = 0) {
    LRESULT result = -1;
    return target.Dispatch({message, wParam, 0}, result);
}

} // namespace

TEST(MessageMapTest, TheMostDerivedTableIsSearchedFirstThenItsBase) {
    DerivedTarget target;
    EXPECT_TRUE(Send(target, WM_TIMER));
    EXPECT_TRUE(Send(target, WM_SIZE));
    EXPECT_FALSE(Send(target, WM_MOVE));
    EXPECT_EQ(target.calls, (std::vector<std::string>{"derived timer", "base size"}));
}

TEST(MessageMapTest, CommandsMatchByNotificationCodeAndControlRange) {
    DerivedTarget target;
    EXPECT_TRUE(Send(target, WM_COMMAND, MAKEWPARAM(1094, BN_CLICKED)));
    EXPECT_FALSE(Send(target, WM_COMMAND, MAKEWPARAM(1095, BN_CLICKED)));
    EXPECT_TRUE(Send(target, WM_COMMAND, MAKEWPARAM(1092, BN_DOUBLECLICKED)));
    EXPECT_TRUE(Send(target, WM_COMMAND, MAKEWPARAM(1097, BN_DOUBLECLICKED)));
    EXPECT_FALSE(Send(target, WM_COMMAND, MAKEWPARAM(1091, BN_DOUBLECLICKED)));
    EXPECT_FALSE(Send(target, WM_COMMAND, MAKEWPARAM(1098, BN_DOUBLECLICKED)));
    EXPECT_FALSE(Send(target, WM_COMMAND, MAKEWPARAM(1094, BN_SETFOCUS)));
    EXPECT_EQ(target.calls, (std::vector<std::string>{"colour 2", "double-click", "double-click"}));
}

TEST(MessageMapTest, AHandlerReturningFalseAsksForDefaultProcessing) {
    DerivedTarget target;
    EXPECT_TRUE(Send(target, WM_PAINT));
    target.passOn = true;
    EXPECT_FALSE(Send(target, WM_PAINT));
    EXPECT_EQ(target.calls, (std::vector<std::string>{"paint request", "paint request"}));
}

TEST(InitDataTest, RecordsAreAppliedInOrderAndNoneRunsPastTheResource) {
    ModalRun run([] { return std::make_unique<CDialog>(IDD_TEST_INIT_DATA); });
    const HWND dialog = WaitForDialog("Init data");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ItemsOf(GetDlgItem(dialog, IDC_TEST_COMBO)),
              (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(ItemsOf(GetDlgItem(dialog, IDC_TEST_LIST)), (std::vector<std::string>{"list"}));
    PostMessageA(dialog, WM_CLOSE, 0, 0);
    EXPECT_EQ(run.Result(), IDCANCEL);
}

// The window slot the dialog manager leaves to programs is not where the dialog finds its
// object: what other code puts there changes nothing.
TEST(WindowObjectTest, ADialogStaysItsObjectsWhateverIsPutInItsUserSlot) {
    ModalRun run([] { return std::make_unique<CDialog>(IDD_TEST_INIT_DATA); });
    const HWND dialog = WaitForDialog("Init data");
    ASSERT_NE(dialog, nullptr);
    SetWindowLongPtrA(dialog, DWLP_USER, 0x5A5A5A50);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_EQ(run.Result(), IDOK);
}

// A dialog opened while a message box is up (the lose dialog, when the clock runs out) is
// caught by the box's colour hook too, which puts a window procedure of its own in front.
class CaughtDialog : public CDialog {
public:
    CaughtDialog() : CDialog(IDD_TEST_INIT_DATA) {}

private:
    PlatformDialogColours boxColours; // made on the dialog's thread, before its window
};

TEST(WindowObjectTest, ADialogTheMessageBoxColourHookCatchesStaysItsObjects) {
    ModalRun run([] { return std::make_unique<CaughtDialog>(); });
    const HWND dialog = WaitForDialog("Init data");
    ASSERT_NE(dialog, nullptr);
    ASSERT_NE(GetWindowLongPtrA(dialog, GWLP_WNDPROC), GetClassLongPtrA(dialog, GCLP_WNDPROC))
        << "the hook put its procedure in front";
    EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_TEST_COMBO, CB_GETCOUNT, 0, 0), 2)
        << "the object initialised the dialog";
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_EQ(run.Result(), IDOK);
}
