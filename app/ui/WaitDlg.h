#pragma once
// The busy indicator shown while a newly chosen model is read: a small layered window
// with the loading animation, no button, closed only by its owner through the gate.
#include <windows.h>

#include "BusyDialogGate.h"
#include "MDialog.h"

class WaitDlg : public Kelvo::MDialog, public BusyDialog {
public:
    static constexpr UINT kAnimationId = 30;
    static constexpr int kSize = 102;

    WaitDlg();

    int OnInitDialog() override;
    void InitUI(CRect client) override;
    // Posts the close request, so the modal loop ends after the messages before it.
    void RequestClose() override { DoClose(); }
};

// Shows the busy dialog modally over `owner` unless the gate's read has finished
// already; returns when the read finished (the owner's finish message closed it).
// True when the dialog was shown.
bool ShowWait(HWND owner, BusyDialogGate& gate);
