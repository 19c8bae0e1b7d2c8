// The updater's output as the upgrade dialog reads it, chunk by chunk as the pipe
// delivers it; and the command lines that start the updater.
#include <gtest/gtest.h>

#include <vector>

#include "UpdaterCommand.h"
#include "UpdaterOutput.h"

namespace {

struct Expected {
    int progress;
    bool completed;
    bool ended;
};

TEST(UpdaterOutput, MarkersAreFoundWhereverThePipeCutTheOutput) {
    const wchar_t* folder = L"C:\\Program Files\\Mirevo\\";
    struct Case {
        const char* what;
        std::vector<std::wstring> chunks;
        std::vector<Expected> after;  // the findings of each chunk
    } cases[] = {
        {"progress lines", {L"PROCESS: %10\r\n", L"PROCESS: %45\r\n"}, {{10, false, false}, {45, false, false}}},
        {"the last number of a chunk counts", {L"PROCESS: %10\r\nPROCESS: %20\r\nPROCESS: %30\r\n"},
         {{30, false, false}}},
        {"lower case", {L"process: %7\n", L"update completed\n"}, {{7, false, false}, {7, true, false}}},
        {"completion with the last progress", {L"PROCESS: %100\r\nUPDATE COMPLETED\r\n"}, {{100, true, false}}},
        {"completion split", {L"PROCESS: %100\r\nUPDATE COMP", L"LETED\r\n"}, {{100, false, false}, {-1, true, false}}},
        {"number split", {L"PROCESS: %4", L"5\r\n"}, {{4, false, false}, {45, false, false}}},
        {"progress marker split", {L"PROC", L"ESS: %60\n"}, {{-1, false, false}, {60, false, false}}},
        {"above 100 is clamped", {L"PROCESS: %250\n"}, {{100, false, false}}},
        {"no number", {L"PROCESS: %\n"}, {{-1, false, false}}},
        {"end marker", {L"done: c:\\program files\\mirevo\n"}, {{-1, false, true}}},
        {"end marker split", {L"C:\\PROGRAM FI", L"LES\\MIREVO"}, {{-1, false, false}, {-1, false, true}}},
        {"the folder with its backslash is not required", {L"C:\\Program Files\\Mirevo"}, {{-1, false, true}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        UpdaterOutputScanner scanner(folder);
        ASSERT_EQ(c.chunks.size(), c.after.size());
        for (size_t i = 0; i < c.chunks.size(); ++i) {
            UpdaterOutputScanner::Findings f = scanner.Take(c.chunks[i]);
            EXPECT_EQ(f.progress, c.after[i].progress) << "chunk " << i;
            EXPECT_EQ(f.completed, c.after[i].completed) << "chunk " << i;
            EXPECT_EQ(f.ended, c.after[i].ended) << "chunk " << i;
        }
    }
}

TEST(UpdaterOutput, EndMarkerIsTheFolderWithoutItsBackslashInUpperCase) {
    EXPECT_EQ(UpdaterOutputScanner(L"c:\\apps\\Mirevo\\").EndMarker(), L"C:\\APPS\\MIREVO");
    EXPECT_EQ(UpdaterOutputScanner(L"c:\\apps\\Mirevo").EndMarker(), L"C:\\APPS\\MIREVO");
}

TEST(UpdaterCommand, LinesNameTheUpdaterTheModelsImageAndTheDevice) {
    struct Case {
        int target;
        const wchar_t* folder;
        const wchar_t* line;
        const wchar_t* image;
    } cases[] = {
        {kUpgradeMouse, L"C:\\M\\",
         L"\"C:\\M\\\\firmwareupgrade\\dfu5.exe\" -f \"C:\\M\\\\firmwareupgrade\\arvo_f1\\mouse.jfw\" -dv 248A -dp FF12",
         L"C:\\M\\firmwareupgrade\\arvo_f1\\mouse.jfw"},
        {kUpgradeReceiver, L"C:\\M",
         L"\"C:\\M\\\\firmwareupgrade\\dfu5.exe\" -f \"C:\\M\\\\firmwareupgrade\\arvo_f1\\dongle.jfw\" -dv 248A -dp FF30"
         L" -bv 248A -bp FF08",
         L"C:\\M\\firmwareupgrade\\arvo_f1\\dongle.jfw"},
        {1, L"C:\\M\\", L"", L""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(UpdaterCommandLine(c.target, c.folder, L"arvo_f1"), c.line) << c.target;
        EXPECT_EQ(FirmwareImage(c.folder, L"arvo_f1", c.target), c.image) << c.target;
    }
    EXPECT_EQ(UpdaterExecutable(L"C:\\M"), L"C:\\M\\firmwareupgrade\\dfu5.exe");
}

}  // namespace
