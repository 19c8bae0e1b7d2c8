// The shell's choosers as the pages use them, answered by the test's own "user".
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "FileChooserDriver.h"
#include "FileChoosers.h"

namespace {

std::filesystem::path Scratch() {
    std::filesystem::path folder = std::filesystem::temp_directory_path() / "mirevo-file-choosers";
    std::filesystem::create_directories(folder);
    return folder;
}

bool SamePath(const CString& chosen, const std::filesystem::path& expected) {
    return std::filesystem::equivalent(std::filesystem::path(chosen.GetString()), expected);
}

TEST(FileChoosersTest, TheFolderChooserGivesTheFolderTheUserPicksAndNothingWhenCancelled) {
    const std::filesystem::path folder = uitest::ChooserVisibleFolder(L"mirevo-file-choosers");
    {
        auto answer = uitest::AnswerNextChooser(folder.wstring());
        std::optional<CString> chosen = ChooseFolder(nullptr, L"Macro");
        ASSERT_TRUE(answer->Answered());
        ASSERT_TRUE(chosen.has_value());
        EXPECT_TRUE(SamePath(*chosen, folder)) << chosen->GetString();
        EXPECT_EQ(L"Macro", answer->Seen());
    }
    {
        auto cancel = uitest::AnswerNextChooser(L"");
        EXPECT_FALSE(ChooseFolder(nullptr, L"PROFILE").has_value());
        EXPECT_TRUE(cancel->Answered());
    }
    std::filesystem::remove_all(folder);
}

TEST(FileChoosersTest, TheOpenDialogGivesAnExistingXmlFileAndNothingWhenCancelled) {
    const std::filesystem::path file = Scratch() / "macro.xml";
    std::ofstream(file) << "<macro/>";
    {
        auto answer = uitest::AnswerNextChooser(file.wstring());
        std::optional<CString> chosen = ChooseXmlFile(nullptr, L"Macros");
        ASSERT_TRUE(answer->Answered());
        ASSERT_TRUE(chosen.has_value());
        EXPECT_TRUE(SamePath(*chosen, file)) << chosen->GetString();
    }
    auto cancel = uitest::AnswerNextChooser(L"");
    EXPECT_FALSE(ChooseXmlFile(nullptr, L"MouseKey").has_value());
    EXPECT_TRUE(cancel->Answered());
}

}  // namespace
