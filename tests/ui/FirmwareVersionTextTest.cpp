#include <gtest/gtest.h>

#include "FirmwareVersionText.h"

namespace {

TEST(FirmwareVersionText, TheLastTwoHexDigitsAreTheMinorPart) {
    const struct {
        int release;
        const wchar_t* text;
    } cases[] = {
        {0x105, L"v1.05"}, {0x20A, L"v2.0a"}, {0, L"v0.00"},     {0x1234, L"v12.34"},
        {0x7, L"v0.07"},   {0x10, L"v0.10"},  {0x100, L"v1.00"}, {0xFFFF, L"vff.ff"},
    };
    for (const auto& c : cases) EXPECT_EQ(FirmwareVersionText(c.release), CString(c.text)) << std::hex << c.release;
}

}  // namespace
