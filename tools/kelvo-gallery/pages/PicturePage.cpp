// Pictures and indicators: a skin picture in each show mode, photo frames in their three
// looks, a picture sliding in, the animated spinner, progress bars in their three looks
// (one with a running marquee), static texts and translucent areas.
#include <string>

#include "CArea.h"
#include "CGifPicture.h"
#include "CPhotoFrame.h"
#include "CSliderPicture.h"
#include "MPicture.h"
#include "MProgress.h"
#include "MText.h"

#include "GalleryPage.h"

namespace gallery {

namespace {

enum ControlId : UINT {
    kPictureFirst = kFirstPageId,  // one per show mode, 0 … 5
    kPhotoNormal = kFirstPageId + 10,
    kPhotoHot,
    kPhotoPressed,
    kPhotoLive,
    kSlideHalfway = kFirstPageId + 20,
    kSlideLive,
    kSpinner,
    kBarRounded = kFirstPageId + 30,
    kBarText,
    kBarSkin,
    kBarImages,
    kBarMarquee,
    kTextSingle = kFirstPageId + 40,
    kTextWrapped,
    kAreaFadeOut = kFirstPageId + 50,
    kAreaEven,
    kAreaSolid,
    kFirstCaption = kFirstPageId + 100,
};

constexpr int kBoxWidth = 140;
constexpr int kBoxGap = 12;

const wchar_t* const kModeNames[] = {L"0 natural", L"1 tiled", L"2 stretched", L"3 nine-grid", L"4 margins",
                                     L"5 source"};

class PicturePage : public GalleryPage {
public:
    const wchar_t* Name() const override { return L"pictures"; }
    const wchar_t* Title() const override { return L"Pictures"; }

    void Build(Kelvo::MDialog& dialog, CRect area) override {
        m_dialog = &dialog;
        m_nextCaption = kFirstCaption;
        BuildPictures(dialog, area.left, area.top);
        BuildPhotoFrames(dialog, area.left, area.top + 150);
        BuildMotion(dialog, area.left + 470, area.top + 150);
        BuildProgressBars(dialog, area.left, area.top + 290);
        BuildTextsAndAreas(dialog, area.left + 470, area.top + 290);
        // The program runs a 10 ms animation tick; the page runs its own while it shows.
        m_timer = dialog.SetMTimer(10);
    }

    void ShowStates(Kelvo::MDialog& dialog) override {
        if (auto* hot = static_cast<Kelvo::CPhotoFrame*>(dialog.GetControl(kPhotoHot)))
            hot->OnControlMouseMove(0, hot->GetRect().CenterPoint());
        if (auto* pressed = static_cast<Kelvo::CPhotoFrame*>(dialog.GetControl(kPhotoPressed))) {
            pressed->OnControlMouseMove(0, pressed->GetRect().CenterPoint());
            pressed->OnControlLButtonDown(0, pressed->GetRect().CenterPoint());
        }
        // Frozen halfway: it takes no ticks of its own, so it never finishes and hides.
        if (auto* halfway = static_cast<Kelvo::CSliderPicture*>(dialog.GetControl(kSlideHalfway))) {
            halfway->SetRunTimer(0);
            halfway->SetRun(1, Kelvo::SLIDER_LEFT);
            for (int tick = 0; tick < 50; ++tick) halfway->OnControlTimer();
        }
        StartLiveSlide(dialog);
    }

    std::wstring Describe(UINT id, UINT code, WPARAM, LPARAM) override {
        if (id != kPhotoLive || !m_dialog) return {};
        if (code == Kelvo::kNotifyPressed) return L"Photo frame: pressed (1)";
        if (code != Kelvo::kNotifyActivated) return {};
        StartLiveSlide(*m_dialog);
        return L"Photo frame: clicked (2) - the picture on the right slides in again";
    }

    std::vector<PixelCheck> Checks(Kelvo::MDialog&) override {
        const CRect bar = m_barRounded;
        const CRect solid = m_areaSolid;
        return {
            {L"the rounded bar's filled part", CPoint(bar.left + 20, bar.top + bar.Height() / 2), 0x3768FA},
            {L"the rounded bar's empty part", CPoint(bar.right - 20, bar.top + bar.Height() / 2),
             kProgressTrackColour & 0xFFFFFF},
            {L"the framed area's frame", CPoint(solid.left, solid.top), 0x3768FA},
            // Red at alpha 254 over the frame colour, which fills the whole area first.
            {L"the area filled with colour reference 0x0000FF", CPoint(solid.left + 10, solid.top + 10), 0xFE0001},
        };
    }

    void Leave(Kelvo::MDialog& dialog) override {
        if (m_timer) dialog.KillMTimer(m_timer);
        m_timer = 0;
        m_dialog = nullptr;
    }

private:
    Kelvo::MText* Caption(Kelvo::MDialog& dialog, CRect rect, const wchar_t* text) {
        auto* caption = static_cast<Kelvo::MText*>(dialog.CreateControl(L"MText", m_nextCaption++, rect, text, 1, 0));
        if (caption) {
            caption->SetTextColor(kCaptionColour);
            caption->SetFontWidth(13);
        }
        return caption;
    }

    void BuildPictures(Kelvo::MDialog& dialog, int left, int top) {
        const struct {
            const wchar_t* file;
            int mode;
            int parameter;
        } samples[] = {
            {L"img_angletunability.png", Kelvo::SHOWMODE_NORMAL, 4},
            {L"img_area2.png", Kelvo::SHOWMODE_TILE, 4},
            {L"background.png", Kelvo::SHOWMODE_STRETCH, 4},
            {L"img_area2.png", Kelvo::SHOWMODE_FRAME, 10},
            {L"img_area2.png", Kelvo::SHOWMODE_FRAME_MID, 0},
            {L"nodevice_background.png", Kelvo::SHOWMODE_CUSTOM, 0},
        };
        for (int i = 0; i < 6; ++i) {
            const int x = left + i * (kBoxWidth + kBoxGap);
            auto* picture = static_cast<Kelvo::MPicture*>(
                dialog.CreateControl(L"MPicture", kPictureFirst + i, CRect(x, top, x + kBoxWidth, top + 110), L"", 1, 1));
            if (!picture) continue;
            picture->SetRresponse(0);
            picture->SetAlignment(DT_CENTER, DT_VCENTER);
            picture->SetImage(samples[i].file, 1);  // a skin that is missing shows the window beneath
            if (samples[i].mode == Kelvo::SHOWMODE_FRAME_MID) {
                picture->SetShowModeMID(6, 16, 6, 16);
            } else {
                picture->SetCustomRect(CRect(120, 90, 360, 270));  // the middle of the picture
                picture->SetShowMode(static_cast<Kelvo::enumShowMode>(samples[i].mode), samples[i].parameter);
            }
            Caption(dialog, CRect(x, top + 114, x + kBoxWidth, top + 132), kModeNames[i]);
        }
    }

    void BuildPhotoFrames(Kelvo::MDialog& dialog, int left, int top) {
        const struct {
            UINT id;
            const wchar_t* caption;
        } frames[] = {{kPhotoNormal, L"normal"}, {kPhotoHot, L"hot"}, {kPhotoPressed, L"pressed"},
                      {kPhotoLive, L"try it"}};
        for (int i = 0; i < 4; ++i) {
            const int x = left + i * 110;
            auto* frame = static_cast<Kelvo::CPhotoFrame*>(
                dialog.CreateControl(L"CPhotoFrame", frames[i].id, CRect(x, top, x + 100, top + 100), L"", 1, 1));
            if (!frame) continue;
            if (frames[i].id != kPhotoLive) frame->SetRresponse(0);
            frame->SetPhotoFrame(L"device_mouse.png", 1);
            frame->SetShowMode(Kelvo::SHOWMODE_STRETCH, 4);
            // The section panel's right half as the frame: its rounded rim lights up.
            frame->SetImage(L"img_area2.png", 2);
            frame->UpdateControl(1, 0);
            Caption(dialog, CRect(x, top + 104, x + 100, top + 122), frames[i].caption);
        }
    }

    void BuildMotion(Kelvo::MDialog& dialog, int left, int top) {
        const struct {
            UINT id;
            int x;
            const wchar_t* caption;
        } slides[] = {{kSlideHalfway, 0, L"sliding, halfway"}, {kSlideLive, 150, L"sliding in"}};
        for (const auto& s : slides) {
            auto* slide = static_cast<Kelvo::CSliderPicture*>(dialog.CreateControl(
                L"CSliderPicture", s.id, CRect(left + s.x, top, left + s.x + 140, top + 100), L"", 1, 1));
            if (!slide) continue;
            slide->SetRresponse(0);
            slide->SetImage(L"nodevice_background.png", 1);
            slide->SetShowMode(Kelvo::SHOWMODE_STRETCH, 4);
            Caption(dialog, CRect(left + s.x, top + 104, left + s.x + 140, top + 122), s.caption);
        }
        auto* spinner = static_cast<Kelvo::CGifPicture*>(
            dialog.CreateControl(L"CGifPicture", kSpinner, CRect(left + 310, top, left + 410, top + 100), L"", 1, 1));
        if (spinner) {
            spinner->SetRresponse(0);
            spinner->SetImage(L"loading.gif", 1);
            spinner->SetRunState(1, 0);
        }
        Caption(dialog, CRect(left + 310, top + 104, left + 410, top + 122), L"loading.gif");
    }

    void StartLiveSlide(Kelvo::MDialog& dialog) {
        auto* live = static_cast<Kelvo::CSliderPicture*>(dialog.GetControl(kSlideLive));
        if (!live) return;
        live->SetVisible(1);
        live->SetRun(1, Kelvo::SLIDER_RIGHT);
    }

    void BuildProgressBars(Kelvo::MDialog& dialog, int left, int top) {
        const struct {
            UINT id;
            int height;
            int progress;
            const wchar_t* caption;
        } bars[] = {
            {kBarRounded, 14, 40, L"rounded, 40 of 100"},
            {kBarText, 24, 65, L"with its text"},
            {kBarSkin, 14, 70, L"two-frame skin"},
            {kBarImages, 16, 55, L"image pair"},
            {kBarMarquee, 14, 0, L"marquee"},
        };
        int y = top;
        for (const auto& b : bars) {
            const CRect rect(left, y, left + 300, y + b.height);
            auto* bar = static_cast<Kelvo::MProgress*>(dialog.CreateControl(L"MProgress", b.id, rect, L"", 1, 1));
            if (bar) {
                bar->SetRresponse(0);
                bar->SetProgress(b.progress);
                Configure(*bar, b.id);
            }
            if (b.id == kBarRounded) m_barRounded = rect;
            Caption(dialog, CRect(left + 310, y, left + 450, y + 18), b.caption);
            y += b.height + 20;
        }
    }

    void Configure(Kelvo::MProgress& bar, UINT id) {
        bar.SetTrackColor(kProgressTrackColour);
        switch (id) {
        case kBarText:
            bar.SetTextColor(0xFFFFFFFF);
            bar.EnableShowText(1);
            break;
        case kBarSkin:
            bar.SetImage(L"img_switch_btn_on.png", 2);
            break;
        case kBarImages:
            bar.SetBackGroundImage(L"img_btn_upgrade.png");
            bar.SetForeGroundImage(L"img_button.png");
            break;
        case kBarMarquee:
            bar.AddMTimer();
            bar.SetRunTimer(1);
            bar.SetRun(1, 0);
            break;
        default:
            break;
        }
    }

    void BuildTextsAndAreas(Kelvo::MDialog& dialog, int left, int top) {
        auto* single = static_cast<Kelvo::MText*>(dialog.CreateControl(
            L"MText", kTextSingle, CRect(left, top, left + 200, top + 22), L"Static text on one line that is cut", 1, 0));
        if (single) single->SetTextColor(0xFF3768FA);
        auto* wrapped = static_cast<Kelvo::MText*>(dialog.CreateControl(
            L"MText", kTextWrapped, CRect(left, top + 28, left + 200, top + 90),
            L"Static text over several lines, wrapped at word breaks and centred", 1, 0));
        if (wrapped) {
            wrapped->SetTextColor(0xFFCCCCCC);
            wrapped->EnableMultiLine(1);
        }

        const int x = left + 220;
        auto* fadeOut = static_cast<Kelvo::CArea*>(
            dialog.CreateControl(L"CArea", kAreaFadeOut, CRect(x, top, x + 100, top + 90), L"", 1, 1));
        if (fadeOut) fadeOut->SetTransparent(0, 100, RGB(0x37, 0x68, 0xFA));
        auto* even = static_cast<Kelvo::CArea*>(
            dialog.CreateControl(L"CArea", kAreaEven, CRect(x + 110, top, x + 210, top + 90), L"", 1, 1));
        if (even) even->SetTransparent(80, 80, RGB(0xFF, 0xFF, 0xFF));
        m_areaSolid = CRect(left, top + 110, left + 200, top + 170);
        auto* solid = static_cast<Kelvo::CArea*>(dialog.CreateControl(L"CArea", kAreaSolid, m_areaSolid, L"", 1, 1));
        if (solid) {
            solid->SetTransparent(0, 0, 0x0000FF);
            solid->SetFrame(1, 0xFF3768FA, 0);
        }
        Caption(dialog, CRect(x, top + 94, x + 210, top + 112), L"fading out, even 80 %");
        Caption(dialog, CRect(left + 210, top + 130, left + 440, top + 148), L"framed, colour reference 0x0000FF");
    }

    CRect m_barRounded;
    CRect m_areaSolid;
    UINT m_timer = 0;
    UINT m_nextCaption = kFirstCaption;
    Kelvo::MDialog* m_dialog = nullptr;
};

}  // namespace

GALLERY_PAGE(PicturePage, 50);

}  // namespace gallery
