// Button assignments: a row only for a button that differs from the factory layout.
#include "Query.h"
#include "SQLiteAutoTransaction.h"
#include "SettingsDatabase.h"

namespace {

const char* const kDeleteKey = "DELETE FROM t_key_macro_data WHERE profile = ? and fn_layer = ? and key_code = ?";
const char* const kInsertKey =
    "INSERT INTO t_key_macro_data(profile, fn_layer, key_code, layout_value, layout_desc, macro_type, "
    "macro_value, macro_value2, macro_value3, macro_desc) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?);";
const char* const kSelectKey =
    "SELECT key_id, profile, fn_layer, key_code, layout_value, layout_desc, macro_type, macro_value, "
    "macro_value2, macro_value3, macro_desc FROM t_key_macro_data WHERE profile = ? and fn_layer = ? and key_code = ?";
const char* const kSelectKeys =
    "SELECT key_id, profile, fn_layer, key_code, layout_value, layout_desc, macro_type, macro_value, "
    "macro_value2, macro_value3, macro_desc FROM t_key_macro_data WHERE profile = ? and fn_layer = ?";
const char* const kSetKeyDesc =
    "UPDATE t_key_macro_data SET macro_desc = ? WHERE profile = ? and fn_layer = ? and key_code = ?";
const char* const kDeleteProfileKeys = "DELETE FROM t_key_macro_data WHERE profile = ?";

// False for a row whose identifier a caller could not hold.
bool ReadKey(const Query& q, KeyAssignment& r) {
    if (!q.Id(0, r.key_id)) return false;
    r.profile = q.Int(1);
    r.fn_layer = q.Int(2);
    r.key_code = q.Int(3);
    r.layout_value = q.Int(4);
    r.layout_desc = q.Text(5);
    r.macro_type = q.Int(6);
    r.macro_value = q.Int(7);
    r.macro_value2 = q.Int(8);
    r.macro_value3 = q.Int(9);
    r.macro_desc = q.Text(10);
    return true;
}

}  // namespace

int SettingsDatabase::SaveKeyAssignment(const KeyAssignment& r) {
    LockGuard guard(m_lock);
    SQLiteAutoTransaction transaction(&m_db);
    if (!transaction.IsActive()) return 0;
    if (!Query(m_db, kDeleteKey, r.profile, r.fn_layer, r.key_code).Run()) {
        transaction.Rollback();
        return 0;
    }
    // Both first parameters zero: the button goes back to its factory function.
    if (r.macro_value == 0 && r.macro_value2 == 0) {
        transaction.Commit();
        return 0;
    }
    int id = Query(m_db, kInsertKey, r.profile, r.fn_layer, r.key_code, r.layout_value, r.layout_desc,
                   r.macro_type, r.macro_value, r.macro_value2, r.macro_value3, r.macro_desc)
                 .Insert();
    if (id == 0) {
        transaction.Rollback();
        return 0;
    }
    return transaction.Commit() ? id : 0;
}

bool SettingsDatabase::GetKeyAssignment(int profile, int fnLayer, int keyCode, KeyAssignment& record) {
    LockGuard guard(m_lock);
    Query q(m_db, kSelectKey, profile, fnLayer, keyCode);
    KeyAssignment read;
    if (!q.Next() || !ReadKey(q, read)) return false;
    record = read;
    return true;
}

bool SettingsDatabase::SetKeyDescription(int profile, int fnLayer, int keyCode, const CString& text) {
    LockGuard guard(m_lock);
    return Query(m_db, kSetKeyDesc, text, profile, fnLayer, keyCode).Run();
}

int SettingsDatabase::ListKeyAssignments(int profile, int fnLayer, std::vector<KeyAssignment>& records) {
    LockGuard guard(m_lock);
    records.clear();
    Query q(m_db, kSelectKeys, profile, fnLayer);
    for (KeyAssignment r; q.Next();) {
        if (ReadKey(q, r)) records.push_back(r);
    }
    return static_cast<int>(records.size());
}

bool SettingsDatabase::DeleteProfileKeys(int profile) {
    LockGuard guard(m_lock);
    return Query(m_db, kDeleteProfileKeys, profile).Run();
}
