// Panels and scroll bars: content taller than its panel at the top, scrolled to the
// middle and with the thumb under the pointer, content wider than its panel, an empty
// panel, and a live panel to scroll with the wheel or by dragging and paging its bar.
#include <string>

#include "CScrollHorizontal.h"
#include "CScrollVertical.h"
#include "MPanel.h"

#include "GalleryPage.h"

namespace gallery {

namespace {

enum ControlId : UINT {
    kTop = kFirstPageId,
    kMiddle,
    kHovered,
    kWide,
    kEmpty,
    kLive,
    kFirstContent = kFirstPageId + 20,
    kFirstCaption = kFirstPageId + 40,
    kFirstFrame = kFirstPageId + 60,
};

constexpr int kPanelWidth = 140;
constexpr int kPanelHeight = 120;
constexpr int kGap = 20;
constexpr int kStripe = 20;
constexpr COLORREF kStripes[] = {RGB(0x2C, 0x3E, 0x50), RGB(0x34, 0x49, 0x5E), RGB(0x16, 0xA0, 0x85),
                                 RGB(0x27, 0xAE, 0x60), RGB(0x8E, 0x44, 0xAD), RGB(0xD3, 0x54, 0x00)};
constexpr COLORREF kFrameColour = RGB(0x60, 0x60, 0x60);

// The content of a sample panel: numbered stripes (down, or across when `across`), drawn
// shifted by the panel's scroll offsets and kept inside the panel, the way a list shows
// its scrolled rows.
class StripedContent : public Kelvo::MControlFont {
public:
    StripedContent(Kelvo::MPanel* panel, UINT id, CRect rect, bool across)
        : MControlFont(panel, id, rect, L"", 1, 1, 1), m_panel(panel), m_across(across) {
        SetTextColor(0xFFFFFFFF);
        SetAlignment(DT_CENTER, DT_VCENTER);
    }

    void DrawControl(HDC dc, const CRect&) override {
        const CRect view = m_panel->GetRect();
        const int saved = ::SaveDC(dc);
        // The bars keep their strips of the panel.
        const CRect inside(view.left, view.top, view.right - m_panel->GetScrollThickness(),
                           view.bottom - (m_across ? m_panel->GetScrollThickness() : 0));
        ::IntersectClipRect(dc, inside.left, inside.top, inside.right, inside.bottom);
        const int dx = m_panel->GetHorizontalOffset(), dy = m_panel->GetVerticalOffset();
        const int length = m_across ? m_rcControl.Width() : m_rcControl.Height();
        for (int i = 0; i * kStripe < length; ++i) {
            CRect stripe = m_across ? CRect(m_rcControl.left + i * kStripe, m_rcControl.top,
                                            m_rcControl.left + (i + 1) * kStripe, m_rcControl.bottom)
                                    : CRect(m_rcControl.left, m_rcControl.top + i * kStripe, m_rcControl.right,
                                            m_rcControl.top + (i + 1) * kStripe);
            stripe.OffsetRect(-dx, -dy);
            HBRUSH brush = ::CreateSolidBrush(kStripes[i % (sizeof kStripes / sizeof kStripes[0])]);
            const RECT box{stripe.left, stripe.top, stripe.right, stripe.bottom};
            ::FillRect(dc, &box, brush);
            ::DeleteObject(brush);
            DrawTitle(dc, stripe, std::to_wstring(i + 1).c_str(), false);
        }
        ::RestoreDC(dc, saved);
    }

private:
    Kelvo::MPanel* m_panel;
    bool m_across;
};

// A caption above a sample, or a one-pixel frame around one (for the empty panel).
class Label : public Kelvo::MControlFont {
public:
    Label(Kelvo::MObject* parent, UINT id, CRect rect, const wchar_t* title, bool frame)
        : MControlFont(parent, id, rect, title, 1, 1, 0), m_frame(frame) {
        SetTextColor(kCaptionColour);
    }

    void DrawControl(HDC dc, const CRect&) override {
        if (!m_frame) {
            DrawTitle(dc, m_rcControl, GetControlTitle(), false);
            return;
        }
        HBRUSH brush = ::CreateSolidBrush(kFrameColour);
        const RECT box{m_rcControl.left, m_rcControl.top, m_rcControl.right, m_rcControl.bottom};
        ::FrameRect(dc, &box, brush);
        ::DeleteObject(brush);
    }

private:
    bool m_frame;
};

class PanelPage : public GalleryPage {
public:
    const wchar_t* Name() const override { return L"panels"; }
    const wchar_t* Title() const override { return L"Panels"; }

    void Build(Kelvo::MDialog& dialog, CRect area) override {
        const struct {
            UINT id;
            const wchar_t* caption;
            int contentHeight, contentWidth;
            bool across;
        } samples[] = {
            {kTop, L"At the top", 400, 0, false},       {kMiddle, L"In the middle", 400, 0, false},
            {kHovered, L"Thumb hovered", 400, 0, false}, {kWide, L"Wider content", 0, 420, true},
            {kEmpty, L"Empty", 0, 0, false},
        };
        int x = area.left;
        const int y = area.top + 24;
        for (const auto& sample : samples) {
            const CRect rect(x, y, x + kPanelWidth, y + kPanelHeight);
            Add(dialog, new Label(&dialog, kFirstCaption + sample.id - kTop, CRect(x, area.top, x + kPanelWidth, y - 4),
                                  sample.caption, false));
            if (sample.id == kEmpty)
                Add(dialog, new Label(&dialog, kFirstFrame, CRect(rect.left - 1, rect.top - 1, rect.right + 1,
                                                                  rect.bottom + 1), L"", true));
            auto* panel = new Kelvo::MPanel(&dialog, sample.id, CRect(), 1);
            Add(dialog, panel);
            if (sample.contentHeight)
                panel->AttachControl(1, new StripedContent(panel, kFirstContent + sample.id - kTop,
                                                           CRect(x, y, rect.right - 5, y + sample.contentHeight), false));
            if (sample.contentWidth)
                panel->AttachControl(1, new StripedContent(panel, kFirstContent + sample.id - kTop,
                                                           CRect(x, y, x + sample.contentWidth, rect.bottom - 5), true));
            panel->SetControlRect(rect);
            panel->SetRresponse(0);  // samples: the pointer leaves their look alone
            x += kPanelWidth + kGap;
        }

        const CRect live(area.left, y + kPanelHeight + 50, area.left + 240, y + kPanelHeight + 50 + 200);
        Add(dialog, new Label(&dialog, kFirstCaption + 10, CRect(live.left, live.top - 24, live.right + 200, live.top - 4),
                              L"Live: wheel, drag or click the bar", false));
        auto* panel = new Kelvo::MPanel(&dialog, kLive, CRect(), 1);
        Add(dialog, panel);
        panel->AttachControl(1, new StripedContent(panel, kFirstContent + 10,
                                                   CRect(live.left, live.top, live.right - 5, live.top + 600), false));
        panel->SetControlRect(live);
    }

    void ShowStates(Kelvo::MDialog& dialog) override {
        if (auto* middle = dynamic_cast<Kelvo::MPanel*>(dialog.GetControl(kMiddle))) {
            Kelvo::CScrollVertical* bar = middle->GetVerticalBar();
            bar->SetScrollCurrentPos(bar->GetScrollMaxRange() / 2);
            middle->UpdateControl(1, 0);
        }
        if (auto* hovered = dynamic_cast<Kelvo::MPanel*>(dialog.GetControl(kHovered))) {
            Kelvo::CScrollVertical* bar = hovered->GetVerticalBar();
            bar->OnControlMouseMove(0, bar->GetThumbRect().CenterPoint());
        }
    }

    std::wstring Describe(UINT id, UINT code, WPARAM wparam, LPARAM) override {
        if (code != Kelvo::kNotifyPositionChanged) return {};
        if (id != Kelvo::MPanel::kVerticalBarId && id != Kelvo::MPanel::kHorizontalBarId) return {};
        auto* live = m_dialog ? dynamic_cast<Kelvo::MPanel*>(m_dialog->GetControl(kLive)) : nullptr;
        if (live) live->UpdateControl(1, 0);  // the content follows the bar
        return std::wstring(id == Kelvo::MPanel::kVerticalBarId ? L"Vertical" : L"Horizontal") +
               L" bar moved to " + std::to_wstring(static_cast<long long>(wparam));
    }

    std::vector<PixelCheck> Checks(Kelvo::MDialog& dialog) override {
        std::vector<PixelCheck> checks;
        if (auto* top = dynamic_cast<Kelvo::MPanel*>(dialog.GetControl(kTop))) {
            const CRect thumb = top->GetVerticalBar()->GetThumbRect();
            checks.push_back({L"the thumb at the top", CPoint(thumb.left + 2, thumb.top + 20), 0x6B7384});
            const CRect rect = top->GetRect();
            checks.push_back({L"the first stripe", CPoint(rect.left + 3, rect.top + 3), 0x2C3E50});
        }
        if (auto* hovered = dynamic_cast<Kelvo::MPanel*>(dialog.GetControl(kHovered))) {
            const CRect thumb = hovered->GetVerticalBar()->GetThumbRect();
            checks.push_back({L"the hovered thumb", CPoint(thumb.left + 2, thumb.top + 20), 0x3768FA});
        }
        return checks;
    }

private:
    void Add(Kelvo::MDialog& dialog, Kelvo::MControl* control) {
        m_dialog = &dialog;
        dialog.GetPaintManager().AttachControl(1, control);
    }

    Kelvo::MDialog* m_dialog = nullptr;
};

}  // namespace

GALLERY_PAGE(PanelPage, 40);

}  // namespace gallery
