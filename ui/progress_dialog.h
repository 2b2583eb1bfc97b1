// What the two scanning progress windows share: a modeless window with a
// progress bar and a Cancel button that the scanning loop calls after every
// block. The window pumps the thread's messages so that the user can cancel
// and the screen stays alive; the cancel flag ends the loop at its next block.
#pragma once

#include "framework/controls.h"
#include "framework/dialog.h"

class ProgressDialog : public CDialog {
public:
    // At most this many waiting messages are handled per block.
    static constexpr int kPumpLimit = 100;

    // Set by Cancel, Enter, Escape, the close box, a system suspend and a
    // window destroyed from outside; the window stays until the caller
    // destroys this object.
    bool Cancelled() const { return cancelled_; }

protected:
    ProgressDialog(UINT templateId, const CWnd* owner);

    // Clears the flag, sets the caption, the Cancel text and the bar (0 of 100).
    bool OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnOK() override { cancelled_ = true; }
    void OnCancel() override { cancelled_ = true; }

    void Pump() { PumpMessages(kPumpLimit); }
    const CProgressCtrl& Bar() const { return bar_; }

private:
    bool cancelled_ = false;
    CProgressCtrl bar_;
};
