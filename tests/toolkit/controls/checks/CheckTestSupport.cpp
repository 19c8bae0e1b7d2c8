#include "CheckTestSupport.h"

#include <ostream>

#include "CCheckButton.h"
#include "CColorButton.h"
#include "CRadioButton.h"
#include "CSelectButton.h"
#include "CSwitchButton.h"
#include "RenderCanvas.h"
#include "TextCheckButton.h"

namespace checktest {

LRESULT ThreadWindow::OnBaseMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) {
    threads.push_back(GetCurrentThreadId());
    return harness::TestWindow::OnBaseMessage(id, code, wparam, lparam);
}

std::vector<Sent> SentBy(const harness::TestWindow& window, UINT id) {
    std::vector<Sent> sent;
    for (const harness::Notification& n : window.notifications)
        if (n.id == id) {
            if (n.wparam != 0) sent.push_back({0xDEAD, static_cast<LPARAM>(n.wparam)});  // shows up as a mismatch
            sent.push_back({n.code, n.lparam});
        }
    return sent;
}

std::ostream& operator<<(std::ostream& out, const Sent& sent) {
    return out << "{" << sent.code << ", " << sent.lparam << "}";
}

int StateOf(Kelvo::MControl* control) {
    if (auto* c = dynamic_cast<Kelvo::CCheckButton*>(control)) return c->GetState();
    if (auto* c = dynamic_cast<Kelvo::CSelectButton*>(control)) return c->GetState();
    if (auto* c = dynamic_cast<Kelvo::CColorButton*>(control)) return c->GetState();
    if (auto* c = dynamic_cast<Kelvo::CSwitchButton*>(control)) return c->GetState();
    return -1;
}

int CheckOf(Kelvo::MControl* control) {
    if (auto* c = dynamic_cast<Kelvo::CCheckButton*>(control)) return c->GetCheck();
    if (auto* c = dynamic_cast<Kelvo::CSelectButton*>(control)) return c->GetCheck();
    if (auto* c = dynamic_cast<Kelvo::CColorButton*>(control)) return c->GetCheck();
    if (auto* c = dynamic_cast<Kelvo::CSwitchButton*>(control)) return c->GetCheck();
    return -1;
}

int SetCheckOf(Kelvo::MControl* control, int check) {
    if (auto* c = dynamic_cast<Kelvo::CCheckButton*>(control)) return c->SetCheck(check);
    if (auto* c = dynamic_cast<Kelvo::CSelectButton*>(control)) return c->SetCheck(check);
    if (auto* c = dynamic_cast<Kelvo::CColorButton*>(control)) return c->SetCheck(check);
    if (auto* c = dynamic_cast<Kelvo::CSwitchButton*>(control)) return c->SetCheck(check);
    return -1;
}

int SetControlCheckOf(Kelvo::MControl* control, int check) {
    if (auto* c = dynamic_cast<Kelvo::CRadioButton*>(control)) return c->SetControlCheck(check);
    if (auto* c = dynamic_cast<Kelvo::CSelectButton*>(control)) return c->SetControlCheck(check);
    if (auto* c = dynamic_cast<Kelvo::CColorButton*>(control)) return c->SetControlCheck(check);
    return -1;
}

Kelvo::MControl* MakeButton(const std::string& kind, Kelvo::MObject* parent, UINT id, CRect rect) {
    if (kind == "check") return new Kelvo::CCheckButton(parent, id, rect, L"", 1, 1);
    if (kind == "text check") return new Kelvo::TextCheckButton(parent, id, rect, L"", 1, 1);
    if (kind == "radio") return new Kelvo::CRadioButton(parent, id, rect, L"", 1, 1);
    if (kind == "select") return new Kelvo::CSelectButton(parent, id, rect, L"", 1, 1);
    if (kind == "colour") return new Kelvo::CColorButton(parent, id, rect, 1, 1);
    if (kind == "switch") return new Kelvo::CSwitchButton(parent, id, rect, 1, 1);
    return nullptr;
}

std::wstring WriteStrip(const wchar_t* name, int size, const std::vector<uint32_t>& colours) {
    const std::wstring path = Kelvo::test::TempPath(name);
    Kelvo::test::WriteFrameStrip(path.c_str(), size, size, colours.data(), static_cast<int>(colours.size()));
    return path;
}

}  // namespace checktest
