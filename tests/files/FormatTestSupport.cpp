#include "FormatTestSupport.h"

#include "File.h"
#include "Utf.h"
#include "TestPaths.h"

namespace formattest {

CString SamplePath(const char* relative) {
    std::wstring path = utf::Utf8ToWide(testpaths::Source("tests/files/data/")) + utf::Utf8ToWide(relative);
#ifdef _WIN32
    for (wchar_t& c : path) {
        if (c == L'/') c = L'\\';
    }
    if (!path.empty() && path[0] == L'\\') path = L"Z:" + path;
#endif
    return CString(path);
}

std::string SampleBytes(const char* relative) {
    std::string bytes;
    EXPECT_TRUE(file::ReadAll(SamplePath(relative), bytes)) << relative;
    return bytes;
}

std::string StoreRows(const CString& dbPath) {
    static const char* const kQueries[] = {
        "SELECT * FROM t_profile_data ORDER BY rowid",
        "SELECT * FROM t_configdata ORDER BY rowid",
        "SELECT profile, fn_layer, key_code, layout_value, layout_desc, macro_type, macro_value, macro_value2, "
        "macro_value3, macro_desc FROM t_key_macro_data ORDER BY profile, fn_layer, key_code",
        "SELECT * FROM t_light_data ORDER BY rowid",
        "SELECT * FROM t_macro_data ORDER BY rowid",
        "SELECT * FROM t_macrorecord ORDER BY rowid",
    };
    storetest::RawDb db(dbPath);
    std::string text;
    for (const char* query : kQueries) {
        text += std::string(query) + ":\n";
        for (const storetest::Row& row : db.Rows(query)) {
            for (const std::string& value : row) text += value + "|";
            text += "\n";
        }
    }
    return text;
}

void FileStoreTest::SetUp() {
    StoreTest::SetUp();
    m_store.SetDeviceType(100);
    ASSERT_EQ(m_store.EnsureProfiles(), 1);
}

CString FileStoreTest::ExportFolder() {
    CString folder = file::Join(m_folder, L"export");
    file::MakeDirectory(folder);
    return folder;
}

CString FileStoreTest::Scratch(const wchar_t* name, const std::string& bytes) {
    CString path = file::Join(m_folder, name);
    EXPECT_TRUE(file::WriteAll(path, bytes));
    return path;
}

int FileStoreTest::SeedMacro() {
    MacroHeader header;
    header.name = L"Copy & <paste>";
    header.play_type = 1;
    header.play_times = 3;
    header.delay_type = 2;
    header.delay_time = 25;
    int id = m_store.AddMacroWithSettings(header);
    EXPECT_GT(id, 0);
    struct Row {
        const wchar_t* desc;
        int type, value, stamp;
    };
    const Row rows[] = {
        {L"\u2193  Ctrl", 2, 162, 1000}, {L" -   120 ms", 1, 120, 1001}, {L"\u2193  C", 2, 67, 1003},
        {L"\u2191  C", 3, 67, 1003},     {L"\u2191  Ctrl", 3, 162, 1000},
    };
    std::vector<MacroStep> steps;
    for (const Row& r : rows) {
        MacroStep step;
        step.macro_id = id;
        step.desc = r.desc;
        step.type = r.type;
        step.value = r.value;
        step.delay_time = r.stamp;
        step.record_index = static_cast<int>(steps.size());
        steps.push_back(step);
    }
    EXPECT_TRUE(m_store.SaveMacroSteps(steps));
    return id;
}

void FileStoreTest::SeedProfile1() {
    int macroId = SeedMacro();
    ASSERT_EQ(macroId, 1);
    auto key = [](int code, int type, int value, int value2, const wchar_t* desc) {
        KeyAssignment k;
        k.profile = 1;
        k.key_code = code;
        k.layout_value = code;
        k.macro_type = type;
        k.macro_value = value;
        k.macro_value2 = value2;
        k.macro_desc = desc;
        return k;
    };
    ASSERT_GT(m_store.SaveKeyAssignment(key(1, 2, 4, 1, L"Ctrl + A")), 0);
    ASSERT_GT(m_store.SaveKeyAssignment(key(3, 4, macroId, 0, L"Copy & <paste>")), 0);
    ASSERT_GT(m_store.SaveKeyAssignment(key(4, 1, 5, 0, L"Back")), 0);
    ASSERT_TRUE(m_store.EnsureDefaultLights(1));
    LightRecord light;
    ASSERT_TRUE(m_store.GetLight(1, 2, light));
    light.brightness = 128;
    light.speed = 3;
    light.colorindex = 2;
    light.color_value = 0x00FF8000;
    ASSERT_TRUE(m_store.UpdateLight(1, 2, light));
    ASSERT_TRUE(m_store.SetActiveLightMode(1, 2));
    const std::pair<const wchar_t*, const wchar_t*> values[] = {
        {L"dpi_count", L"4"}, {L"dpi_index", L"2"},    {L"dpi_x_group1_value", L"900"}, {L"dpi_y_group1_value", L"1000"},
        {L"dpi_group1_rgb", L"12345"}, {L"report_rate", L"2"}, {L"leftbtn_lock", L"0"},
    };
    for (const auto& [k, v] : values) ASSERT_TRUE(m_store.SetConfigValue(1, k, v));
}

void PrintTo(const SkippedValue& s, std::ostream* os) {
    *os << "{" << utf::WideToUtf8(s.where.str()) << " @" << utf::WideToUtf8(s.attribute.str()) << " \""
        << utf::WideToUtf8(s.text.str()) << "\" reason " << static_cast<int>(s.reason) << "}";
}

std::string Text(const FileOutcome& outcome) { return utf::WideToUtf8(Describe(outcome).str()); }

}  // namespace formattest

void PrintTo(const SkippedValue& s, std::ostream* os) { formattest::PrintTo(s, os); }
