// One page of a property sheet: a dialog from a resource template, bound to
// its object through PROPSHEETPAGE::lParam. The sheet makes the window when
// the page is first shown; the page's OK and Cancel (its own buttons, Enter
// and Escape) go to the sheet as WM_COMMAND IDOK and IDCANCEL.
#pragma once

#include "framework/dialog.h"

#include <prsht.h>

#include <string>

class CPropertyPage : public CDialog {
public:
    // `title` is the tab text; empty keeps the template's caption.
    CPropertyPage(UINT templateId, std::string title);

    const std::string& Title() const { return title_; }
    // The description the sheet is built from; it refers to this object and
    // its title, which must outlive the sheet.
    PROPSHEETPAGEA Description() const;
    // The sheet window, once the page has a window.
    HWND SheetHwnd() const;

    // A message the sheet's modal loop offers the active page before the
    // dialog keys are handled (tooltips relay it here); true when used up.
    virtual bool PreTranslateMessage(MSG& message) {
        (void)message;
        return false;
    }

protected:
    void OnOK() override;
    void OnCancel() override;

private:
    static INT_PTR CALLBACK PageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    std::string title_;
};
