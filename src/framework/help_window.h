// The help window: a top-level window of its own (not owned by any window of the program, so
// modal dialogs leave it usable) that shows a rich text document in a read-only RichEdit.
#pragma once

#include "loaded_module.h"

#include <windows.h>

#include <span>
#include <string>

// A RichEdit library and the window class it registers.
struct RichEditVersion {
    const char* library;
    const char* windowClass;
};

// RichEdit 2.0, or where only 1.0 is (some Windows 95 and NT 4.0 machines), 1.0, which reads
// rich text too.
extern const RichEditVersion kRichEditVersions[2];

// At most one help window exists in the process; all calls come from the thread that made it.
// The native window owns the object: closing the window, by the player or by Close(), deletes
// it, and with it goes the RichEdit library.
class HelpWindow {
public:
    // The help window now open, or null.
    static HelpWindow* Open();
    // Makes, fills and shows the help window, its text view from the first of the RichEdit
    // versions that loads. Null, with nothing left on screen or loaded, when the window or its
    // text could not be made. Only when none is open.
    static HelpWindow* Create(const std::string& caption, HICON icon, const std::string& source,
                              const std::string& document,
                              std::span<const RichEditVersion> versions = kRichEditVersions);

    // Shows another document in place of the present one; false when it could not be shown.
    bool Replace(const std::string& newSource, const std::string& document);
    // Restores, shows and activates the window, with the keyboard focus on the text.
    void BringForward();
    // Destroys the window, and so this object.
    void Close();

    HWND Handle() const { return frame; }
    HWND TextView() const { return editor; }
    // The help file whose text is shown, as given to Create or Replace.
    const std::string& Source() const { return source; }

    HelpWindow(const HelpWindow&) = delete;
    HelpWindow& operator=(const HelpWindow&) = delete;
    ~HelpWindow();

private:
    HelpWindow(LoadedModule library, const char* windowClass);

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool CreateFrame(const std::string& caption, HICON icon);
    bool StreamIn(const std::string& document);
    // Keys the text view would take as caret moves or ignore: true when handled here.
    bool HandleKey(WPARAM key);

    LoadedModule richEdit; // first in, last out: the text view lives inside this library
    const char* richEditClass;
    HWND frame = nullptr;
    HWND editor = nullptr;
    std::string source;
};
