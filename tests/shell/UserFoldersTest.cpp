#include <gtest/gtest.h>

#include "CStringPrinter.h"

#include <set>
#include <vector>

#include "UserFolders.h"

namespace {

// Folders and files in memory; a folder can only be made inside an existing folder,
// and a file of the same name answers "already exists", as on Windows.
class FakeFolders : public FolderSystem {
public:
    bool IsDirectory(const CString& path) override { return folders.count(path) != 0; }

    MakeFolderResult MakeFolder(const CString& path) override {
        calls.push_back(path);
        if (folders.count(path) || files.count(path)) return MakeFolderResult::AlreadyExists;
        int slash = path.ReverseFind(L'\\');
        if (slash < 0 || !folders.count(path.Left(slash)) || readOnly.count(path.Left(slash)))
            return MakeFolderResult::Failed;
        folders.insert(path);
        return MakeFolderResult::Created;
    }

    bool DocumentsFolder(CString& path) override {
        if (!documentsKnown) {
            path = L"garbage";
            return false;
        }
        path = documents;
        return true;
    }

    std::set<CString> folders{L"C:", L"C:\\Users", L"C:\\Users\\ann", L"C:\\Users\\ann\\Documents"};
    std::set<CString> files;
    std::set<CString> readOnly;
    std::vector<CString> calls;
    CString documents = L"C:\\Users\\ann\\Documents";
    bool documentsKnown = true;
};

TEST(UserFoldersTest, DataFolderFollowsTheDocumentsFolder) {
    const struct {
        CString documents;
        const wchar_t* expected;
    } cases[] = {
        {L"C:\\Users\\ann\\Documents", L"C:\\Users\\ann\\Documents\\Corvane Files\\"},
        {L"D:\\", L"D:\\Corvane Files\\"},
        {CString(L"E:\\Docs\0junk", 12), L"E:\\Docs\\Corvane Files\\"},
        {L"", L""},
    };
    for (const auto& c : cases) {
        FakeFolders fs;
        fs.documents = c.documents;
        EXPECT_EQ(UserFolders(fs).DataFolder(), c.expected) << c.documents.str();
    }
    FakeFolders unknown;
    unknown.documentsKnown = false;
    EXPECT_EQ(UserFolders(unknown).DataFolder(), L"");
}

TEST(UserFoldersTest, TreeIsCreatedTopDownButNeverTheDrive) {
    FakeFolders fs;
    ASSERT_TRUE(UserFolders(fs).CreateDirectoryTree(L"C:\\Users\\ann\\new\\a\\b"));
    std::vector<CString> expected{L"C:\\Users", L"C:\\Users\\ann", L"C:\\Users\\ann\\new", L"C:\\Users\\ann\\new\\a",
                                  L"C:\\Users\\ann\\new\\a\\b"};
    EXPECT_EQ(fs.calls, expected);
    EXPECT_TRUE(fs.IsDirectory(L"C:\\Users\\ann\\new\\a\\b"));
}

TEST(UserFoldersTest, ExistingFolderSucceedsWithoutCreatingAnything) {
    FakeFolders fs;
    EXPECT_TRUE(UserFolders(fs).CreateDirectoryTree(L"C:\\Users\\ann"));
    EXPECT_TRUE(fs.calls.empty());
}

TEST(UserFoldersTest, FolderThatCannotBeMadeFails) {
    FakeFolders fs;
    fs.readOnly.insert(L"C:\\Users\\ann");
    EXPECT_FALSE(UserFolders(fs).CreateDirectoryTree(L"C:\\Users\\ann\\x\\y"));
    EXPECT_FALSE(fs.IsDirectory(L"C:\\Users\\ann\\x"));
    EXPECT_FALSE(UserFolders(fs).CreateDirectoryTree(L""));
}

TEST(UserFoldersTest, FileWhereAFolderShouldBeFails) {
    const struct {
        const char* what;
        const wchar_t* file;
        const wchar_t* path;
    } cases[] = {
        {"the folder itself is a file", L"C:\\Users\\ann\\db", L"C:\\Users\\ann\\db"},
        {"a folder above it is a file", L"C:\\Users\\ann\\data", L"C:\\Users\\ann\\data\\db"},
        {"a folder far above it is a file", L"C:\\Users\\ann\\data", L"C:\\Users\\ann\\data\\x\\db"},
    };
    for (const auto& c : cases) {
        FakeFolders fs;
        fs.files.insert(c.file);
        EXPECT_FALSE(UserFolders(fs).CreateDirectoryTree(c.path)) << c.what;
        EXPECT_FALSE(fs.IsDirectory(c.path)) << c.what;
    }
    FakeFolders fs;
    fs.files.insert(L"C:\\Users\\ann\\Documents\\Corvane Files");
    EXPECT_FALSE(UserFolders(fs).CreateDatabaseFolder());
}

TEST(UserFoldersTest, DatabaseFolderIsCreatedOnceAndASecondStartChangesNothing) {
    FakeFolders fs;
    EXPECT_TRUE(UserFolders(fs).CreateDatabaseFolder());
    EXPECT_TRUE(fs.IsDirectory(L"C:\\Users\\ann\\Documents\\Corvane Files"));
    EXPECT_TRUE(fs.IsDirectory(L"C:\\Users\\ann\\Documents\\Corvane Files\\db"));
    auto before = fs.folders;
    fs.calls.clear();
    EXPECT_TRUE(UserFolders(fs).CreateDatabaseFolder());
    EXPECT_EQ(fs.folders, before);
    EXPECT_TRUE(fs.calls.empty());
}

TEST(UserFoldersTest, UnknownDocumentsFolderCreatesNothing) {
    FakeFolders fs;
    fs.documentsKnown = false;
    auto before = fs.folders;
    EXPECT_FALSE(UserFolders(fs).CreateDatabaseFolder());
    EXPECT_TRUE(fs.calls.empty());
    EXPECT_EQ(fs.folders, before);
}

}  // namespace
