// CDialog: modal run, message dispatch, standard OK/Cancel, list data and centring.
#include "dialog.h"

#include "centring.h"
#include "dialog_colours.h"
#include "framework_resource.h"
#include "help_engine.h"
#include "modal_owner.h"
#include "reflection.h"
#include "win_app.h"
#include "window_object.h"

#include <string>

namespace {

// List-filling messages as the initialisation data writes them, and what they mean here.
constexpr WORD kStoredListBoxAdd = 0x0401;
constexpr WORD kStoredComboBoxAdd = 0x0403;

UINT MessageFromInitData(WORD stored) {
    switch (stored) {
    case kStoredListBoxAdd:
        return LB_ADDSTRING;
    case kStoredComboBoxAdd:
        return CB_ADDSTRING;
    default:
        return stored;
    }
}

// Messages whose answer is the dialog procedure's own return value.
bool AnswersDirectly(UINT message) {
    switch (message) {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
    case WM_INITDIALOG:
        return true;
    default:
        return false;
    }
}

// The window at the top of a window's chain of parents. GetAncestor would do, but Windows 95
// and NT 4.0 lack it.
HWND TopLevelWindow(HWND window) {
    while ((GetWindowLongA(window, GWL_STYLE) & WS_CHILD) != 0) {
        const HWND parent = GetParent(window);
        if (parent == nullptr) {
            break;
        }
        window = parent;
    }
    return window;
}

} // namespace

CDialog::CDialog(int templateId) : templateId(templateId) {}

CDialog::~CDialog() {
    if (window != nullptr) {
        DestroyWindow(window);
    }
}

INT_PTR CDialog::DoModal() {
    const ModalOwner owner;
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), owner.Handle(),
                           DialogProc, reinterpret_cast<LPARAM>(this));
}

void CDialog::EndDialog(int result) { ::EndDialog(window, result); }

void CDialog::UpdateData(bool fromControls) {
    CDataExchange exchange(window, fromControls);
    DataExchange(exchange);
}

void CDialog::DataExchange(CDataExchange&) {}

bool CDialog::OnInitDialog() {
    ApplyInitData();
    UpdateData(false);
    CentreWindow();
    return true;
}

void CDialog::OnOK() {
    UpdateData(true);
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::OnPaint() { Default(); }

void CDialog::CentreWindow() {
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    ScreenRect ownerRect{0, 0, screenWidth, screenHeight};
    if (const HWND owner = GetWindow(window, GW_OWNER); owner != nullptr) {
        RECT rect;
        GetWindowRect(owner, &rect);
        ownerRect = {rect.left, rect.top, rect.right, rect.bottom};
    }
    RECT own;
    GetWindowRect(window, &own);
    const ScreenPoint place = CentredPosition(ownerRect, own.right - own.left,
                                              own.bottom - own.top, screenWidth, screenHeight);
    SetWindowPos(window, nullptr, place.x, place.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CDialog::ApplyInitData() {
    const HMODULE module = GetModuleHandleA(nullptr);
    const HRSRC resource =
        FindResourceA(module, MAKEINTRESOURCEA(templateId), MAKEINTRESOURCEA(RT_DIALOG_INIT));
    if (resource == nullptr) {
        return;
    }
    const DWORD size = SizeofResource(module, resource);
    const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(module, resource)));
    if (data == nullptr) {
        return;
    }
    // Records: control id (16 bits), message (16 bits), data length (32 bits), data;
    // a zero id ends them. A record that would run past the resource is not applied.
    DWORD offset = 0;
    while (offset + 8 <= size) {
        WORD controlId, message;
        DWORD length;
        memcpy(&controlId, data + offset, sizeof controlId);
        if (controlId == 0) {
            break;
        }
        memcpy(&message, data + offset + 2, sizeof message);
        memcpy(&length, data + offset + 4, sizeof length);
        offset += 8;
        if (length > size - offset) {
            break;
        }
        const std::string text(reinterpret_cast<const char*>(data + offset), length);
        SendDlgItemMessageA(window, controlId, MessageFromInitData(message), 0,
                            reinterpret_cast<LPARAM>(text.c_str()));
        offset += length;
    }
}

LRESULT CDialog::Default() {
    const UINT outer = defaultFor;
    defaultFor = current->id;
    const LRESULT result = DefDlgProcA(window, current->id, current->wParam, current->lParam);
    defaultFor = outer;
    return result;
}

bool CDialog::PreTranslateMessage(const MSG&) { return false; }

void CDialog::WinHelp(ULONG_PTR data, UINT command) {
    CWinApp* app = CWinApp::Current();
    if (app == nullptr) {
        return;
    }
    const HCURSOR previous = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    SendMessageA(window, WM_CANCELMODE, 0, 0);
    const HWND topLevel = TopLevelWindow(window);
    if (topLevel != window) {
        SendMessageA(topLevel, WM_CANCELMODE, 0, 0);
    }
    const bool succeeded =
        HelpEngineRequest(topLevel, app->HelpFilePath().c_str(), command, data);
    SetCursor(previous);
    if (!succeeded) {
        app->ShowMessageBox(IDS_FAILED_TO_LAUNCH_HELP, MB_OK | MB_ICONEXCLAMATION);
    }
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* const creating = reinterpret_cast<CDialog*>(lParam);
        if (!AttachObject(window, creating)) {
            ::EndDialog(window, -1); // no object would ever hear of the dialog
            return FALSE;
        }
        creating->window = window;
    }
    CDialog* const self = AttachedObject<CDialog>(window);
    // Before initialisation, and for the message being passed to Default(), the dialog
    // manager does its own work.
    if (self == nullptr || message == self->defaultFor) {
        return FALSE;
    }
    return self->HandleMessage({message, wParam, lParam});
}

INT_PTR CDialog::HandleMessage(const Message& message) {
    const Message* outer = current;
    current = &message;
    INT_PTR answer = FALSE;
    LRESULT result = 0;
    if (Dispatch(message, result)) {
        if (AnswersDirectly(message.id)) {
            answer = static_cast<INT_PTR>(result);
        } else {
            SetWindowLongPtrA(window, DWLP_MSGRESULT, result);
            answer = TRUE;
        }
    } else if (!HandleStandardMessage(message, answer) && message.id == WM_COMMAND) {
        // Commands no window takes go to the application (the help command, for one).
        if (CWinApp* app = CWinApp::Current(); app != nullptr && app->Dispatch(message, result)) {
            answer = TRUE;
        }
    }
    current = outer;
    if (message.id == WM_NCDESTROY) {
        if (CWinApp* app = CWinApp::Current(); app != nullptr && app->mainWindow == this) {
            app->mainWindow = nullptr;
        }
        DetachObject(window);
        window = nullptr;
    }
    return answer;
}

bool CDialog::HandleStandardMessage(const Message& message, INT_PTR& answer) {
    switch (message.id) {
    case WM_INITDIALOG:
        answer = OnInitDialog() ? TRUE : FALSE;
        return true;
    case WM_COMMAND:
        if (HIWORD(message.wParam) != BN_CLICKED) {
            return false;
        }
        if (LOWORD(message.wParam) == IDOK) {
            OnOK();
        } else if (LOWORD(message.wParam) == IDCANCEL) {
            OnCancel();
        } else {
            return false;
        }
        answer = TRUE;
        return true;
    case WM_DRAWITEM: {
        // Owner-drawn controls draw themselves.
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(message.lParam);
        answer = SendMessageA(item->hwndItem, kReflectedDrawItem, 0, message.lParam) != 0;
        return true;
    }
    case WM_PAINT:
        OnPaint();
        answer = TRUE;
        return true;
    case WM_HELP:
        // F1 is taken as the help command before it gets here; nothing more to do.
        answer = TRUE;
        return true;
    default: {
        LRESULT brush = 0;
        if (AnswerDialogColourRequest(message.id, message.wParam, brush)) {
            answer = static_cast<INT_PTR>(brush);
            return true;
        }
        return false;
    }
    }
}
