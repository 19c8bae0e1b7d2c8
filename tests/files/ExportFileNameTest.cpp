#include <gtest/gtest.h>

#include "ExportFileName.h"
#include "File.h"
#include "StoreTestSupport.h"  // prints wide strings

namespace {

TEST(ExportFileNameTest, NamesBecomePlainFileNames) {
    const struct {
        const wchar_t* name;
        const wchar_t* file;
    } cases[] = {
        {L"Profile 1", L"Profile 1"},
        {L"Gaming \u00FC\u4E2D", L"Gaming \u00FC\u4E2D"},
        {L"..\\..\\Windows\\evil", L".._.._Windows_evil"},
        {L"../../etc/passwd", L".._.._etc_passwd"},
        {L"C:\\x", L"C__x"},
        {L"a*b?c\"d<e>f|g", L"a_b_c_d_e_f_g"},
        {L"tab\there\x7F", L"tab_here_"},
        {L"trailing. . .", L"trailing"},
        {L"..", L"_"},
        {L"   ", L"_"},
        {L"", L"_"},
        {L"CON", L"_CON"},
        {L"nul.txt", L"_nul.txt"},
        {L"Aux ", L"_Aux"},
        {L"com1", L"_com1"},
        {L"LPT9 .x", L"_LPT9 .x"},
        {L"COM\u00B9", L"_COM\u00B9"},
        {L"CONIN$", L"_CONIN$"},
        {L"Console", L"Console"},
        {L"COM10", L"COM10"},
        {L".hidden", L".hidden"},
    };
    for (const auto& c : cases) EXPECT_EQ(SafeFileNamePart(c.name), CString(c.file));
}

TEST(ExportFileNameTest, LongNamesAreShortened) {
    CString name(std::wstring(300, L'x') + L".");
    CString safe = SafeFileNamePart(name);
    EXPECT_EQ(safe, CString(std::wstring(200, L'x')));
}

TEST(ExportFileNameTest, TheFileLiesInTheChosenFolder) {
    const wchar_t sep = file::Separator();
    const CString folder = CString(L"out") + CString(1, sep) + L"files";
    EXPECT_EQ(ExportFilePath(folder, L"Macro 1", 123456), folder + CString(1, sep) + L"Macro 1-123456.xml");
    EXPECT_EQ(ExportFilePath(folder, L"..\\up", 0x80000000u), folder + CString(1, sep) + L".._up--2147483648.xml");
    EXPECT_EQ(ExportFilePath(folder + CString(1, sep), L"x", 1), folder + CString(1, sep) + L"x-1.xml");
}

}  // namespace
