// The help window: its window class, the RichEdit text view, streaming the document in, and
// the keys of a reader (Escape closes, the movement keys scroll).
#include "help_window.h"

#include "window_object.h"

#include <richedit.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <utility>

namespace {

constexpr char kFrameClass[] = "HelpEngineWindow";
constexpr int kTextViewId = 1;
constexpr int kPreferredWidth = 520;
constexpr int kPreferredHeight = 480;
constexpr int kMinimumWidth = 200;
constexpr int kMinimumHeight = 150;
constexpr int kTextMargin = 10;

HelpWindow* openWindow = nullptr;

HINSTANCE Instance() { return GetModuleHandleA(nullptr); }

struct DocumentReader {
    const std::string& document;
    std::size_t offset = 0;
};

DWORD CALLBACK ReadChunk(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* given) {
    auto* reader = reinterpret_cast<DocumentReader*>(cookie);
    const std::size_t count = std::min(reader->document.size() - reader->offset,
                                       static_cast<std::size_t>(std::max<LONG>(wanted, 0)));
    std::memcpy(buffer, reader->document.data() + reader->offset, count);
    reader->offset += count;
    *given = static_cast<LONG>(count);
    return 0;
}

// The preferred size, cut down to the work area of a small screen.
SIZE InitialSize() {
    RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return {std::min<LONG>(kPreferredWidth, work.right - work.left),
            std::min<LONG>(kPreferredHeight, work.bottom - work.top)};
}

// A reader has no use for a caret: the movement keys scroll the text instead. -1: not one.
int ScrollCodeForKey(WPARAM key) {
    switch (key) {
    case VK_UP:
        return SB_LINEUP;
    case VK_DOWN:
        return SB_LINEDOWN;
    case VK_PRIOR:
        return SB_PAGEUP;
    case VK_NEXT:
        return SB_PAGEDOWN;
    case VK_HOME:
        return SB_TOP;
    case VK_END:
        return SB_BOTTOM;
    default:
        return -1;
    }
}

} // namespace

const RichEditVersion kRichEditVersions[2] = {{"riched20.dll", RICHEDIT_CLASSA},
                                              {"riched32.dll", "RICHEDIT"}};

HelpWindow::HelpWindow(LoadedModule library, const char* windowClass)
    : richEdit(std::move(library)), richEditClass(windowClass) {}

HelpWindow::~HelpWindow() {
    if (frame != nullptr) {
        // Only a window that never opened fully gets here; it no longer speaks for this object.
        DetachObject(frame);
        DestroyWindow(frame);
    }
}

HelpWindow* HelpWindow::Open() { return openWindow; }

HelpWindow* HelpWindow::Create(const std::string& caption, HICON icon, const std::string& source,
                               const std::string& document,
                               std::span<const RichEditVersion> versions) {
    if (openWindow != nullptr) {
        return nullptr;
    }
    for (const RichEditVersion& version : versions) {
        LoadedModule library(version.library);
        if (!library) {
            continue;
        }
        std::unique_ptr<HelpWindow> made(new HelpWindow(std::move(library), version.windowClass));
        if (!made->CreateFrame(caption, icon) || !made->StreamIn(document)) {
            return nullptr;
        }
        made->source = source;
        openWindow = made.release();
        ShowWindow(openWindow->frame, SW_SHOWNORMAL);
        openWindow->BringForward();
        return openWindow;
    }
    return nullptr;
}

bool HelpWindow::Replace(const std::string& newSource, const std::string& document) {
    if (!StreamIn(document)) {
        return false;
    }
    source = newSource;
    return true;
}

void HelpWindow::BringForward() {
    ShowWindow(frame, IsIconic(frame) ? SW_RESTORE : SW_SHOW);
    // Looked up, not imported: Win32s may not have it, and there shown is enough.
    const LoadedModule user("user32.dll");
    if (const auto setForeground =
            user.Procedure<decltype(&SetForegroundWindow)>("SetForegroundWindow")) {
        setForeground(frame);
    }
    SetFocus(editor);
}

void HelpWindow::Close() { DestroyWindow(frame); }

bool HelpWindow::CreateFrame(const std::string& caption, HICON icon) {
    // The forms without Ex: Win32s has no others.
    WNDCLASSA frameClass{};
    if (GetClassInfoA(Instance(), kFrameClass, &frameClass) == FALSE) {
        frameClass = {};
        frameClass.lpfnWndProc = &WindowProc;
        frameClass.hInstance = Instance();
        frameClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        frameClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        frameClass.lpszClassName = kFrameClass;
        if (RegisterClassA(&frameClass) == 0) {
            return false;
        }
    }
    // No owner: the program's modal dialogs disable their owners, and this window stays usable.
    const SIZE size = InitialSize();
    if (CreateWindowExA(0, kFrameClass, caption.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                        CW_USEDEFAULT, size.cx, size.cy, nullptr, nullptr, Instance(),
                        this) == nullptr) {
        return false;
    }
    if (icon != nullptr) {
        SendMessageA(frame, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
        SendMessageA(frame, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    }
    RECT client{};
    GetClientRect(frame, &client);
    editor = CreateWindowExA(
        0, richEditClass, "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY,
        0, 0, client.right, client.bottom, frame,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kTextViewId)), Instance(), nullptr);
    if (editor == nullptr) {
        return false;
    }
    SendMessageA(editor, EM_SETEVENTMASK, 0, ENM_KEYEVENTS);
    SendMessageA(editor, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
                 MAKELONG(kTextMargin, kTextMargin));
    return true;
}

bool HelpWindow::StreamIn(const std::string& document) {
    // Without this the view would stop at its default limit of 32K characters.
    SendMessageA(editor, EM_EXLIMITTEXT, 0, static_cast<LPARAM>(document.size() + 1));
    DocumentReader reader{document};
    EDITSTREAM stream{};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&reader);
    stream.pfnCallback = &ReadChunk;
    SendMessageA(editor, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
    if (stream.dwError != 0) {
        return false;
    }
    SendMessageA(editor, EM_SETSEL, 0, 0);
    SendMessageA(editor, WM_VSCROLL, SB_TOP, 0);
    return true;
}

bool HelpWindow::HandleKey(WPARAM key) {
    if (key == VK_ESCAPE) {
        // Posted: the text view is in the middle of its own key handling.
        PostMessageA(frame, WM_CLOSE, 0, 0);
        return true;
    }
    const int scroll = ScrollCodeForKey(key);
    if (scroll < 0) {
        return false;
    }
    PostMessageA(editor, WM_VSCROLL, static_cast<WPARAM>(scroll), 0);
    return true;
}

LRESULT CALLBACK HelpWindow::WindowProc(HWND window, UINT message, WPARAM wParam,
                                        LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* creating = static_cast<HelpWindow*>(
            reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams);
        if (!AttachObject(window, creating)) {
            return FALSE; // the window is not made
        }
        creating->frame = window;
    }
    auto* self = AttachedObject<HelpWindow>(window);
    if (self == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        DetachObject(window);
        self->frame = nullptr;
        self->editor = nullptr;
        if (openWindow == self) {
            openWindow = nullptr;
            delete self;
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }
    return self->HandleMessage(message, wParam, lParam);
}

LRESULT HelpWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        if (editor != nullptr) {
            MoveWindow(editor, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        }
        return 0;
    case WM_SETFOCUS:
        if (editor != nullptr) {
            SetFocus(editor);
        }
        return 0;
    case WM_GETMINMAXINFO: {
        auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
        limits->ptMinTrackSize = {kMinimumWidth, kMinimumHeight};
        return 0;
    }
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->hwndFrom == editor && header->code == EN_MSGFILTER) {
            const auto* filter = reinterpret_cast<const MSGFILTER*>(lParam);
            return filter->msg == WM_KEYDOWN && HandleKey(filter->wParam) ? 1 : 0;
        }
        break;
    }
    default:
        break;
    }
    return DefWindowProcA(frame, message, wParam, lParam);
}
