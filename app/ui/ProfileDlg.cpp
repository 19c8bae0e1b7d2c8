#include "ProfileDlg.h"

#include <utility>
#include <vector>

#include "CArea.h"
#include "DListBox.h"
#include "DialogPlacement.h"
#include "MButton.h"
#include "MainWindowMessages.h"
#include "ProfileRecord.h"

namespace {

constexpr COLORREF kFill = 0x0B0603;
constexpr COLORREF kBorder = 0x6D6D6D;
constexpr COLORREF kListShade = 0x333333;
constexpr UINT kActivated = 2;
constexpr UINT kRenamed = 29;
constexpr int kListTextSize = 18;
constexpr int kEnglishButtonTextSize = 12;
constexpr int kTextImport = 26;
constexpr int kTextExport = 27;
constexpr int kEnglish = 1033;

}  // namespace

ProfileDlg::ProfileDlg(ProfileDlgSetup setup) : m_setup(std::move(setup)) { m_pm.SetBackColor(kFill, kBorder); }

void ProfileDlg::InitUI(CRect client) {
    const int w = client.Width();
    const int h = client.Height();
    const CRect listRect(10, 10, w - 10, h - 45);
    if (auto* area = static_cast<Kelvo::CArea*>(CreateControl(L"CArea", kAreaId, listRect, L"", 1, 1))) {
        area->SetTransparent(0, 0, kListShade);
    }
    if (auto* list = static_cast<Kelvo::DListBox*>(CreateControl(L"DListBox", kListId, listRect, L"", 1, 1))) {
        list->EnableShowEdit(1);
        list->SetFontWidth(kListTextSize);
        list->SetAlignment(DT_CENTER, DT_VCENTER);
    }
    const auto addButton = [&](UINT id, CRect rect, int textId) {
        const CString text = m_setup.texts ? m_setup.texts(textId) : CString();
        auto* button = static_cast<Kelvo::MButton*>(CreateControl(L"MButton", id, rect, text, 1, 1));
        if (!button) return;
        button->SetImage(L"img_button.png", 4);
        if (m_setup.language == kEnglish) button->SetFontWidth(kEnglishButtonTextSize);
    };
    addButton(kImportId, CRect(10, h - 35, w / 2 - 5, h - 7), kTextImport);
    addButton(kExportId, CRect(w / 2 + 5, h - 35, w - 10, h - 7), kTextExport);
    FillList();
}

void ProfileDlg::FillList() {
    auto* list = static_cast<Kelvo::DListBox*>(GetControl(kListId));
    if (!list || !m_setup.store) return;
    std::vector<ProfileRecord> profiles;
    m_setup.store->ListProfiles(profiles);
    for (const ProfileRecord& record : profiles) {
        list->AddString(record.name.GetString(), static_cast<DWORD>(record.profile), -1);
    }
    list->SetCurData(static_cast<DWORD>(m_setup.currentProfile));
}

int ProfileDlg::SelectedProfile() {
    auto* list = static_cast<Kelvo::DListBox*>(GetControl(kListId));
    if (!list || list->GetCurSel() < 0) return m_setup.currentProfile;
    return static_cast<int>(list->GetCurData());
}

LRESULT ProfileDlg::OnMessage(UINT id, UINT code, WPARAM, LPARAM lparam) {
    if (m_closing) return 0;
    switch (id) {
    case kListId:
        if (code == kActivated) {
            Post(kSwitchProfile, SelectedProfile());
            Finish();
        } else if (code == kRenamed) {
            Rename(static_cast<int>(lparam));
        }
        break;
    case kImportId:
        if (code == kActivated) PostFileCommand(kImportProfile);
        break;
    case kExportId:
        if (code == kActivated) PostFileCommand(kExportProfile);
        break;
    default: break;
    }
    return 0;
}

void ProfileDlg::Rename(int row) {
    auto* list = static_cast<Kelvo::DListBox*>(GetControl(kListId));
    if (!list || !m_setup.store || row < 0 || row >= list->GetItemCount()) return;
    const int profile = static_cast<int>(list->GetItemData(row));
    const CString name = list->GetItemText(row);
    if (name.IsEmpty() || !m_setup.store->RenameProfile(profile, name)) {
        // An emptied (or unstorable) name is no rename: the row shows the stored one again.
        CString stored;
        if (m_setup.store->GetProfileName(profile, stored)) list->ModifyItemString(row, stored.GetString());
        return;
    }
    m_renamed = true;
    m_lastRenamed = profile;
}

void ProfileDlg::PostFileCommand(WPARAM command) {
    const int selected = SelectedProfile();
    if (m_renamed || selected != m_setup.currentProfile) Post(kSwitchProfile, selected);
    Post(command, selected);
    Finish();
}

void ProfileDlg::Post(WPARAM command, int profile) {
    ::PostMessageW(m_setup.mainWindow, UM_PROFILE_COMMAND, command, profile);
}

void ProfileDlg::Finish() {
    m_closing = true;
    DoClose();
}

LRESULT ProfileDlg::OnNcActivate(int active) {
    const LRESULT result = MDialog::OnNcActivate(active);
    if (active || m_closing) return result;
    // The user clicked elsewhere: a renamed profile becomes the current one.
    if (m_renamed) Post(kSwitchProfile, m_lastRenamed);
    Finish();
    return result;
}

CRect ProfileDialogRect(const CRect& button) {
    return CRect(button.left, button.top - ProfileDlg::kHeightAboveButton, button.right,
                 button.top - ProfileDlg::kGapAboveButton);
}

void ShowProfiles(ProfileDlgSetup setup, const CRect& rect) {
    HWND owner = setup.mainWindow;
    ProfileDlg dialog(std::move(setup));
    if (!dialog.Create(owner, L"ProfileDlg", kDialogStyle, 0, rect)) return;
    dialog.ShowModal(SW_SHOW);
    dialog.DestroyWindow();
}
