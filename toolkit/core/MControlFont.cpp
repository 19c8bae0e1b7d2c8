#include "MControlFont.h"

#include <memory>

#include "MRender.h"
#include "Manager.h"
#include "PaintManager.h"

namespace Kelvo {

namespace {

COLORREF ToColorRef(Gdiplus::ARGB colour) {
    return RGB((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
}

Gdiplus::StringAlignment ToStringAlignment(int value, int centre, int farEnd) {
    if (value == centre) return Gdiplus::StringAlignmentCenter;
    if (value == farEnd) return Gdiplus::StringAlignmentFar;
    return Gdiplus::StringAlignmentNear;
}

}  // namespace

MControlFont::MControlFont(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible, int enabled,
                           int responsive)
    : MControl(parent, id, rect, visible, enabled, responsive),
      m_strTitle(title),
      m_strFontFace(Manager::GetFontName()),
      m_nFontSize(Manager::GetFontWidth()) {}

MControlFont::~MControlFont() {
    ClearGDIFont();
    delete m_pTextBrush;
    delete m_pFontFamily;
}

const wchar_t* MControlFont::GetClassNameW() { return L"MControlFont"; }

void MControlFont::SetTextFont(CString face) { m_strFontFace = face; }

void MControlFont::SetTextColor(Gdiplus::ARGB colour) {
    m_textColor = colour;
    delete m_pTextBrush;  // made again, in the new colour, when text is next drawn by GDI+
    m_pTextBrush = nullptr;
}

int MControlFont::SetImage(UINT resourceId, const wchar_t* resourceType, int frames) {
    if (!m_pManager || !resourceType) return 0;
    const ImgResInfo* info = m_pManager->AddImgResInfo(resourceId, resourceType, frames, 1);
    if (!info || !info->image) return 0;
    m_pImage = info->image;
    m_nFrameWidth = info->frameWidth;
    m_nFrameHeight = info->height;
    m_nFrameCount = info->frames;
    m_strImagePath.Empty();
    RepaintIfVisible();
    return 1;
}

int MControlFont::SetImage(const wchar_t* path, int frames) {
    if (!m_pManager || !path || !*path) return 0;
    const ImgResInfo* info = m_pManager->AddImgResInfo(path, frames);
    if (!info || !info->image) return 0;
    m_pImage = info->image;
    m_nFrameWidth = info->frameWidth;
    m_nFrameHeight = info->height;
    m_nFrameCount = info->frames;
    m_strImagePath = CString(path);
    RepaintIfVisible();
    return 1;
}

void MControlFont::SetControlTitle(const wchar_t* text) {
    LockGuard guard(m_textLock);
    m_strTitle = CString(text);
}

CString MControlFont::GetControlTitle() {
    LockGuard guard(m_textLock);
    return m_strTitle;
}

void MControlFont::SetTitle(const wchar_t* text) {
    ClearGDIFont();
    SetControlTitle(text);
    RepaintIfVisible();
}

void MControlFont::RepaintIfVisible() {
    if (m_bVisible && m_pParent) m_pParent->OnControlUpdate(m_rcControl, 1, this);
}

void MControlFont::SetAlignment(int horizontal) { SetAlignment(horizontal, m_nVAlignment); }
void MControlFont::SetVAlignment(int vertical) { SetAlignment(m_nAlignment, vertical); }

void MControlFont::SetAlignment(int horizontal, int vertical) {
    const bool changed = horizontal != m_nAlignment || vertical != m_nVAlignment;
    m_nAlignment = horizontal;
    m_nVAlignment = vertical;
    if (changed) RepaintIfVisible();
}

void MControlFont::GetAlignment(int& horizontal, int& vertical) const {
    horizontal = m_nAlignment;
    vertical = m_nVAlignment;
}

void MControlFont::SetFont(const wchar_t* face, int size, int style) {
    m_strFontFace = CString(face);
    m_nFontSize = size;
    m_nFontStyle = style;
    ClearGDIFont();
}

void MControlFont::SetFontName(const wchar_t* face) {
    m_strFontFace = CString(face);
    ClearGDIFont();
}

void MControlFont::SetFontWidth(int size) {
    m_nFontSize = size;
    ClearGDIFont();
}

void MControlFont::SetFontStyle(int style) { m_nFontStyle = style; }

HFONT MControlFont::GetGDIFont() {
    if (m_hFont) return m_hFont;
    LOGFONTW font{};
    ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    // The face may be longer than LOGFONTW holds: keep 31 characters and the terminator.
    ::lstrcpynW(font.lfFaceName, m_strFontFace.GetString(), LF_FACESIZE);
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfHeight = -m_nFontSize;
    if (m_nFontStyle & Gdiplus::FontStyleBold) font.lfWeight += 700;
    font.lfItalic = (m_nFontStyle & Gdiplus::FontStyleItalic) ? 1 : 0;
    font.lfUnderline = (m_nFontStyle & Gdiplus::FontStyleUnderline) ? 1 : 0;
    font.lfStrikeOut = (m_nFontStyle & Gdiplus::FontStyleStrikeout) ? 1 : 0;
    m_hFont = ::CreateFontIndirectW(&font);
    return m_hFont;
}

void MControlFont::ClearGDIFont() {
    if (m_hFont) ::DeleteObject(m_hFont);
    m_hFont = nullptr;
}

Gdiplus::FontFamily* MControlFont::GetFontFamily(const wchar_t* face) {
    if (!m_pManager) return nullptr;
    const CString wanted(face);
    if (m_pFontFamily && m_strFamilyFace == wanted) return m_pFontFamily;
    Gdiplus::FontFamily* shared = m_pManager->FindTempFont(wanted);
    if (!shared) return nullptr;
    delete m_pFontFamily;
    m_pFontFamily = shared->Clone();
    m_strFamilyFace = wanted;
    return m_pFontFamily;
}

void MControlFont::SetImageCount(int frames) {
    m_nFrameCount = frames > 0 ? frames : 1;
    if (m_pImage) m_nFrameWidth = static_cast<int>(m_pImage->GetWidth()) / m_nFrameCount;
}

void MControlFont::DrawTitle(HDC dc, const CRect& rect, const wchar_t* text, bool multiLine) {
    const CString title(text);
    if (title.IsEmpty() || rect.IsRectEmpty()) return;
    if (m_bTextByGdi)
        DrawTitleByGdi(dc, rect, title, multiLine);
    else
        DrawTitleByGdiplus(dc, rect, title, multiLine);
}

void MControlFont::DrawTitleByGdi(HDC dc, const CRect& rect, const CString& text, bool multiLine) {
    const int oldMode = ::SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour = ::SetTextColor(dc, ToColorRef(m_textColor));
    HGDIOBJ oldFont = ::SelectObject(dc, GetGDIFont());
    RECT box{rect.left, rect.top, rect.right, rect.bottom};
    if (!multiLine) {
        ::DrawTextW(dc, text, -1, &box, m_nAlignment | m_nVAlignment | DT_SINGLELINE | DT_WORD_ELLIPSIS);
    } else {
        RECT measured = box;
        ::DrawTextW(dc, text, -1, &measured,
                    m_nAlignment | m_nVAlignment | DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL);
        const int height = measured.bottom - measured.top;
        box.top = rect.top + (rect.Height() - height) / 2;
        box.bottom = box.top + height;
        ::DrawTextW(dc, text, -1, &box, m_nAlignment | DT_WORDBREAK | DT_VCENTER | DT_EDITCONTROL);
    }
    ::SelectObject(dc, oldFont);
    ::SetTextColor(dc, oldColour);
    ::SetBkMode(dc, oldMode);
}

void MControlFont::DrawTitleByGdiplus(HDC dc, const CRect& rect, const CString& text, bool multiLine) {
    Gdiplus::FontFamily* family = GetFontFamily(m_strFontFace);
    if (!family) return;
    if (!m_pTextBrush) m_pTextBrush = new Gdiplus::SolidBrush(Gdiplus::Color(m_textColor));
    Gdiplus::Graphics graphics(dc);
    graphics.SetTextRenderingHint(static_cast<Gdiplus::TextRenderingHint>(m_nRenderingHint));
    Gdiplus::Font font(family, static_cast<Gdiplus::REAL>(m_nFontSize), m_nFontStyle, Gdiplus::UnitPixel);
    Gdiplus::StringFormat format;
    format.SetAlignment(ToStringAlignment(m_nAlignment, DT_CENTER, DT_RIGHT));
    format.SetLineAlignment(ToStringAlignment(m_nVAlignment, DT_VCENTER, DT_BOTTOM));
    format.SetFormatFlags(multiLine ? Gdiplus::StringFormatFlagsNoClip | Gdiplus::StringFormatFlagsMeasureTrailingSpaces
                                    : Gdiplus::StringFormatFlagsNoWrap | Gdiplus::StringFormatFlagsMeasureTrailingSpaces);
    if (!multiLine && m_bEllipsis) format.SetTrimming(Gdiplus::StringTrimmingEllipsisCharacter);
    const Gdiplus::RectF box(static_cast<Gdiplus::REAL>(rect.left), static_cast<Gdiplus::REAL>(rect.top),
                             static_cast<Gdiplus::REAL>(rect.Width()), static_cast<Gdiplus::REAL>(rect.Height()));
    graphics.DrawString(text, -1, &font, box, &format, m_pTextBrush);
}

void MControlFont::DrawImageFrame(Gdiplus::Graphics& graphics, const CRect& dest, int frame, int corner) {
    if (!m_pImage || m_nFrameWidth <= 0) return;
    if (frame < 0) frame = 0;
    if (frame >= m_nFrameCount) frame = m_nFrameCount - 1;
    MRender::DrawImageFrame(graphics, m_pImage, dest, frame * m_nFrameWidth, 0, m_nFrameWidth, m_nFrameHeight, corner);
}

}  // namespace Kelvo
