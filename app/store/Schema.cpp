#include "Schema.h"

namespace schema {
namespace {

const char* const kCreate[] = {
    "CREATE TABLE IF NOT EXISTS t_configdata(config_id INTEGER PRIMARY KEY AUTOINCREMENT, profile INTEGER, "
    "key TEXT, value TEXT)",
    "CREATE TABLE IF NOT EXISTS t_profile_data(profile INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT, "
    "status INTEGER, app TEXT, type INTEGER)",
    "CREATE INDEX IF NOT EXISTS profileindex ON t_profile_data(profile)",
    "CREATE TABLE IF NOT EXISTS t_key_macro_data(key_id INTEGER PRIMARY KEY AUTOINCREMENT, profile INTEGER, "
    "fn_layer INTEGER, key_code INTEGER, layout_value INTEGER, layout_desc TEXT, macro_type INTEGER, "
    "macro_value INTEGER, macro_value2 INTEGER, macro_value3 INTEGER, macro_desc TEXT)",
    "CREATE INDEX IF NOT EXISTS keyindex ON t_key_macro_data(key_id)",
    "CREATE TABLE IF NOT EXISTS t_key_otherdata(macro_value INTEGER PRIMARY KEY AUTOINCREMENT, macro_desc TEXT, "
    "param TEXT, type INTEGER)",
    "CREATE INDEX IF NOT EXISTS otheridindex ON t_key_otherdata(macro_value)",
    "CREATE TABLE IF NOT EXISTS t_macro_data(macro_id INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT, "
    "play_type INTEGER, play_times INTEGER, delay_type INTEGER, delay_time INTEGER)",
    "CREATE INDEX IF NOT EXISTS macroidindex ON t_macro_data(macro_id)",
    "CREATE TABLE IF NOT EXISTS t_macrorecord(record_id INTEGER PRIMARY KEY AUTOINCREMENT, macro_id INTEGER, "
    "type INTEGER, record_index INTEGER, desc TEXT, value INTEGER, delay_time INTEGER)",
    "CREATE INDEX IF NOT EXISTS macrorecordindex ON t_macrorecord(record_id)",
    "CREATE TABLE IF NOT EXISTS t_light_data(light_id INTEGER PRIMARY KEY AUTOINCREMENT, profile INTEGER, "
    "name TEXT, mode INTEGER, brightness INTEGER, speed INTEGER, direction INTEGER, colorful INTEGER, "
    "colorindex INTEGER, color_value INTEGER, config_func INTEGER, reserved INTEGER, status INTEGER)",
    "CREATE INDEX IF NOT EXISTS lightindex ON t_light_data(light_id)",
    "CREATE TABLE IF NOT EXISTS t_key_light_data(keylight_id INTEGER PRIMARY KEY AUTOINCREMENT, profile INTEGER, "
    "light_id INTEGER, key_code INTEGER, key_rgb INTEGER)",
    "CREATE INDEX IF NOT EXISTS keylightindex ON t_key_light_data(keylight_id)",
};

const char* const kLayout[] = {
    "SELECT config_id, profile, key, value FROM t_configdata LIMIT 0",
    "SELECT profile, name, status, app, type FROM t_profile_data LIMIT 0",
    "SELECT key_id, profile, fn_layer, key_code, layout_value, layout_desc, macro_type, macro_value, macro_value2, "
    "macro_value3, macro_desc FROM t_key_macro_data LIMIT 0",
    "SELECT macro_value, macro_desc, param, type FROM t_key_otherdata LIMIT 0",
    "SELECT macro_id, name, play_type, play_times, delay_type, delay_time FROM t_macro_data LIMIT 0",
    "SELECT record_id, macro_id, type, record_index, desc, value, delay_time FROM t_macrorecord LIMIT 0",
    "SELECT light_id, profile, name, mode, brightness, speed, direction, colorful, colorindex, color_value, "
    "config_func, reserved, status FROM t_light_data LIMIT 0",
    "SELECT keylight_id, profile, light_id, key_code, key_rgb FROM t_key_light_data LIMIT 0",
};

const char* const kReset[] = {
    "DELETE FROM t_configdata",
    "DELETE FROM t_profile_data",
    "DELETE FROM t_key_macro_data",
    "DELETE FROM t_key_otherdata",
    "DELETE FROM t_macro_data",
    "DELETE FROM t_macrorecord",
    "DELETE FROM t_light_data",
    "DELETE FROM t_key_light_data",
    // Restarts the counters so that the profiles created next are 1 to 5 again.
    "DELETE FROM sqlite_sequence",
};

}  // namespace

std::span<const char* const> CreateStatements() { return kCreate; }
std::span<const char* const> LayoutChecks() { return kLayout; }
std::span<const char* const> ResetStatements() { return kReset; }

}  // namespace schema
