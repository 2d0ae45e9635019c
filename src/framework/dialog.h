// CDialog: a modal dialog run from a template in the program's resources, with a
// message table, data exchange, the standard OK/Cancel handling and the centring rule.
#pragma once

#include "data_exchange.h"
#include "message_map.h"

#include <windows.h>

class CDialog : public CCmdTarget {
public:
    // Dialogs have no parent: while they run, the main window's last active pop-up owns them.
    explicit CDialog(int templateId);
    ~CDialog() override;
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Runs the dialog until it ends; returns 1 after OK, 2 after Cancel, -1 on failure.
    INT_PTR DoModal();

    HWND Handle() const { return window; }
    void EndDialog(int result);

    // Moves data between members and controls. Selected indices and check states always
    // transfer, so the exchange has no failure to report and an OK always ends the dialog.
    void UpdateData(bool fromControls);

    // Asks the help engine for help on the help file (cancel mode, wait cursor, and
    // the "Failed to launch help." box when the engine fails).
    void WinHelp(ULONG_PTR data, UINT command);

    // Offered, when this is the application's main window, every message the thread's dialog
    // loops are about to hand to the dialog manager, whichever window it is for. True takes
    // it out of the loop. Keys can be taken here without an entry in the message table.
    virtual bool PreTranslateMessage(const MSG& message);

protected:
    // Standard initialisation: the template's list data, data exchange towards the
    // controls, then centring. True lets the dialog manager focus the first tab stop.
    virtual bool OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DataExchange(CDataExchange& exchange);
    // Every paint; the default is the platform's painting. An override that draws over the
    // window calls Default() first, which erases the background and ends the paint cycle.
    virtual void OnPaint();

    // The platform's own processing of the message being handled.
    LRESULT Default();

    // Centres the dialog over its owner (or the screen), moving it only.
    void CentreWindow();

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(const Message& message);
    bool HandleStandardMessage(const Message& message, INT_PTR& answer);
    void ApplyInitData();

    int templateId;
    HWND window = nullptr;
    const Message* current = nullptr; // the message whose handler may ask for Default()
    UINT defaultFor = 0;              // the message now in the dialog manager's hands
};
