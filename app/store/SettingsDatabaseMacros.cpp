// Macros: a header row and its steps, shared by every profile of the model.
#include "Query.h"
#include "SQLiteAutoTransaction.h"
#include "SettingsDatabase.h"

namespace {

const char* const kInsertMacro =
    "INSERT INTO t_macro_data(name, play_type, play_times, delay_type, delay_time) VALUES (?, ?, ?, ?, ?);";
const char* const kRenameMacro = "UPDATE t_macro_data SET name = ? WHERE macro_id = ?";
const char* const kUpdateMacro =
    "UPDATE t_macro_data SET name = ?, play_type = ?, play_times = ?, delay_type = ?,delay_time = ? "
    "WHERE macro_id = ?";
const char* const kSelectMacro =
    "SELECT macro_id, name, play_type, play_times, delay_type, delay_time FROM t_macro_data WHERE macro_id = ?";
const char* const kSelectMacros =
    "SELECT macro_id, name, play_type, play_times, delay_type, delay_time FROM t_macro_data";
const char* const kDeleteMacro = "DELETE FROM t_macro_data WHERE macro_id = ?";
const char* const kInsertStep =
    "INSERT INTO t_macrorecord(macro_id, type, record_index, desc, value, delay_time) VALUES (?, ?, ?, ?, ?, ?);";
const char* const kDeleteSteps = "DELETE FROM t_macrorecord WHERE macro_id = ?";
// Imported macros may repeat an index; the row order keeps them as imported.
const char* const kSelectSteps =
    "SELECT record_id, macro_id, type, record_index, desc, value, delay_time FROM t_macrorecord "
    "WHERE macro_id = ? ORDER BY record_index ASC, record_id ASC";

// False for a row whose identifier a caller could not hold.
bool ReadHeader(const Query& q, MacroHeader& h) {
    if (!q.Id(0, h.macro_id)) return false;
    h.name = q.Text(1);
    h.play_type = q.Int(2);
    h.play_times = q.Int(3);
    h.delay_type = q.Int(4);
    h.delay_time = q.Int(5);
    return true;
}

bool ReadStep(const Query& q, MacroStep& s) {
    if (!q.Id(0, s.record_id)) return false;
    s.macro_id = q.Int(1);
    s.type = q.Int(2);
    s.record_index = q.Int(3);
    s.desc = q.Text(4);
    s.value = q.Int(5);
    s.delay_time = q.Int(6);
    return true;
}

}  // namespace

int SettingsDatabase::AddMacro(const CString& name) {
    MacroHeader h;
    h.name = name;
    h.play_type = 0;
    h.play_times = 1;
    h.delay_type = 1;
    h.delay_time = 0;
    LockGuard guard(m_lock);
    return AddMacroLocked(h);
}

int SettingsDatabase::AddMacroWithSettings(const MacroHeader& header) {
    LockGuard guard(m_lock);
    return AddMacroLocked(header);
}

int SettingsDatabase::AddMacroLocked(const MacroHeader& h) {
    return Query(m_db, kInsertMacro, h.name, h.play_type, h.play_times, h.delay_type, h.delay_time).Insert();
}

int SettingsDatabase::CopyMacro(int sourceId, const CString& name) {
    LockGuard guard(m_lock);
    // The source is read inside the transaction, so the copy is of what is
    // stored when it is made.
    SQLiteAutoTransaction transaction(&m_db, SQLiteAutoTransaction::Mode::kImmediate);
    if (!transaction.IsActive()) return 0;
    MacroHeader header;
    std::vector<MacroStep> steps;
    {
        Query source(m_db, kSelectMacro, sourceId);
        if (!source.Next() || !ReadHeader(source, header)) {
            transaction.Rollback();
            return 0;
        }
        Query list(m_db, kSelectSteps, sourceId);
        for (MacroStep step; list.Next();) {
            if (ReadStep(list, step)) steps.push_back(step);
        }
    }
    header.name = name;
    int id = AddMacroLocked(header);
    for (const MacroStep& step : steps) {
        if (id == 0 || AddMacroStepLocked(id, step) == 0) {
            transaction.Rollback();
            return 0;
        }
    }
    return transaction.Commit() ? id : 0;
}

bool SettingsDatabase::RenameMacro(int macroId, const CString& name) {
    LockGuard guard(m_lock);
    return Query(m_db, kRenameMacro, name, macroId).Run();
}

bool SettingsDatabase::UpdateMacro(const MacroHeader& h) {
    LockGuard guard(m_lock);
    return Query(m_db, kUpdateMacro, h.name, h.play_type, h.play_times, h.delay_type, h.delay_time, h.macro_id).Run();
}

bool SettingsDatabase::GetMacro(int macroId, MacroHeader& header) {
    LockGuard guard(m_lock);
    Query q(m_db, kSelectMacro, macroId);
    MacroHeader read;
    if (!q.Next() || !ReadHeader(q, read)) return false;
    header = read;
    return true;
}

int SettingsDatabase::ListMacros(std::vector<MacroHeader>& headers) {
    LockGuard guard(m_lock);
    headers.clear();
    Query q(m_db, kSelectMacros);
    for (MacroHeader h; q.Next();) {
        if (ReadHeader(q, h)) headers.push_back(h);
    }
    return static_cast<int>(headers.size());
}

bool SettingsDatabase::DeleteMacro(int macroId) {
    LockGuard guard(m_lock);
    SQLiteAutoTransaction transaction(&m_db);
    if (!transaction.IsActive()) return false;
    if (!Query(m_db, kDeleteMacro, macroId).Run() || !Query(m_db, kDeleteSteps, macroId).Run()) {
        transaction.Rollback();
        return false;
    }
    return transaction.Commit();
}

int SettingsDatabase::AddMacroStep(const MacroStep& step) {
    LockGuard guard(m_lock);
    return AddMacroStepLocked(step.macro_id, step);
}

int SettingsDatabase::AddMacroStepLocked(int macroId, const MacroStep& s) {
    return Query(m_db, kInsertStep, macroId, s.type, s.record_index, s.desc, s.value, s.delay_time).Insert();
}

bool SettingsDatabase::SaveMacroSteps(const std::vector<MacroStep>& steps) {
    LockGuard guard(m_lock);
    // All or nothing: a macro stored with some of its steps missing would play
    // something the user never recorded. One transaction also makes a long
    // macro one write to disk instead of one per step.
    SQLiteAutoTransaction transaction(&m_db);
    if (!transaction.IsActive()) return false;
    for (const MacroStep& step : steps) {
        if (AddMacroStepLocked(step.macro_id, step) == 0) {
            transaction.Rollback();
            return false;
        }
    }
    return transaction.Commit();
}

bool SettingsDatabase::ReplaceMacroSteps(int macroId, const std::vector<MacroStep>& steps) {
    LockGuard guard(m_lock);
    // The worker uploads macros while the page saves them: delete and insert
    // must look like one change, or it could send a macro with no steps.
    SQLiteAutoTransaction transaction(&m_db);
    if (!transaction.IsActive()) return false;
    bool ok = Query(m_db, kDeleteSteps, macroId).Run();
    for (auto it = steps.begin(); ok && it != steps.end(); ++it) ok = AddMacroStepLocked(macroId, *it) > 0;
    if (!ok) {
        transaction.Rollback();
        return false;
    }
    return transaction.Commit();
}

bool SettingsDatabase::DeleteMacroSteps(int macroId) {
    LockGuard guard(m_lock);
    return Query(m_db, kDeleteSteps, macroId).Run();
}

int SettingsDatabase::ListMacroSteps(int macroId, std::vector<MacroStep>& steps) {
    LockGuard guard(m_lock);
    steps.clear();
    Query q(m_db, kSelectSteps, macroId);
    for (MacroStep step; q.Next();) {
        if (ReadStep(q, step)) steps.push_back(step);
    }
    return static_cast<int>(steps.size());
}
