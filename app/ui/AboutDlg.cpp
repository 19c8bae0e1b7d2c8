#include "AboutDlg.h"

#include <utility>

#include "CImageButton.h"
#include "DialogPlacement.h"
#include "FirmwareVersionText.h"
#include "MPicture.h"
#include "MText.h"

namespace {

constexpr COLORREF kFill = 0x1A1A1A;
constexpr COLORREF kBorder = 0x969696;
constexpr Gdiplus::ARGB kTextColour = 0xFF969696;
constexpr UINT kActivated = 2;
constexpr int kTextNotice = 2;
constexpr int kTextCloseTip = 5;
constexpr int kTextFirmware = 16;
constexpr int kTextSoftware = 17;
// The program's version where the catalogue does not give one.
const wchar_t* const kOwnVersion = L"Beta 1.0.0";
constexpr int kLogoWidth = 260;
constexpr int kLogoHeight = 40;
constexpr int kLineWidth = 200;

}  // namespace

AboutDlg::AboutDlg(AboutFacts facts, TextById texts) : m_facts(std::move(facts)), m_texts(std::move(texts)) {
    m_pm.SetBackColor(kFill, kBorder);
}

void AboutDlg::InitUI(CRect client) {
    const int w = client.Width();
    const int h = client.Height();
    if (auto* close = static_cast<Kelvo::CImageButton*>(
            CreateControl(L"CImageButton", kCloseId, CRect(w - 40, 15, w - 21, 34), L"", 1, 1))) {
        close->SetImage(L"sysbtn_close.png", 4);
        close->SetTooltip(Text(kTextCloseTip).GetString());
    }
    if (auto* logo = static_cast<Kelvo::MPicture*>(CreateControl(
            L"MPicture", kLogoId, CRect((w - kLogoWidth) / 2, 80, (w + kLogoWidth) / 2, 80 + kLogoHeight), L"", 1, 1))) {
        logo->SetImage(L"logo.png", 1);
    }
    const int left = (w - kLineWidth) / 2;
    AddLine(kFirmwareId, CRect(left, 150, left + kLineWidth, 185),
            Text(kTextFirmware) + L": " + FirmwareVersionText(m_facts.firmwareRelease));
    const CString version = m_facts.softwareVersion.IsEmpty() ? CString(kOwnVersion) : m_facts.softwareVersion;
    AddLine(kSoftwareId, CRect(left, 185, left + kLineWidth, 220), Text(kTextSoftware) + L": " + version);
    AddLine(kNoticeId, CRect(10, h - 40, w - 10, h - 5), m_facts.notice.IsEmpty() ? Text(kTextNotice) : m_facts.notice);
}

void AboutDlg::AddLine(UINT id, CRect rect, const CString& text) {
    auto* line = static_cast<Kelvo::MText*>(CreateControl(L"MText", id, rect, text, 1, 0));
    if (!line) return;
    line->SetTextColor(kTextColour);
    line->SetAlignment(DT_CENTER, DT_VCENTER);
}

LRESULT AboutDlg::OnMessage(UINT id, UINT code, WPARAM, LPARAM) {
    if (id == kCloseId && code == kActivated) DoClose();
    return 0;
}

void ShowAbout(HWND owner, const AboutFacts& facts, TextById texts) {
    AboutDlg dialog(facts, std::move(texts));
    if (!dialog.Create(owner, L"About Window", kDialogStyle, 0, CRect(0, 0, AboutDlg::kWidth, AboutDlg::kHeight))) return;
    dialog.CenterWindow(nullptr);
    dialog.ShowModal(SW_SHOW);
    dialog.DestroyWindow();
}
