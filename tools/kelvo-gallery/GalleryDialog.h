#pragma once
// The gallery's window: a row of page entries at the top, a message line that tells what
// the controls report, and the current page below.
#include <windows.h>

#include <memory>
#include <vector>

#include "MDialog.h"

#include "GalleryPage.h"

namespace gallery {

class GalleryDialog : public Kelvo::MDialog {
public:
    static constexpr int kWidth = 960;
    static constexpr int kHeight = 640;

    GalleryDialog();
    ~GalleryDialog() override;

    void InitUI(CRect client) override;
    void UISize(CRect client) override;
    LRESULT OnMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) override;
    LRESULT OnWindowMessage(UINT msg, WPARAM wparam, LPARAM lparam) override;

    const std::vector<std::unique_ptr<GalleryPage>>& Pages() const { return m_pages; }
    GalleryPage* CurrentPage() const { return m_current < m_pages.size() ? m_pages[m_current].get() : nullptr; }
    // Replaces the shown page's controls with those of page `index`.
    void ShowPage(std::size_t index);
    void Say(const wchar_t* text);

    // Where pages put their controls.
    static CRect PageArea() { return CRect(20, 104, kWidth - 20, kHeight - 16); }

private:
    void RemovePageControls();

    std::vector<std::unique_ptr<GalleryPage>> m_pages;
    std::size_t m_current = static_cast<std::size_t>(-1);
};

}  // namespace gallery
