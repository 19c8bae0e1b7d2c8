#include "CUIMessageBox.h"

#include <utility>

#include "DialogPlacement.h"
#include "MButton.h"
#include "MText.h"
#include "Texts.h"

namespace {

constexpr int kTextSize = 16;
constexpr int kBackgroundCorner = 30;
// Language ids of the button texts.
constexpr int kTextOk = 20;
constexpr int kTextYes = 23;
constexpr int kTextNo = 25;
constexpr UINT kActivated = 2;

}  // namespace

CString CurrentLanguageText(int id) { return GetText(L"LAN", id); }

CUIMessageBox::CUIMessageBox(CString title, CString message, int type, TextById texts)
    : m_title(std::move(title)), m_message(std::move(message)), m_type(type), m_texts(std::move(texts)) {
    LoadBKImage(L"bk_prompt.png");
    SetBackMode(Kelvo::BACKMODE_FRAME, kBackgroundCorner);
    SetLayeredWindow(1);
}

int CUIMessageBox::OnInitDialog() {
    const int result = MDialog::OnInitDialog();
    MakeTopMost(GetSafeHwnd());
    return result;
}

void CUIMessageBox::InitUI(CRect client) {
    const int w = client.Width();
    const int h = client.Height();
    AddText(kTitleId, CRect(20, 15, w - 20, 45), m_title, false);
    AddText(kMessageId, CRect(20, 50, w - 20, h - 50), m_message, true);
    if (m_type == kQuestion) {
        AddButton(kFirstButtonId, CRect(w / 2 - 120, h - 50, w / 2 - 20, h - 14), kTextYes);
        AddButton(kSecondButtonId, CRect(w / 2 + 20, h - 50, w / 2 + 120, h - 14), kTextNo);
    } else {
        AddButton(kFirstButtonId, CRect(60, h - 50, w - 60, h - 14), kTextOk);
    }
}

LRESULT CUIMessageBox::OnMessage(UINT id, UINT code, WPARAM, LPARAM) {
    if (code != kActivated) return 0;
    if (id == kFirstButtonId) DoOK();
    if (id == kSecondButtonId) DoCancel();
    return 0;
}

void CUIMessageBox::AddText(UINT id, CRect rect, const CString& text, bool multiLine) {
    auto* label = static_cast<Kelvo::MText*>(CreateControl(L"MText", id, rect, text, 1, 0));
    if (!label) return;
    label->SetFontWidth(kTextSize);
    label->SetAlignment(DT_CENTER, multiLine ? DT_VCENTER : DT_TOP);
    label->EnableMultiLine(multiLine ? 1 : 0);
}

void CUIMessageBox::AddButton(UINT id, CRect rect, int textId) {
    const CString text = m_texts ? m_texts(textId) : CString();
    auto* button = static_cast<Kelvo::MButton*>(CreateControl(L"MButton", id, rect, text, 1, 1));
    if (!button) return;
    button->SetImage(L"img_button.png", 4);
    button->SetFontWidth(kTextSize);
}

UINT ShowMessage(const CString& message, HWND owner, const CString& title, int type, TextById texts) {
    CUIMessageBox box(title, message, type, std::move(texts));
    if (!box.Create(owner, L"MessageBox", kDialogStyle, WS_EX_TOOLWINDOW, CRect(0, 0, 430, 230))) return 0;
    box.CenterWindow(nullptr);
    const UINT result = box.ShowModal(SW_SHOW);
    box.DestroyWindow();
    return result;
}
