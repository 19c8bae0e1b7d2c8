#include "GalleryDialog.h"

#include <algorithm>
#include <string>

#include "MControl.h"
#include "Manager.h"
#include "MenuItem.h"

namespace gallery {

namespace {

constexpr UINT kFirstEntry = 10;  // page entries: 10, 11, ...
constexpr int kMaxEntryWidth = 112;  // the page entries share the row, none wider than this
const CRect kMessageBox(20, 14, GalleryDialog::kWidth - 20, 50);

}  // namespace

GalleryDialog::GalleryDialog() : m_pages(MakePages()) {}

GalleryDialog::~GalleryDialog() = default;

void GalleryDialog::InitUI(CRect) {
    const int count = static_cast<int>(m_pages.size());
    const int entryWidth = count > 0 ? std::min(kMaxEntryWidth, (kWidth - 40) / count) : kMaxEntryWidth;
    int x = 20;
    for (std::size_t i = 0; i < m_pages.size(); ++i) {
        auto* entry = static_cast<Kelvo::MenuItem*>(CreateControl(L"MenuItem", kFirstEntry + static_cast<UINT>(i),
                                                                  CRect(x, 62, x + entryWidth - 6, 92),
                                                                  m_pages[i]->Title(), 1, 1));
        if (entry) {
            entry->SetHighlightColor(Kelvo::Manager::GetSelectColor());
            entry->SetAlignment(DT_CENTER);
        }
        x += entryWidth;
    }
    ShowPage(0);
}

void GalleryDialog::UISize(CRect) {
    if (GalleryPage* page = CurrentPage()) page->ShowStates(*this);
}

void GalleryDialog::ShowPage(std::size_t index) {
    if (index >= m_pages.size() || index == m_current) return;
    if (GalleryPage* old = CurrentPage()) old->Leave(*this);
    RemovePageControls();
    for (std::size_t i = 0; i < m_pages.size(); ++i)
        if (auto* entry = static_cast<Kelvo::MenuItem*>(GetControl(kFirstEntry + static_cast<UINT>(i))))
            entry->SetControlCheck(i == index ? 1 : 0);
    m_current = index;
    m_pages[index]->Build(*this, PageArea());
    m_pages[index]->ShowStates(*this);
    Say((std::wstring(L"Kelvo gallery: ") + m_pages[index]->Title()).c_str());
    m_pm.Invalidate();
}

void GalleryDialog::RemovePageControls() {
    for (const std::vector<Kelvo::MControl*>* list : {&m_pm.GetControls(), &m_pm.GetAreas()}) {
        const std::vector<Kelvo::MControl*> controls = *list;  // removal changes the list
        for (Kelvo::MControl* control : controls)
            if (control->GetControlID() >= kFirstPageId || control->GetControlID() == 0) m_pm.RemoveControl(control);
    }
}

void GalleryDialog::Say(const wchar_t* text) { SetMessage(text, kMessageBox, 15); }

LRESULT GalleryDialog::OnMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) {
    if (id >= kFirstEntry && id < kFirstEntry + m_pages.size()) {
        if (code == Kelvo::kNotifyActivated) ShowPage(id - kFirstEntry);
        return 1;
    }
    GalleryPage* page = CurrentPage();
    if (!page) return 0;
    const std::wstring said = page->Describe(id, code, wparam, lparam);
    if (!said.empty()) Say(said.c_str());
    return said.empty() ? 0 : 1;
}

LRESULT GalleryDialog::OnWindowMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
    if (GalleryPage* page = CurrentPage()) {
        std::wstring said;
        if (page->OnWindowMessage(*this, msg, wparam, lparam, said)) {
            if (!said.empty()) Say(said.c_str());
            return 0;
        }
    }
    return MDialog::OnWindowMessage(msg, wparam, lparam);
}

}  // namespace gallery
