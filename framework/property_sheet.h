// A tabbed dialog of property pages with a modal loop of its own, so that it
// can end with any value (the system's modal property sheet answers only a
// few). The sheet is made modeless and subclassed as soon as it exists; the
// loop disables the owner, hands messages to the sheet's dialog handling,
// and re-posts a WM_QUIT it meets.
#pragma once

#include "framework/property_page.h"
#include "framework/subclassed_window.h"

#include <string>
#include <vector>

class CPropertySheet : public CSubclassedWindow {
public:
    // The result of a run that could not start or was ended by WM_QUIT.
    static constexpr INT_PTR kNoResult = -1;

    CPropertySheet(std::string caption, HWND owner, int startPage);
    ~CPropertySheet() override;

    // Pages are shown in the order added; the sheet does not own them.
    void AddPage(CPropertyPage* page) { pages_.push_back(page); }
    int PageCount() const { return static_cast<int>(pages_.size()); }
    HWND OwnerHwnd() const { return owner_; }

    // Makes the sheet and runs it until EndDialog; the value given there.
    INT_PTR DoModal();
    // Ends the modal run with `result` once the current message is handled.
    void EndDialog(INT_PTR result);
    bool Ended() const { return ended_; }

    int ActiveIndex() const;
    CPropertyPage* ActivePage() const;

protected:
    // The sheet window exists, its pages not all yet.
    virtual void OnInitialized() {}
    // What the sheet is made of for `page`; the default is the page's own
    // description.
    virtual PROPSHEETPAGEA DescribePage(const CPropertyPage& page) const { return page.Description(); }
    // A message of the loop before the dialog keys are handled; the default
    // offers it to the active page. True when used up.
    virtual bool PreTranslateMessage(MSG& message);

private:
    static int CALLBACK SheetCallback(HWND hwnd, UINT message, LPARAM lParam);
    bool RunLoop();

    std::string caption_;
    HWND owner_;
    int startPage_;
    std::vector<CPropertyPage*> pages_;
    bool ended_ = false;
    INT_PTR result_ = kNoResult;
};
