#pragma once
// A test window that also notes the thread each notification arrived on, and the
// buttons of this family seen through one face: their frame, check and click handlers.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "MControl.h"
#include "TestWindow.h"

namespace checktest {

class ThreadWindow : public harness::TestWindow {
public:
    using harness::TestWindow::TestWindow;
    LRESULT OnBaseMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) override;
    std::vector<DWORD> threads;
};

// Code and lparam of a notification (wparam is 0 for every one of these buttons).
struct Sent {
    UINT code;
    LPARAM lparam;
    bool operator==(const Sent& other) const { return code == other.code && lparam == other.lparam; }
};
std::vector<Sent> SentBy(const harness::TestWindow& window, UINT id);
std::ostream& operator<<(std::ostream& out, const Sent& sent);

// The frame a button shows now and its check, whatever its class.
int StateOf(Kelvo::MControl* control);
int CheckOf(Kelvo::MControl* control);
// The check as the class sets it from code (SetCheck / SetControlCheck).
int SetCheckOf(Kelvo::MControl* control, int check);
int SetControlCheckOf(Kelvo::MControl* control, int check);

// The button classes by name, made by hand with `id` and `rect` (colour and switch have
// no title).
Kelvo::MControl* MakeButton(const std::string& kind, Kelvo::MObject* parent, UINT id, CRect rect);

// A PNG strip of `frames` frames of `size` × `size` pixels, frame i in colours[i], in
// the temporary folder; the path is returned.
std::wstring WriteStrip(const wchar_t* name, int size, const std::vector<uint32_t>& colours);

}  // namespace checktest
