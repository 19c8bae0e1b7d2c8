#include <gtest/gtest.h>

#include "TextFormat.h"

TEST(TextFormatTest, FillsPlaceholdersInOrder) {
    EXPECT_EQ(FormatText(L"%s %d", {L"Macro", 3}), L"Macro 3");
    EXPECT_EQ(FormatText(L"Profile %s", {L"2"}), L"Profile 2");
    EXPECT_EQ(FormatText(L"%d%%", {85}), L"85%");
}

TEST(TextFormatTest, TextFromAFileCannotMisbehave) {
    // Extra placeholders, unknown conversions and %n stay literal.
    EXPECT_EQ(FormatText(L"%s and %s", {L"one"}), L"one and %s");
    EXPECT_EQ(FormatText(L"%n%x%08d%", {1}), L"%n%x%08d%");
    EXPECT_EQ(FormatText(L"100%", {}), L"100%");
    // Surplus arguments are ignored; an argument's own % signs are not placeholders.
    EXPECT_EQ(FormatText(L"%s", {L"%d%s", 7}), L"%d%s");
}
