#include "CKeyboardTips.h"

#include "MRender.h"
#include "Manager.h"

namespace Kelvo {

namespace {

constexpr Gdiplus::ARGB kFrame = 0xFF505050;
constexpr Gdiplus::ARGB kFill = 0xFF141414;
constexpr Gdiplus::ARGB kCaption = 0xFFE6E6E6;
constexpr Gdiplus::ARGB kKeys = 0xFFFFFFFF;
constexpr float kSmallFont = 14.0f;
constexpr float kLargeFont = 18.0f;
constexpr int kThirdLineDrop = 28;

void DrawLine(Gdiplus::Graphics& graphics, const CString& text, const CRect& rect, float pixels,
              Gdiplus::ARGB colour) {
    if (text.IsEmpty()) return;
    Gdiplus::FontFamily family(Manager::GetFontName().GetString());
    Gdiplus::FontFamily fallback(L"Arial");
    Gdiplus::Font font(family.IsAvailable() ? &family : &fallback, pixels, Gdiplus::FontStyleRegular,
                       Gdiplus::UnitPixel);
    Gdiplus::StringFormat format;
    format.SetAlignment(Gdiplus::StringAlignmentCenter);
    format.SetLineAlignment(Gdiplus::StringAlignmentCenter);
    format.SetFormatFlags(Gdiplus::StringFormatFlagsNoWrap);
    format.SetTrimming(Gdiplus::StringTrimmingEllipsisCharacter);
    Gdiplus::SolidBrush brush{Gdiplus::Color(colour)};
    const Gdiplus::RectF layout(static_cast<float>(rect.left), static_cast<float>(rect.top),
                                static_cast<float>(rect.Width()), static_cast<float>(rect.Height()));
    graphics.DrawString(text.GetString(), text.GetLength(), &font, layout, &format, &brush);
}

}  // namespace

CKeyboardTips::CKeyboardTips() { m_bFocusMessages = true; }

CKeyboardTips::~CKeyboardTips() {
    if (m_hWnd && ::IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
}

const wchar_t* CKeyboardTips::GetWindowClassName() { return L"CKeyboardTips"; }

int CKeyboardTips::SetAirBladderMsg(const wchar_t* text1, const wchar_t* text2, const wchar_t* text3, POINT point) {
    const CString first(text1 ? text1 : L"");
    const CString second(text2 ? text2 : L"");
    const CString third(text3 ? text3 : L"");
    const CPoint anchor(point.x, point.y);
    if (first == m_strText1 && second == m_strText2 && third == m_strText3 && anchor == m_ptAnchor) return 1;
    m_strText1 = first;
    m_strText2 = second;
    m_strText3 = third;
    m_ptAnchor = anchor;
    if (m_strText1.IsEmpty()) return 1;
    SetWindowPos(nullptr, anchor.x - kWidth / 2, anchor.y - kHeight, kWidth, kHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    Paint();
    return 1;
}

int CKeyboardTips::LoadBKImage(const wchar_t* path) {
    if (!path) return 0;
    std::unique_ptr<Gdiplus::Image> image(MRender::LoadImageFromFile(Manager::GetSkinFile(CString(path))));
    if (!image) return 0;
    m_pBkImage = std::move(image);
    return 1;
}

void CKeyboardTips::SetBackMode(enumBackMode mode, int frameSize) {
    m_backMode = mode;
    m_nFrameSize = frameSize;
}

void CKeyboardTips::Paint() {
    RECT client{};
    if (!GetClientRect(&client)) return;
    const int width = client.right;
    const int height = client.bottom;
    std::unique_ptr<Gdiplus::Bitmap> canvas = BeginPicture(width, height);
    if (!canvas) return;
    {
        Gdiplus::Graphics graphics(canvas.get());
        if (m_pBkImage) {
            MRender::DrawImageFrame(graphics, m_pBkImage.get(), CRect(0, 0, width, height), 0, 0,
                                    static_cast<int>(m_pBkImage->GetWidth()),
                                    static_cast<int>(m_pBkImage->GetHeight()),
                                    m_backMode == BACKMODE_FRAME ? m_nFrameSize : 0);
        } else {
            Gdiplus::SolidBrush frame{Gdiplus::Color(kFrame)};
            Gdiplus::SolidBrush fill{Gdiplus::Color(kFill)};
            graphics.FillRectangle(&frame, 0, 0, width, height);
            graphics.FillRectangle(&fill, 1, 1, width - 2, height - 2);
        }
        graphics.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAlias);
        DrawLine(graphics, m_strText1, CRect(10, 10, width - 20, 23), kSmallFont, kCaption);
        const CRect keys(10, 39, width - 20, 59);
        DrawLine(graphics, m_strText2, keys, kSmallFont, kKeys);
        DrawLine(graphics, m_strText3, CRect(keys.left, keys.top + kThirdLineDrop, keys.right,
                                             keys.bottom + kThirdLineDrop), kLargeFont, kKeys);
    }
    PresentPicture();
}

}  // namespace Kelvo
