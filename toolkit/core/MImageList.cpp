#include "MImageList.h"

#include <algorithm>
#include <new>

#include "MRender.h"

namespace Kelvo {

namespace {

void DeleteEntry(_M_IAMGELIST* entry) {
    if (!entry) return;
    delete entry->image;
    delete entry;
}

}  // namespace

MImageList::MImageList() = default;

MImageList::~MImageList() { DelAllImages(); }

int MImageList::AddImage(const wchar_t* path, UINT id, int frames) { return InsertImage(-1, path, id, frames); }

int MImageList::InsertImage(int index, const wchar_t* path, UINT id, int frames) {
    if (!path) return -1;
    {
        LockGuard guard(m_lock);
        if (index < -1 || index >= static_cast<int>(m_items.size())) return -1;
    }
    // Loading happens outside the lock: it reads a file and may take a while.
    auto* entry = new (std::nothrow) _M_IAMGELIST;
    if (!entry) return -1;
    entry->id = id;
    entry->frames = std::max(frames, 1);
    try {
        entry->path = path;
    } catch (const std::bad_alloc&) {
        delete entry;
        return -1;
    }
    entry->image = MRender::LoadImageFromFile(path);
    if (entry->image) {
        entry->frameWidth = static_cast<int>(entry->image->GetWidth()) / entry->frames;
        entry->height = static_cast<int>(entry->image->GetHeight());
    }

    LockGuard guard(m_lock);
    // Another thread may have shrunk the list meanwhile; the index is checked again.
    if (index >= static_cast<int>(m_items.size())) {
        DeleteEntry(entry);
        return -1;
    }
    try {
        if (index == -1) {
            m_items.push_back(entry);
            return static_cast<int>(m_items.size()) - 1;
        }
        m_items.insert(m_items.begin() + index, entry);
        return index;
    } catch (const std::bad_alloc&) {
        DeleteEntry(entry);
        return -1;
    }
}

void MImageList::DrawItemIcon(Gdiplus::Graphics& graphics, CRect rect, int index) {
    // The lock is held while drawing so that no other thread deletes the image meanwhile.
    LockGuard guard(m_lock);
    if (index < 0 || index >= static_cast<int>(m_items.size())) return;
    const _M_IAMGELIST* entry = m_items[static_cast<size_t>(index)];
    if (!entry || !entry->image || entry->frameWidth <= 0) return;
    graphics.DrawImage(entry->image, Gdiplus::Rect(rect.left, rect.top, rect.Width(), rect.Height()), 0, 0,
                       entry->frameWidth, entry->height, Gdiplus::UnitPixel);
}

void MImageList::DrawItemIcon(Gdiplus::Graphics& graphics, CRect rect, int index, int frame) {
    LockGuard guard(m_lock);
    if (index < 0 || index >= static_cast<int>(m_items.size())) return;
    const _M_IAMGELIST* entry = m_items[static_cast<size_t>(index)];
    if (!entry || !entry->image || entry->frameWidth <= 0) return;
    const int shown = std::clamp(frame, 0, entry->frames - 1);
    const int x = rect.left + (rect.Width() - entry->frameWidth) / 2;
    const int y = rect.top + (rect.Height() - entry->height) / 2;
    graphics.DrawImage(entry->image, Gdiplus::Rect(x, y, entry->frameWidth, entry->height),
                       shown * entry->frameWidth, 0, entry->frameWidth, entry->height, Gdiplus::UnitPixel);
}

_M_IAMGELIST* MImageList::GetItemImageData(int index) {
    LockGuard guard(m_lock);
    if (index < 0 || index >= static_cast<int>(m_items.size())) return nullptr;
    return m_items[static_cast<size_t>(index)];
}

_M_IAMGELIST* MImageList::GetImageDataByID(UINT id) {
    LockGuard guard(m_lock);
    for (_M_IAMGELIST* entry : m_items)
        if (entry && entry->id == id) return entry;
    return nullptr;
}

CString MImageList::GetImagePath(int index) {
    LockGuard guard(m_lock);
    if (index < 0 || index >= static_cast<int>(m_items.size()) || !m_items[static_cast<size_t>(index)]) return {};
    return m_items[static_cast<size_t>(index)]->path;
}

CString MImageList::GetImagePathByID(UINT id) {
    LockGuard guard(m_lock);
    for (const _M_IAMGELIST* entry : m_items)
        if (entry && entry->id == id) return entry->path;
    return {};
}

int MImageList::GetImageCount() {
    LockGuard guard(m_lock);
    return static_cast<int>(m_items.size());
}

int MImageList::DelAllImages() {
    LockGuard guard(m_lock);
    for (_M_IAMGELIST* entry : m_items) DeleteEntry(entry);
    m_items.clear();
    return 1;
}

int MImageList::SetDrawImgSize(int width, int height) {
    LockGuard guard(m_lock);
    m_drawSize = CSize(width, height);
    return 1;
}

CSize MImageList::GetIconSize() {
    LockGuard guard(m_lock);
    return m_drawSize;
}

}  // namespace Kelvo
