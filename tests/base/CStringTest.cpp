#include <gtest/gtest.h>

#include "CString.h"

TEST(CStringTest, SlicingClampsOutOfRangeArguments) {
    CString s(L"Profile 3");
    EXPECT_EQ(s.Left(7), L"Profile");
    EXPECT_EQ(s.Right(1), L"3");
    EXPECT_EQ(s.Mid(8), L"3");
    EXPECT_EQ(s.Mid(3, 2), L"fi");
    EXPECT_EQ(s.Left(100), L"Profile 3");
    EXPECT_EQ(s.Left(-1), L"");
    EXPECT_EQ(s.Right(100), L"Profile 3");
    EXPECT_EQ(s.Mid(100), L"");
    EXPECT_EQ(s.Mid(-5, 3), L"Pro");
    EXPECT_EQ(s.GetAt(100), L'\0');
    EXPECT_EQ(s.GetAt(-1), L'\0');
}

TEST(CStringTest, SearchingAndEditing) {
    CString path(L"\\\\?\\hid#vid_248a&pid_5b01&mi_01#7&1");
    EXPECT_EQ(path.Find(L"mi_01"), 26);
    EXPECT_EQ(path.Find(L"mi_02"), -1);
    EXPECT_EQ(path.Find(L'#', 8), 31);
    EXPECT_EQ(path.Find(L"x", 1000), -1);
    EXPECT_EQ(path.ReverseFind(L'&'), 33);
    path.MakeUpper();
    EXPECT_NE(path.Find(L"VID_248A&PID_5B01&MI_01"), -1);

    CString t(L"  a b \r\n");
    EXPECT_EQ(t.Trim(), L"a b");
    CString r(L"a%b%c");
    EXPECT_EQ(r.Replace(L"%", L"%%"), 2);
    EXPECT_EQ(r, L"a%%b%%c");
    EXPECT_EQ(r.Replace(L"", L"x"), 0);
    EXPECT_EQ(CString(L"DPI").CompareNoCase(L"dpi"), 0);
}

TEST(CStringTest, NullPointersReadAsEmpty) {
    const wchar_t* none = nullptr;
    CString s(none);
    EXPECT_TRUE(s.IsEmpty());
    s += none;
    EXPECT_EQ(s.GetLength(), 0);
    EXPECT_TRUE(s == none);
}
