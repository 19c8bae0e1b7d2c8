// The window as an OLE drop target for images, and dragging a control's picture out.
#include "DataObject.h"
#include "DropSource.h"
#include "DroppedImage.h"
#include "MControl.h"
#include "MRender.h"
#include "PaintManager.h"

namespace Kelvo {

namespace {

FORMATETC Format(CLIPFORMAT format, DWORD medium) { return FORMATETC{format, nullptr, DVASPECT_CONTENT, -1, medium}; }

// A copy of `bitmap` drawn into an enhanced metafile, for targets that take only those.
HENHMETAFILE MetafileOf(HBITMAP bitmap, int width, int height) {
    HDC meta = ::CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
    if (!meta) return nullptr;
    HDC source = ::CreateCompatibleDC(nullptr);
    HGDIOBJ previous = ::SelectObject(source, bitmap);
    ::BitBlt(meta, 0, 0, width, height, source, 0, 0, SRCCOPY);
    ::SelectObject(source, previous);
    ::DeleteDC(source);
    return ::CloseEnhMetaFile(meta);
}

}  // namespace

int PaintManager::InitDragDrop() {
    if (!IsLive() || !RegisterTarget(m_hWnd)) return 0;
    m_formats.clear();
    FORMATETC formats[] = {Format(CF_BITMAP, TYMED_GDI), Format(CF_DIB, TYMED_HGLOBAL),
                           Format(CF_HDROP, TYMED_HGLOBAL), Format(CF_ENHMETAFILE, TYMED_ENHMF)};
    for (FORMATETC& format : formats) AddSuportedFormat(format);
    return 1;
}

bool PaintManager::OnDrop(FORMATETC* format, STGMEDIUM& medium, DWORD*) {
    if (!IsLive()) return true;
    // The drag began with a press (perhaps on one of our controls): end it where the drop is.
    POINT cursor{};
    ::GetCursorPos(&cursor);
    ::ScreenToClient(m_hWnd, &cursor);
    ::SendMessageW(m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(cursor.x, cursor.y));
    if (!format) return true;
    HBITMAP image = DroppedImage::FromMedium(*format, medium);
    if (!image) return true;
    auto previous = reinterpret_cast<HGDIOBJ>(
        ::SendMessageW(m_hWnd, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(image)));
    if (previous && previous != image) ::DeleteObject(previous);
    // A window that kept the image answers with it; otherwise it is ours to free.
    auto current = reinterpret_cast<HGDIOBJ>(::SendMessageW(m_hWnd, STM_GETIMAGE, IMAGE_BITMAP, 0));
    if (current != image) ::DeleteObject(image);
    return true;  // the image is a copy: the medium is always released
}

HBITMAP PaintManager::GetDropBitmap(MControl* control, const CRect& rect, COLORREF) {
    if (!control) return nullptr;
    const CRect where = control->GetRect();
    if (where.right <= 0 || where.bottom <= 0 || rect.IsRectEmpty()) return nullptr;
    HDC reference = m_hPaintDC ? m_hPaintDC : ::GetDC(nullptr);
    // The control draws at its window position, so the canvas reaches from the window origin.
    BackBuffer canvas;
    HBITMAP result = nullptr;
    if (canvas.Ensure(reference, where.right, where.bottom)) {
        HDC canvasDC = canvas.GetDC();
        control->Draw(canvasDC, CRect(0, 0, where.right, where.bottom));
        ::GdiFlush();
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = rect.Width();
        info.bmiHeader.biHeight = -rect.Height();  // top-down
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        result = ::CreateDIBSection(canvasDC, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (result) {
            HDC copy = ::CreateCompatibleDC(canvasDC);
            HGDIOBJ previous = ::SelectObject(copy, result);
            ::BitBlt(copy, 0, 0, rect.Width(), rect.Height(), canvasDC, where.left + rect.left, where.top + rect.top,
                     SRCCOPY);
            ::SelectObject(copy, previous);
            ::DeleteDC(copy);
        }
    }
    if (!m_hPaintDC) ::ReleaseDC(nullptr, reference);
    return result;
}

void PaintManager::ClearDragSource() {
    m_bDragPending = 0;
    m_pDragSource = nullptr;
    if (m_hDragBitmap) ::DeleteObject(m_hDragBitmap);
    m_hDragBitmap = nullptr;
}

void PaintManager::StartDragOut() {
    MControl* const source = m_pDragSource;
    HBITMAP bitmap = m_hDragBitmap;
    m_hDragBitmap = nullptr;
    m_bDragPending = 0;
    if (!bitmap && source) {
        const CRect where = source->GetRect();
        bitmap = GetDropBitmap(source, CRect(0, 0, where.Width(), where.Height()), 0);
    }
    if (!bitmap || !IsLive()) {
        if (bitmap) ::DeleteObject(bitmap);
        ClearDragSource();
        return;
    }
    BITMAP size{};
    ::GetObjectW(bitmap, sizeof size, &size);

    RECT window{};
    ::GetWindowRect(m_hWnd, &window);
    ::ClipCursor(&window);
    ReleaseCapture();

    auto* dropSource = new CIDropSource();
    auto* data = new CIDataObject(dropSource);
    FORMATETC bitmapFormat = Format(CF_BITMAP, TYMED_GDI);
    STGMEDIUM bitmapMedium{};
    bitmapMedium.tymed = TYMED_GDI;
    bitmapMedium.hBitmap = static_cast<HBITMAP>(::OleDuplicateData(bitmap, CF_BITMAP, 0));
    if (FAILED(data->SetData(&bitmapFormat, &bitmapMedium, TRUE))) ::ReleaseStgMedium(&bitmapMedium);
    FORMATETC metaFormat = Format(CF_ENHMETAFILE, TYMED_ENHMF);
    STGMEDIUM metaMedium{};
    metaMedium.tymed = TYMED_ENHMF;
    metaMedium.hEnhMetaFile = MetafileOf(bitmap, size.bmWidth, size.bmHeight);
    if (metaMedium.hEnhMetaFile && FAILED(data->SetData(&metaFormat, &metaMedium, TRUE)))
        ::ReleaseStgMedium(&metaMedium);

    CDragSourceHelper helper;
    POINT cursor{size.bmWidth / 2, size.bmHeight / 2};
    RECT imageRect{0, 0, size.bmWidth, size.bmHeight};
    HBITMAP shown = static_cast<HBITMAP>(::OleDuplicateData(bitmap, CF_BITMAP, 0));
    if (shown && FAILED(helper.InitializeFromBitmap(shown, cursor, imageRect, data, ::GetSysColor(COLOR_WINDOW))))
        ::DeleteObject(shown);

    DWORD effect = DROPEFFECT_NONE;
    ::DoDragDrop(data, dropSource, DROPEFFECT_COPY | DROPEFFECT_MOVE, &effect);
    data->Release();
    dropSource->Release();
    ::DeleteObject(bitmap);

    // A drop on another window leaves the press open: close it outside every control.
    if (m_bLeftPressed) {
        m_bLeftPressed = 0;
        if (MControl* hover = m_pHover) hover->OnLButtonUp(0, CPoint(-1, -1));
    }
    m_pDragSource = nullptr;
    ::ClipCursor(nullptr);
}

}  // namespace Kelvo
