#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <tuple>

#include "File.h"
#include "FormatTestSupport.h"
#include "ImportedDocument.h"
#include "MacroFile.h"
#include "MacroTransfer.h"

namespace {

using formattest::SampleBytes;
using formattest::SamplePath;
using formattest::Text;

struct StepView {
    std::wstring desc;
    int index, type, value, stamp;
    friend bool operator==(const StepView&, const StepView&) = default;
};

void PrintTo(const StepView& s, std::ostream* os) {
    *os << "{" << testing::PrintToString(CString(s.desc)) << ", " << s.index << ", " << s.type << ", " << s.value << ", "
        << s.stamp << "}";
}

class MacroFileTest : public formattest::FileStoreTest {
protected:
    std::vector<StepView> Steps(int macroId) {
        std::vector<MacroStep> steps;
        m_store.ListMacroSteps(macroId, steps);
        std::vector<StepView> views;
        for (const MacroStep& s : steps) views.push_back({s.desc.str(), s.record_index, s.type, s.value, s.delay_time});
        return views;
    }
    FileOutcome Import(const CString& path, MacroHeader& added) { return ImportMacro(m_store, path, added); }
};

TEST_F(MacroFileTest, ExportWritesTheMacroLayoutByteForByte) {
    int id = SeedMacro();
    FileOutcome outcome = ExportMacro(m_store, id, CString(), ExportFolder(), 77);
    ASSERT_TRUE(outcome.Ok()) << Text(outcome);
    EXPECT_EQ(outcome.path, file::Join(ExportFolder(), L"Copy & _paste_-77.xml"));
    EXPECT_EQ(storetest::ReadBytes(outcome.path), SampleBytes("expected/macro-seeded.xml"));
}

TEST_F(MacroFileTest, ExportWritesTheNameTheListShows) {
    int id = SeedMacro();
    FileOutcome outcome = ExportMacro(m_store, id, L"Shown", ExportFolder(), 1);
    ASSERT_TRUE(outcome.Ok()) << Text(outcome);
    EXPECT_EQ(outcome.path, file::Join(ExportFolder(), L"Shown-1.xml"));
    MacroFileContent read;
    ASSERT_TRUE(ReadMacroFile(storetest::ReadBytes(outcome.path), outcome.path, read).Ok());
    EXPECT_EQ(read.header.name, L"Shown");
}

TEST_F(MacroFileTest, ExportThenImportGivesANewEqualMacro) {
    int id = SeedMacro();
    FileOutcome exported = ExportMacro(m_store, id, CString(), ExportFolder(), 2);
    ASSERT_TRUE(exported.Ok()) << Text(exported);
    MacroHeader added;
    FileOutcome imported = Import(exported.path, added);
    ASSERT_TRUE(imported.Ok()) << Text(imported);
    EXPECT_TRUE(imported.skipped.empty()) << Text(imported);
    EXPECT_NE(added.macro_id, id);
    MacroHeader original, copy;
    ASSERT_TRUE(m_store.GetMacro(id, original));
    ASSERT_TRUE(m_store.GetMacro(added.macro_id, copy));
    EXPECT_EQ(copy.name, original.name);
    EXPECT_EQ(added.name, original.name);
    EXPECT_EQ(std::tie(copy.play_type, copy.play_times, copy.delay_type, copy.delay_time),
              std::tie(original.play_type, original.play_times, original.delay_type, original.delay_time));
    EXPECT_EQ(Steps(added.macro_id), Steps(id));
}

TEST_F(MacroFileTest, SampleFilesImportAsTheirContentSays) {
    const struct {
        const char* file;
        const wchar_t* name;
        int playType, delayType;
        std::vector<StepView> steps;
        std::vector<SkippedValue> skipped;
    } cases[] = {
        {"macro/no-steps.xml", L"Empty", 0, 1, {}, {}},
        // The search for macroitems starts after macroinfo.
        {"macro/items-before-info.xml", L"Backwards", 2, 0, {}, {{L"macro/macroitems", L"", L"", SkipReason::kOutOfOrder}}},
        // Steps keep the file's indexes and list in their order.
        {"macro/unordered-indexes.xml", L"Unordered", 0, 1,
         {{L"three", 3, 2, 68, 2}, {L"five", 5, 2, 70, 1}, {L"nine", 9, 3, 70, 3}}, {}},
        {"macro/escaped-names.xml", L"<Tom & Jerry> \"'AB\U0001F600", 0, 1, {{L"\u2193  &", 0, 2, 55, 4}}, {}},
    };
    for (const auto& c : cases) {
        MacroHeader added;
        FileOutcome outcome = Import(SamplePath(c.file), added);
        ASSERT_TRUE(outcome.Ok()) << c.file << ": " << Text(outcome);
        EXPECT_EQ(outcome.skipped, c.skipped) << c.file << ": " << Text(outcome);
        MacroHeader stored;
        ASSERT_TRUE(m_store.GetMacro(added.macro_id, stored)) << c.file;
        EXPECT_EQ(stored.name, CString(c.name)) << c.file;
        EXPECT_EQ(stored.play_type, c.playType) << c.file;
        EXPECT_EQ(stored.delay_type, c.delayType) << c.file;
        EXPECT_EQ(Steps(added.macro_id), c.steps) << c.file;
    }
}

TEST_F(MacroFileTest, ValuesOutsideTheirDomainAreLeftOutAndListed) {
    MacroHeader added;
    FileOutcome outcome = Import(SamplePath("macro/huge-numbers.xml"), added);
    ASSERT_TRUE(outcome.Ok()) << Text(outcome);
    const CString info = L"macro/macroinfo";
    const CString items = L"macro/macroitems/";
    const std::vector<SkippedValue> expected = {
        {info, L"macro_type", L"9", SkipReason::kOutOfRange},
        {info, L"play_times", L"100000", SkipReason::kOutOfRange},
        {info, L"delay_type", L"-1", SkipReason::kOutOfRange},
        {info, L"delay_time", L"99999999999", SkipReason::kOutOfRange},
        {items + L"item[2]", L"value", L"31001", SkipReason::kOutOfRange},
        {items + L"item[3]", L"index", L"4294967296", SkipReason::kOutOfRange},
        {items + L"item[4]", L"type", L"13", SkipReason::kOutOfRange},
        {items + L"item[5]", L"timestamp", L"2147483648", SkipReason::kOutOfRange},
    };
    EXPECT_EQ(outcome.skipped, expected) << Text(outcome);
    // A header value that does not fit keeps the setting of a new macro.
    MacroHeader stored;
    ASSERT_TRUE(m_store.GetMacro(added.macro_id, stored));
    EXPECT_EQ(stored.play_type, 0);
    EXPECT_EQ(stored.play_times, 1);
    EXPECT_EQ(stored.delay_type, 1);
    EXPECT_EQ(stored.delay_time, 0);
    const std::vector<StepView> steps = {{L"ok", 0, 2, 65, -5}, {L"ok too", 5, 3, 65, INT_MIN}};
    EXPECT_EQ(Steps(added.macro_id), steps);
}

TEST_F(MacroFileTest, TextsWithControlCharactersAreLeftOut) {
    MacroHeader added;
    FileOutcome outcome = Import(SamplePath("macro/control-characters.xml"), added);
    ASSERT_TRUE(outcome.Ok()) << Text(outcome);
    const std::vector<SkippedValue> expected = {
        {L"macro/macroinfo", L"macro_name", L"bell\x07name", SkipReason::kBadText},
        {L"macro/macroitems/item[1]", L"desc", L"line\nbreak", SkipReason::kBadText},
    };
    EXPECT_EQ(outcome.skipped, expected) << Text(outcome);
    EXPECT_EQ(added.name, L"");
    EXPECT_TRUE(Steps(added.macro_id).empty());
}

TEST_F(MacroFileTest, RefusedFilesChangeNothing) {
    SeedMacro();
    const std::string sample = SampleBytes("expected/macro-seeded.xml");
    const struct {
        const char* what;
        std::function<CString()> path;
        FileProblem problem;
    } cases[] = {
        {"a profile file", [] { return SamplePath("macro/profile-file.xml"); }, FileProblem::kForeign},
        {"no macroinfo", [] { return SamplePath("macro/no-macroinfo.xml"); }, FileProblem::kMissingPart},
        {"Latin-1 declared UTF-8", [] { return SamplePath("profile/latin1-declared-utf8.xml"); }, FileProblem::kBadEncoding},
        {"cut in half", [&] { return Scratch(L"cut.xml", sample.substr(0, sample.size() / 2)); }, FileProblem::kNotXml},
        {"cut in a step", [&] { return Scratch(L"cut2.xml", sample.substr(0, sample.find("index=\"3\""))); }, FileProblem::kNotXml},
        {"too large", [&] { return Scratch(L"large.xml", std::string(kMaxImportFileBytes + 1, '<')); }, FileProblem::kTooLarge},
        {"missing", [&] { return file::Join(m_folder, L"missing.xml"); }, FileProblem::kUnreadable},
    };
    const std::string before = Rows();
    for (const auto& c : cases) {
        MacroHeader added;
        added.macro_id = -7;
        CString path = c.path();
        FileOutcome outcome = Import(path, added);
        EXPECT_EQ(outcome.problem, c.problem) << c.what << ": " << Text(outcome);
        EXPECT_NE(Describe(outcome).str().find(path.str()), std::wstring::npos) << c.what;
        EXPECT_EQ(added.macro_id, -7) << c.what;
        EXPECT_EQ(Rows(), before) << c.what;
    }
}

TEST_F(MacroFileTest, AStoreFailureLeavesNoMacroBehind) {
    SeedMacro();
    const std::string before = Rows();
    storetest::RawDb db(DbPath());
    ASSERT_TRUE(db.Exec("CREATE TRIGGER refuse BEFORE INSERT ON t_macrorecord WHEN NEW.record_index = 3 "
                        "BEGIN SELECT RAISE(ABORT, 'refused'); END;"));
    MacroHeader added;
    FileOutcome outcome = Import(SamplePath("expected/macro-seeded.xml"), added);
    EXPECT_EQ(outcome.problem, FileProblem::kStoreRefused) << Text(outcome);
    EXPECT_EQ(Rows(), before);
}

TEST_F(MacroFileTest, ExportOfAMacroThatDoesNotExistWritesNothing) {
    FileOutcome outcome = ExportMacro(m_store, 42, L"Name", ExportFolder(), 1);
    EXPECT_EQ(outcome.problem, FileProblem::kNoSuchMacro) << Text(outcome);
    EXPECT_FALSE(file::Exists(file::Join(ExportFolder(), L"Name-1.xml")));
}

}  // namespace
