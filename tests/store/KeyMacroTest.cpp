// Button assignments and macros.
#include <functional>
#include <string>
#include <vector>

#include "StoreTestSupport.h"

using namespace storetest;

namespace {

KeyAssignment Key(int profile, int keyCode, int type, int value, int value2, const wchar_t* desc) {
    KeyAssignment k;
    k.profile = profile;
    k.key_code = keyCode;
    k.layout_value = keyCode;
    k.layout_desc = L"130";
    k.macro_type = type;
    k.macro_value = value;
    k.macro_value2 = value2;
    k.macro_value3 = 9;
    k.macro_desc = desc;
    return k;
}

MacroStep Step(int type, int index, int value, int delay, const wchar_t* desc) {
    MacroStep s;
    s.type = type;
    s.record_index = index;
    s.value = value;
    s.delay_time = delay;
    s.desc = desc;
    return s;
}

std::vector<Row> StoredSteps(RawDb& raw, int macro) {
    return raw.Rows("SELECT type, record_index, desc, value, delay_time FROM t_macrorecord WHERE macro_id = " +
                    std::to_string(macro) + " ORDER BY record_id");
}

}  // namespace

TEST_F(StoreTest, SavingAKeyReplacesItsRowAndZeroParametersRemoveIt) {
    int first = m_store.SaveKeyAssignment(Key(1, 3, 2, 4, 0, L"Left"));
    ASSERT_GT(first, 0);
    int second = m_store.SaveKeyAssignment(Key(1, 3, 4, 0, 7, L"Macro"));
    ASSERT_GT(second, first);
    ASSERT_GT(m_store.SaveKeyAssignment(Key(2, 3, 2, 1, 0, L"Other profile")), 0);

    KeyAssignment read;
    ASSERT_TRUE(m_store.GetKeyAssignment(1, 0, 3, read));
    EXPECT_EQ(read.key_id, second);
    EXPECT_EQ(read.profile, 1);
    EXPECT_EQ(read.key_code, 3);
    EXPECT_EQ(read.layout_value, 3);
    EXPECT_EQ(read.layout_desc, L"130");
    EXPECT_EQ(read.macro_type, 4);
    EXPECT_EQ(read.macro_value, 0);
    EXPECT_EQ(read.macro_value2, 7);
    EXPECT_EQ(read.macro_value3, 9);
    EXPECT_EQ(read.macro_desc, L"Macro");
    {
        RawDb raw(DbPath());
        EXPECT_EQ(raw.Int("SELECT count(*) FROM t_key_macro_data WHERE profile = 1 AND key_code = 3"), 1);
    }

    // Both first parameters zero: back to the factory function, even with a type set.
    EXPECT_EQ(m_store.SaveKeyAssignment(Key(1, 3, 9, 0, 0, L"")), 0);
    KeyAssignment untouched = Key(5, 5, 5, 5, 5, L"kept");
    EXPECT_FALSE(m_store.GetKeyAssignment(1, 0, 3, untouched));
    EXPECT_EQ(untouched.macro_desc, L"kept");
    EXPECT_TRUE(m_store.GetKeyAssignment(2, 0, 3, read));
    // A zero record for a button with no row is harmless.
    EXPECT_EQ(m_store.SaveKeyAssignment(Key(1, 8, 1, 0, 0, L"")), 0);
}

TEST_F(StoreTest, FailedKeyInsertKeepsThePreviousAssignment) {
    ASSERT_GT(m_store.SaveKeyAssignment(Key(1, 2, 2, 5, 0, L"before")), 0);
    {
        RawDb raw(DbPath());
        ASSERT_TRUE(raw.Exec("CREATE TRIGGER refuse BEFORE INSERT ON t_key_macro_data "
                             "BEGIN SELECT RAISE(ABORT, 'no'); END;"));
    }
    EXPECT_EQ(m_store.SaveKeyAssignment(Key(1, 2, 2, 6, 0, L"after")), 0);
    KeyAssignment read;
    ASSERT_TRUE(m_store.GetKeyAssignment(1, 0, 2, read));
    EXPECT_EQ(read.macro_desc, L"before");
}

TEST_F(StoreTest, KeyListsDescriptionsAndProfileDelete) {
    std::vector<KeyAssignment> keys(3);
    EXPECT_EQ(m_store.ListKeyAssignments(1, 0, keys), 0);
    EXPECT_TRUE(keys.empty());
    for (int code : {4, 1, 6}) ASSERT_GT(m_store.SaveKeyAssignment(Key(1, code, 3, code, 0, L"k")), 0);
    ASSERT_GT(m_store.SaveKeyAssignment(Key(2, 1, 3, 1, 0, L"k")), 0);
    ASSERT_EQ(m_store.ListKeyAssignments(1, 0, keys), 3);
    EXPECT_EQ(keys[0].key_code, 4);
    EXPECT_EQ(keys[2].key_code, 6);
    EXPECT_EQ(m_store.ListKeyAssignments(1, 1, keys), 0) << "another layer has no rows";

    EXPECT_TRUE(m_store.SetKeyDescription(1, 0, 6, L"Renamed macro"));
    KeyAssignment read;
    ASSERT_TRUE(m_store.GetKeyAssignment(1, 0, 6, read));
    EXPECT_EQ(read.macro_desc, L"Renamed macro");

    EXPECT_TRUE(m_store.DeleteProfileKeys(1));
    EXPECT_EQ(m_store.ListKeyAssignments(1, 0, keys), 0);
    EXPECT_EQ(m_store.ListKeyAssignments(2, 0, keys), 1);
}

TEST_F(StoreTest, MacroHeadersAreCreatedReadRenamedAndUpdated) {
    int plain = m_store.AddMacro(L"Plain");
    ASSERT_GT(plain, 0);
    MacroHeader header;
    ASSERT_TRUE(m_store.GetMacro(plain, header));
    EXPECT_EQ(header.macro_id, plain);
    EXPECT_EQ(header.name, L"Plain");
    EXPECT_EQ(header.play_type, 0);
    EXPECT_EQ(header.play_times, 1);
    EXPECT_EQ(header.delay_type, 1);
    EXPECT_EQ(header.delay_time, 0);

    MacroHeader imported{999, L"Imported", 2, 5, 3, 40};
    int second = m_store.AddMacroWithSettings(imported);
    ASSERT_GT(second, plain);
    ASSERT_TRUE(m_store.GetMacro(second, header));
    EXPECT_EQ(header.macro_id, second);
    EXPECT_EQ(header.play_times, 5);
    EXPECT_EQ(header.delay_time, 40);

    EXPECT_TRUE(m_store.RenameMacro(plain, L"Renamed"));
    MacroHeader update{second, L"Updated", 1, 2, 0, 15};
    EXPECT_TRUE(m_store.UpdateMacro(update));
    std::vector<MacroHeader> macros;
    ASSERT_EQ(m_store.ListMacros(macros), 2);
    EXPECT_EQ(macros[0].name, L"Renamed");
    EXPECT_EQ(macros[1].name, L"Updated");
    EXPECT_EQ(macros[1].play_type, 1);
    EXPECT_EQ(macros[1].delay_time, 15);
    EXPECT_FALSE(m_store.GetMacro(second + 10, header));
}

TEST_F(StoreTest, StepsAreListedByIndex) {
    int macro = m_store.AddMacro(L"m");
    std::vector<MacroStep> steps = {Step(2, 2, 30, 0, L"c"), Step(3, 0, 10, 5, L"a"), Step(12, 1, 7, 50, L"b")};
    for (MacroStep& s : steps) s.macro_id = macro;
    EXPECT_TRUE(m_store.SaveMacroSteps(steps));
    std::vector<MacroStep> read;
    ASSERT_EQ(m_store.ListMacroSteps(macro, read), 3);
    std::vector<std::wstring> order;
    for (const MacroStep& s : read) order.push_back(s.desc.str());
    EXPECT_EQ(order, (std::vector<std::wstring>{L"a", L"b", L"c"}));
    EXPECT_EQ(read[0].type, 3);
    EXPECT_EQ(read[0].value, 10);
    EXPECT_EQ(read[0].delay_time, 5);
    EXPECT_EQ(read[0].macro_id, macro);
    EXPECT_GT(read[0].record_id, 0);
    EXPECT_EQ(read[1].type, 12) << "any step type is kept";

    // Saving appends; it does not replace.
    MacroStep extra = Step(1, 4, 0, 0, L"e");
    extra.macro_id = macro;
    EXPECT_GT(m_store.AddMacroStep(extra), 0);
    EXPECT_EQ(m_store.ListMacroSteps(macro, read), 4);
}

// A macro stored with some of its steps missing would play something the user
// never recorded: one refused step stores none of them.
TEST_F(StoreTest, SavingStepsIsAllOrNothing) {
    int macro = m_store.AddMacro(L"m");
    ASSERT_TRUE(m_store.ReplaceMacroSteps(macro, {Step(1, 0, 0, 1, L"old")}));
    RawDb raw(DbPath());
    ASSERT_TRUE(raw.Exec("CREATE TRIGGER refuse BEFORE INSERT ON t_macrorecord WHEN NEW.value = 666 "
                         "BEGIN SELECT RAISE(ABORT, 'no'); END;"));
    std::vector<MacroStep> steps = {Step(2, 1, 5, 0, L"ok"), Step(3, 2, 666, 0, L"bad"), Step(2, 3, 6, 0, L"ok")};
    for (MacroStep& s : steps) s.macro_id = macro;
    EXPECT_FALSE(m_store.SaveMacroSteps(steps));
    EXPECT_EQ(StoredSteps(raw, macro), (std::vector<Row>{{"1", "0", "old", "0", "1"}}));
    steps[1].value = 7;
    EXPECT_TRUE(m_store.SaveMacroSteps(steps));
    EXPECT_EQ(StoredSteps(raw, macro).size(), 4u);
}

// Callers hold identifiers in 32 bits. A file whose counters went past that
// (written by something else) gets no new rows rather than rows whose
// identifiers would be read back as other rows' identifiers.
TEST_F(StoreTest, IdentifiersBeyondThirtyTwoBitsAreErrors) {
    ASSERT_EQ(m_store.EnsureProfiles(), 1);
    struct Case {
        const char* table;
        const char* idColumn;
        std::function<int(SettingsDatabase&)> add;
    };
    const Case cases[] = {
        {"t_macro_data", "macro_id", [](SettingsDatabase& s) { return s.AddMacro(L"m"); }},
        {"t_macrorecord", "record_id", [](SettingsDatabase& s) { return s.AddMacroStep(Step(1, 0, 0, 0, L"")); }},
        {"t_key_macro_data", "key_id",
         [](SettingsDatabase& s) { return s.SaveKeyAssignment(Key(1, 3, 2, 4, 0, L"k")); }},
        {"t_light_data", "light_id", [](SettingsDatabase& s) { LightRecord r; r.profile = 1; return s.AddLight(r); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.table);
        RawDb raw(DbPath());
        std::string count = std::string("SELECT count(*) FROM ") + c.table;
        // The last identifier that fits is still handed out...
        ASSERT_TRUE(raw.Exec(std::string("INSERT INTO ") + c.table + "(" + c.idColumn + ") VALUES (2147483646)"));
        EXPECT_EQ(c.add(m_store), 2147483647);
        // ...the next one is not, and no row is left behind.
        int rows = raw.Int(count);
        EXPECT_EQ(c.add(m_store), 0);
        EXPECT_EQ(raw.Int(count), rows);
        // Nor is a row that a file holds beyond 32 bits read as another row.
        ASSERT_TRUE(raw.Exec(std::string("INSERT INTO ") + c.table + "(" + c.idColumn + ") VALUES (4294967297)"));
        EXPECT_EQ(c.add(m_store), 0);
    }
    std::vector<MacroHeader> macros;
    ASSERT_EQ(m_store.ListMacros(macros), 2) << "the macro beyond 32 bits is not listed as macro 1";
    EXPECT_EQ(macros[0].macro_id, 2147483646);
    EXPECT_EQ(macros[1].macro_id, 2147483647);
}

TEST_F(StoreTest, ReplacingStepsLeavesExactlyTheNewSteps) {
    int macro = m_store.AddMacro(L"m");
    int other = m_store.AddMacro(L"other");
    ASSERT_TRUE(m_store.ReplaceMacroSteps(other, {Step(1, 0, 0, 1, L"x")}));
    ASSERT_TRUE(m_store.ReplaceMacroSteps(macro, {Step(2, 0, 4, 0, L"A"), Step(3, 1, 4, 20, L"A"), Step(1, 2, 0, 9, L"")}));
    ASSERT_TRUE(m_store.ReplaceMacroSteps(macro, {Step(4, 0, 1, 0, L"L"), Step(5, 1, 1, 30, L"L")}));
    RawDb raw(DbPath());
    EXPECT_EQ(StoredSteps(raw, macro), (std::vector<Row>{{"4", "0", "L", "1", "0"}, {"5", "1", "L", "1", "30"}}));
    EXPECT_EQ(StoredSteps(raw, other).size(), 1u);

    // A refused insert keeps the old steps.
    ASSERT_TRUE(raw.Exec("CREATE TRIGGER refuse BEFORE INSERT ON t_macrorecord WHEN NEW.value = 666 "
                         "BEGIN SELECT RAISE(ABORT, 'no'); END;"));
    EXPECT_FALSE(m_store.ReplaceMacroSteps(macro, {Step(2, 0, 1, 0, L"ok"), Step(2, 1, 666, 0, L"bad")}));
    EXPECT_EQ(StoredSteps(raw, macro), (std::vector<Row>{{"4", "0", "L", "1", "0"}, {"5", "1", "L", "1", "30"}}));
    EXPECT_TRUE(m_store.ReplaceMacroSteps(macro, {}));
    EXPECT_TRUE(StoredSteps(raw, macro).empty());
}

TEST_F(StoreTest, CopyingAMacroCopiesItsSettingsAndSteps) {
    int source = m_store.AddMacroWithSettings(MacroHeader{0, L"Source", 2, 3, 1, 25});
    ASSERT_TRUE(m_store.ReplaceMacroSteps(source, {Step(2, 0, 65, 0, L"A"), Step(3, 0, 65, 12, L"A up")}));
    int copy = m_store.CopyMacro(source, L"Copy");
    ASSERT_GT(copy, source);
    MacroHeader header;
    ASSERT_TRUE(m_store.GetMacro(copy, header));
    EXPECT_EQ(header.name, L"Copy");
    EXPECT_EQ(header.play_type, 2);
    EXPECT_EQ(header.play_times, 3);
    EXPECT_EQ(header.delay_time, 25);
    RawDb raw(DbPath());
    EXPECT_EQ(StoredSteps(raw, copy), StoredSteps(raw, source));
    EXPECT_EQ(StoredSteps(raw, copy).size(), 2u);

    EXPECT_EQ(m_store.CopyMacro(copy + 50, L"none"), 0);
    std::vector<MacroHeader> macros;
    EXPECT_EQ(m_store.ListMacros(macros), 2);
}

TEST_F(StoreTest, DeletingAMacroDeletesItsStepsOnly) {
    int a = m_store.AddMacro(L"a");
    int b = m_store.AddMacro(L"b");
    ASSERT_TRUE(m_store.ReplaceMacroSteps(a, {Step(1, 0, 0, 1, L""), Step(1, 1, 0, 1, L"")}));
    ASSERT_TRUE(m_store.ReplaceMacroSteps(b, {Step(1, 0, 0, 1, L"")}));
    ASSERT_GT(m_store.SaveKeyAssignment(Key(1, 2, 4, a, 0, L"a")), 0);
    EXPECT_TRUE(m_store.DeleteMacro(a));
    MacroHeader header;
    EXPECT_FALSE(m_store.GetMacro(a, header));
    std::vector<MacroStep> steps;
    EXPECT_EQ(m_store.ListMacroSteps(a, steps), 0);
    EXPECT_EQ(m_store.ListMacroSteps(b, steps), 1);
    KeyAssignment key;
    EXPECT_TRUE(m_store.GetKeyAssignment(1, 0, 2, key)) << "assignments naming the macro stay";
    EXPECT_TRUE(m_store.DeleteMacro(a + 100)) << "an unknown macro is no error";
    EXPECT_TRUE(m_store.DeleteMacroSteps(b));
    EXPECT_EQ(m_store.ListMacroSteps(b, steps), 0);
    EXPECT_TRUE(m_store.GetMacro(b, header));
}
