// The paint manager's caches: skin images (each file or resource loaded once per
// window), font families and the toolkit's private fonts, and the background image.
#include "MRender.h"
#include "Manager.h"
#include "PaintManager.h"

namespace Kelvo {

namespace {

HMODULE ToolkitModule() {
    HMODULE module = nullptr;
    ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         reinterpret_cast<LPCWSTR>(&ToolkitModule), &module);
    return module;
}

ImgResInfo MakeEntry(Gdiplus::Image* image, int frames) {
    ImgResInfo entry;
    entry.image = image;
    entry.frames = frames;
    entry.frameWidth = static_cast<int>(image->GetWidth()) / frames;
    entry.height = static_cast<int>(image->GetHeight());
    return entry;
}

}  // namespace

const ImgResInfo* PaintManager::AddImgResInfo(const wchar_t* path, int frames) {
    const CString key(path);
    if (key.IsEmpty()) return nullptr;
    if (frames < 1) frames = 1;
    LockGuard guard(m_imageLock);
    auto entry = m_pathEntries.find({key, frames});
    if (entry != m_pathEntries.end()) return &entry->second;
    // One image per file; the frame width is the asking control's own.
    auto& image = m_imagesByPath[key];
    if (!image) image.reset(MRender::LoadImageFromFile(Manager::GetSkinFile(key)));
    if (!image) {
        m_imagesByPath.erase(key);  // nothing cached: a later call tries again
        return nullptr;
    }
    ImgResInfo info = MakeEntry(image.get(), frames);
    info.path = key;
    return &m_pathEntries.emplace(std::pair{key, frames}, info).first->second;
}

const ImgResInfo* PaintManager::AddImgResInfo(UINT resourceId, const wchar_t* resourceType, int frames,
                                              int fromApplication) {
    if (!resourceType) return nullptr;
    if (frames < 1) frames = 1;
    const std::pair<int, UINT> origin{fromApplication ? 1 : 0, resourceId};
    LockGuard guard(m_imageLock);
    auto entry = m_idEntries.find({origin, frames});
    if (entry != m_idEntries.end()) return &entry->second;
    auto& image = m_imagesById[origin];
    if (!image) {
        HINSTANCE module = fromApplication ? Manager::GetInstance() : ToolkitModule();
        image.reset(MRender::LoadImageFromIDResource(resourceId, resourceType, module));
    }
    if (!image) {
        m_imagesById.erase(origin);
        return nullptr;
    }
    ImgResInfo info = MakeEntry(image.get(), frames);
    info.resourceId = resourceId;
    return &m_idEntries.emplace(std::pair{origin, frames}, info).first->second;
}

void PaintManager::ClearImgResInfo() {
    LockGuard guard(m_imageLock);
    m_pathEntries.clear();
    m_idEntries.clear();
    m_imagesByPath.clear();
    m_imagesById.clear();
}

int PaintManager::LoadBKImage(const wchar_t* path) {
    const CString name(path);
    if (name.IsEmpty()) return 0;
    Gdiplus::Image* image = MRender::LoadImageFromFile(Manager::GetSkinFile(name));
    if (!image) return 0;
    delete m_pBkImage;
    m_pBkImage = image;
    m_nBkWidth = static_cast<int>(image->GetWidth());
    m_nBkHeight = static_cast<int>(image->GetHeight());
    Invalidate();
    return 1;
}

int PaintManager::LoadBKImage(UINT resourceId, const wchar_t* resourceType) {
    if (!resourceType) return 0;
    Gdiplus::Image* image = MRender::LoadImageFromIDResource(resourceId, resourceType, Manager::GetInstance());
    if (!image) return 0;
    delete m_pBkImage;
    m_pBkImage = image;
    m_nBkWidth = static_cast<int>(image->GetWidth());
    m_nBkHeight = static_cast<int>(image->GetHeight());
    Invalidate();
    return 1;
}

void PaintManager::SetBackMode(enumBackMode mode, int frameSize) {
    m_backMode = mode;
    m_nFrameSize = frameSize;
    Invalidate();
}

void PaintManager::SetBackColor(COLORREF fill, COLORREF border) {
    m_fillColor = fill;
    m_borderColor = border;
    Invalidate();
}

// --- fonts --------------------------------------------------------------------------------

int PaintManager::AddGDITempFont(UINT resourceId, const wchar_t* resourceType) {
    if (!resourceType) return 0;
    HMODULE module = ToolkitModule();
    HRSRC resource = ::FindResourceW(module, MAKEINTRESOURCEW(resourceId), resourceType);
    if (!resource) return 0;
    HGLOBAL loaded = ::LoadResource(module, resource);
    void* data = loaded ? ::LockResource(loaded) : nullptr;
    if (!data) return 0;
    DWORD count = 0;
    HANDLE font = ::AddFontMemResourceEx(data, ::SizeofResource(module, resource), nullptr, &count);
    if (!font) return 0;
    LockGuard guard(m_fontLock);
    m_gdiFonts.push_back(font);
    return 1;
}

Gdiplus::FontFamily* PaintManager::AddTempFont(const wchar_t* name, const wchar_t* fontFile) {
    const CString key(name);
    if (key.IsEmpty() || !fontFile) return nullptr;
    auto collection = std::make_unique<Gdiplus::PrivateFontCollection>();
    if (collection->AddFontFile(fontFile) != Gdiplus::Ok || collection->GetFamilyCount() < 1) return nullptr;
    auto family = std::make_unique<Gdiplus::FontFamily>();
    int found = 0;
    if (collection->GetFamilies(1, family.get(), &found) != Gdiplus::Ok || found < 1) return nullptr;
    LockGuard guard(m_fontLock);
    m_fontCollections.push_back(std::move(collection));
    auto& slot = m_fonts[key];
    slot = std::move(family);
    return slot.get();
}

Gdiplus::FontFamily* PaintManager::AddTempFont(const wchar_t* name, UINT resourceId) {
    const CString key(name);
    if (key.IsEmpty()) return nullptr;
    HMODULE module = ToolkitModule();
    HRSRC resource = ::FindResourceW(module, MAKEINTRESOURCEW(resourceId), L"TTF");
    HGLOBAL loaded = resource ? ::LoadResource(module, resource) : nullptr;
    const void* data = loaded ? ::LockResource(loaded) : nullptr;
    if (!data) return nullptr;
    auto collection = std::make_unique<Gdiplus::PrivateFontCollection>();
    if (collection->AddMemoryFont(data, static_cast<INT>(::SizeofResource(module, resource))) != Gdiplus::Ok ||
        collection->GetFamilyCount() < 1)
        return nullptr;
    auto family = std::make_unique<Gdiplus::FontFamily>();
    int found = 0;
    if (collection->GetFamilies(1, family.get(), &found) != Gdiplus::Ok || found < 1) return nullptr;
    LockGuard guard(m_fontLock);
    m_fontCollections.push_back(std::move(collection));
    auto& slot = m_fonts[key];
    slot = std::move(family);
    return slot.get();
}

Gdiplus::FontFamily* PaintManager::FindTempFont(const wchar_t* name) {
    const CString key(name);
    if (key.IsEmpty()) return nullptr;
    LockGuard guard(m_fontLock);
    auto it = m_fonts.find(key);
    if (it != m_fonts.end()) return it->second.get();
    auto family = std::make_unique<Gdiplus::FontFamily>(key.GetString());
    if (family->GetLastStatus() != Gdiplus::Ok || !family->IsAvailable()) return nullptr;
    auto& slot = m_fonts[key];
    slot = std::move(family);
    return slot.get();
}

void PaintManager::ClearTempFont() {
    LockGuard guard(m_fontLock);
    m_fonts.clear();
    m_fontCollections.clear();
    for (HANDLE font : m_gdiFonts) ::RemoveFontMemResourceEx(font);
    m_gdiFonts.clear();
}

}  // namespace Kelvo
