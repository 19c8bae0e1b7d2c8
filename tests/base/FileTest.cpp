#include <gtest/gtest.h>

#include "File.h"

TEST(FileTest, WritesReadsAndReplacesByWidePath) {
    CString dir = file::Join(L".", L"file-test-\x914D\x7F6E");  // a non-ASCII folder name
    ASSERT_TRUE(file::MakeDirectory(dir));
    EXPECT_TRUE(file::IsDirectory(dir));
    CString path = file::Join(dir, L"data.bin");
    std::string bytes("a\0b\xFF", 4);
    ASSERT_TRUE(file::WriteAll(path, bytes));
    ASSERT_TRUE(file::WriteAll(path, bytes + "c"));  // replaces, never appends
    std::string back;
    ASSERT_TRUE(file::ReadAll(path, back));
    EXPECT_EQ(back, bytes + "c");
    EXPECT_FALSE(file::Exists(path + L".tmp"));
    EXPECT_TRUE(file::Remove(path));
    EXPECT_FALSE(file::ReadAll(path, back));
    EXPECT_TRUE(back.empty());
    EXPECT_FALSE(file::WriteAll(file::Join(dir, L"missing/sub/x"), "x"));
}
