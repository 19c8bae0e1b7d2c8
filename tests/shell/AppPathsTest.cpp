// Program, skin and data folders under Wine, and the resources compiled into Mirevo.exe.
#include <gtest/gtest.h>

#include "CStringPrinter.h"

#include <windows.h>
#include <shlobj.h>

#include "AppPaths.h"
#include "File.h"
#include "FixturePath.h"

namespace {

CString ExePath() {
    wchar_t buffer[MAX_PATH * 4] = {};
    GetModuleFileNameW(nullptr, buffer, MAX_PATH * 4);
    return buffer;
}

TEST(AppPathsTest, ProgramAndSkinFoldersAreBesideTheExecutable) {
    CString exe = ExePath();
    CString folder = GetProgramFolder();
    ASSERT_FALSE(folder.IsEmpty());
    EXPECT_EQ(folder.Right(1), L"\\");
    EXPECT_EQ(folder, exe.Left(exe.ReverseFind(L'\\') + 1));
    EXPECT_EQ(GetSkinFolder(), folder + L"skins\\theme1\\");
}

TEST(AppPathsTest, DataFolderIsInTheDocumentsFolder) {
    wchar_t documents[MAX_PATH + 1] = {};
    ASSERT_TRUE(SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, 0, documents)));
    EXPECT_EQ(GetDocumentsFolder(), CString(documents) + L"\\Corvane Files\\");
}

TEST(AppPathsTest, DirectoryTreeIsCreatedOnDisk) {
    wchar_t temp[MAX_PATH + 1] = {};
    ASSERT_GT(GetTempPathW(MAX_PATH, temp), 0u);
    CString root = CString(temp) + L"mirevo-tree-" + std::to_wstring(GetCurrentProcessId()).c_str();
    CString deep = root + L"\\a b\\c\\d";
    EXPECT_TRUE(CreateDirectoryTree(deep));
    EXPECT_TRUE(file::IsDirectory(deep));
    EXPECT_TRUE(CreateDirectoryTree(deep));  // already there
    // A file where a folder should be, whether the last name or one above it.
    CString blocker = root + L"\\file";
    ASSERT_TRUE(file::WriteAll(blocker, "x"));
    EXPECT_FALSE(CreateDirectoryTree(blocker));
    EXPECT_FALSE(CreateDirectoryTree(blocker + L"\\below"));
    EXPECT_FALSE(CreateDirectoryTree(blocker + L"\\below\\deeper"));
    std::string kept;
    EXPECT_TRUE(file::ReadAll(blocker, kept));
    EXPECT_EQ(kept, "x");
    file::Remove(blocker);
    for (CString path : {deep, root + L"\\a b\\c", root + L"\\a b", root}) RemoveDirectoryW(path);
    EXPECT_FALSE(file::Exists(root));
}

// Icon resource 107 of Mirevo.exe holds the four sizes of the shipped icon, and the
// skin folder beside it the icon file the main window loads.
TEST(AppPathsTest, ExecutableCarriesTheApplicationIcon) {
    EXPECT_TRUE(file::Exists(ShippedFolder() + L"skins\\theme1\\Mirevo.ico"));
    HMODULE exe = LoadLibraryExW(ShippedFolder() + L"Mirevo.exe", nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(exe, nullptr);
    HRSRC group = FindResourceW(exe, MAKEINTRESOURCEW(107), MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
    ASSERT_NE(group, nullptr);
    auto* header = static_cast<const WORD*>(LockResource(LoadResource(exe, group)));
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header[1], 1);  // icons
    EXPECT_EQ(header[2], 4);  // 16, 32, 48 and 256 pixels
    for (int size : {16, 32, 48, 256}) {
        HICON icon = static_cast<HICON>(LoadImageW(exe, MAKEINTRESOURCEW(107), IMAGE_ICON, size, size, 0));
        EXPECT_NE(icon, nullptr) << size;
        if (icon) DestroyIcon(icon);
    }
    FreeLibrary(exe);
}

}  // namespace
