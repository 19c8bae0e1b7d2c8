#include "FileChoosers.h"

#include <commdlg.h>
#include <shlobj.h>

#include <string>

namespace {

// Frees the item list the folder chooser hands back.
struct ItemList {
    PIDLIST_ABSOLUTE items = nullptr;
    ~ItemList() {
        if (items) CoTaskMemFree(items);
    }
};

}  // namespace

std::optional<CString> ChooseFolder(HWND owner, const CString& title) {
    BROWSEINFOW info{};
    info.hwndOwner = owner;
    info.lpszTitle = title.GetString();
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    ItemList chosen{SHBrowseForFolderW(&info)};
    if (!chosen.items) return std::nullopt;
    wchar_t path[MAX_PATH] = {};
    if (!SHGetPathFromIDListW(chosen.items, path) || path[0] == L'\0') return std::nullopt;
    return CString(path);
}

std::optional<CString> ChooseXmlFile(HWND owner, const CString& filterName) {
    // "<name> (*.xml)\0*.xml\0\0": the filter is a list of string pairs.
    std::wstring filter = std::wstring(filterName.GetString()) + L" (*.xml)";
    filter.push_back(L'\0');
    filter += L"*.xml";
    filter.push_back(L'\0');
    filter.push_back(L'\0');
    wchar_t path[MAX_PATH] = {};
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = path;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrDefExt = L"xml";
    dialog.Flags = OFN_EXPLORER | OFN_ENABLESIZING | OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
    if (!GetOpenFileNameW(&dialog)) return std::nullopt;
    if (GetFileAttributesW(path) == INVALID_FILE_ATTRIBUTES) return std::nullopt;
    return CString(path);
}
