// Dialogs built from resource templates, run modally or modeless. The dialog
// procedure binds the object to its window at WM_INITDIALOG and hands every
// later message to the object's virtual hooks; the window is unbound again at
// WM_NCDESTROY.
//
// Templates are looked up in ResourceModule(): the module of the current
// application object (TAVIXSRC.ds in the data source), or the program itself
// when there is none or it has no module handle, so that a test program that
// compiles the same resource scripts runs the same dialogs.
#pragma once

#include "framework/wnd.h"

#include <commctrl.h>

#include <windows.h>

#include <string>

// The module that holds the dialog templates.
HINSTANCE ResourceModule();

class CDialog : public CWnd {
public:
    // `owner` may be null (no owner); it is only read when the window is made.
    CDialog(UINT templateId, const CWnd* owner);
    // A modeless window that still exists is destroyed here; no hook of a
    // derived class runs for it any more.
    ~CDialog() override;

    UINT TemplateId() const { return templateId_; }
    HWND OwnerHwnd() const { return owner_ ? owner_->GetSafeHwnd() : nullptr; }

    // Runs the dialog modally; the value given to EndDialog, or -1 when the
    // template cannot be loaded or the window cannot be made.
    INT_PTR DoModal();
    // Creates the dialog as a modeless window; false when it cannot be made
    // or when this object already has a window.
    bool Create();
    // Ends a modal run with `result`.
    void EndDialog(INT_PTR result);
    // Destroys a modeless window; true when there was one.
    bool DestroyWindow();

    // Item helpers for the bound window.
    HWND Item(int id) const;
    bool SetItemText(int id, const std::string& text) const;
    std::string ItemText(int id) const;
    void SetCaption(const std::string& text) const;
    // Centres the window over its owner, or over the work area without one;
    // always kept inside the work area of the owner's monitor.
    void CenterOnOwner() const;
    // Dispatches waiting messages of this thread, at most `limit`, letting the
    // dialog translate its keys (Enter, Escape, Tab). A WM_QUIT that turns up
    // is posted again for the thread's own loop and ends the pumping. Returns
    // how many messages were handled.
    int PumpMessages(int limit);

protected:
    // Called first with every message after WM_INITDIALOG. Return true when
    // handled and put the answer for the sender in `result`.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Return true to let the system give the focus to the first tab stop.
    virtual bool OnInitDialog() { return true; }
    // Return true when handled. The default sends IDOK to OnOK and IDCANCEL
    // (Cancel button, Escape, close box) to OnCancel.
    virtual bool OnCommand(WORD id, WORD notifyCode, HWND control);
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    // WM_NOTIFY from a control or the property sheet; return true when
    // handled with the answer in `result`.
    virtual bool OnNotify(const NMHDR& header, LRESULT& result) {
        (void)header;
        (void)result;
        return false;
    }
    virtual void OnTimer(UINT_PTR timerId) { (void)timerId; }

    // Binds the object to its window at WM_INITDIALOG and runs OnInitDialog.
    static INT_PTR BindAtInit(HWND hwnd, CDialog* self);
    // The dialog procedure's work for a bound window: WM_NCDESTROY unbinds,
    // everything else goes to the hooks. Exceptions are the caller's to catch.
    static INT_PTR Route(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    UINT templateId_;
    const CWnd* owner_;
    bool modeless_ = false;
};
