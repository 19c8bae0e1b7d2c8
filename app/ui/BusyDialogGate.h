#pragma once
// Decides when the busy dialog of a model read is shown and closed. Every call comes
// from the UI thread, which owns the dialog: the device worker only posts "model read
// finished (generation g)", and the window passes that on to Finished.
//
// A read can finish before its dialog is up (the finish was already queued), while it is
// up, or after a newer read has started; only the finish of the newest read counts.
#include <cstdint>

// The busy dialog as the gate sees it.
class BusyDialog {
public:
    virtual ~BusyDialog() = default;
    // Ends the dialog's modal loop soon; must not wait for it.
    virtual void RequestClose() = 0;
};

class BusyDialogGate {
public:
    using Generation = std::uint32_t;

    // A model read starts: its generation, which the worker's finish message carries.
    // Any earlier read no longer counts.
    Generation Begin();
    // The read of `generation` finished. Closes the dialog when it is up for the newest
    // read; a finish of an older read changes nothing.
    void Finished(Generation generation);
    // The newest read is still running and no dialog is up for it.
    bool ShouldShow() const;
    // The dialog is up (call before its modal loop starts) and down again (after it).
    // A dialog shown for a read that finished meanwhile is asked to close at once.
    void Shown(BusyDialog& dialog);
    void Hidden();

private:
    Generation m_current = 0;
    bool m_running = false;
    BusyDialog* m_dialog = nullptr;
};
