#include "ConfigDefaults.h"

#include <string>

namespace {

// The bounds are exclusive: 200, 300 and 400 fall under "any other model".
bool IsFeatureDialectType(int t) { return t > 200 && t < 300; }
bool IsOutputDialectType(int t) { return t > 300 && t < 400; }

CString Number(int value) { return CString(std::to_wstring(value)); }

const wchar_t* SleepLight(int t) {
    if (IsFeatureDialectType(t)) return L"3";
    if (IsOutputDialectType(t)) return L"1";
    return L"2";
}

struct DpiGroup {
    int value;
    int colour;  // COLORREF
};

// Red, green, blue, purple, white, orange.
const DpiGroup kDpiGroups[] = {
    {400, 255}, {800, 65280}, {1600, 16711680}, {3200, 8388736}, {4800, 16777215}, {16000, 2139135},
};

const wchar_t* const kDpiX[] = {L"dpi_x_group0_value", L"dpi_x_group1_value", L"dpi_x_group2_value",
                                L"dpi_x_group3_value", L"dpi_x_group4_value", L"dpi_x_group5_value"};
const wchar_t* const kDpiY[] = {L"dpi_y_group0_value", L"dpi_y_group1_value", L"dpi_y_group2_value",
                                L"dpi_y_group3_value", L"dpi_y_group4_value", L"dpi_y_group5_value"};
const wchar_t* const kDpiRgb[] = {L"dpi_group0_rgb", L"dpi_group1_rgb", L"dpi_group2_rgb",
                                  L"dpi_group3_rgb", L"dpi_group4_rgb", L"dpi_group5_rgb"};

}  // namespace

std::vector<ConfigDefault> DefaultConfig(int t) {
    bool firstFamily = IsFeatureDialectType(t) || IsOutputDialectType(t);
    std::vector<ConfigDefault> rows = {
        {L"version", L"1.0.1"},
        {L"lightmode", L"0"},
        {L"sleep_light", SleepLight(t)},
        {L"wakeup_mode", L"2"},
        {L"angle_tunability", L"0"},
        {L"angle_tunability_switch", L"0"},
        {L"report_rate", IsOutputDialectType(t) ? L"1" : L"3"},
        {L"button_respondtime", firstFamily ? L"4" : L"8"},
        {L"sensor_flag", L"53"},
        {L"liftoff_height", L"1"},
        {L"scroll_flag", L"1"},
        {L"e-sports_flag", L"0"},
        {L"perf_mode", L"0"},
        {L"leftbtn_lock", L"1"},
        {L"dpi_flag", L"5"},
        {L"dpi_index", L"1"},
        {L"dpi_count", L"5"},
    };
    for (int i = 0; i < 6; ++i) rows.push_back({kDpiX[i], Number(kDpiGroups[i].value)});
    for (int i = 0; i < 6; ++i) rows.push_back({kDpiY[i], Number(kDpiGroups[i].value)});
    for (int i = 0; i < 6; ++i) rows.push_back({kDpiRgb[i], Number(kDpiGroups[i].colour)});
    return rows;
}

bool IsConfigKey(const CString& key) {
    static const std::vector<ConfigDefault> rows = DefaultConfig(0);
    for (const ConfigDefault& row : rows) {
        if (key == row.key) return true;
    }
    return false;
}
