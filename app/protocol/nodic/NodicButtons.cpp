// Buttons and macros of the second family: the macro table goes first, since it
// numbers the macros the button codes point at; the button table is then laid
// over the table the mouse reported and written whole.
#include "NodicDialect.h"

#include "Clock.h"
#include "NodicCommands.h"
#include "NodicFrame.h"
#include "NodicMacroTable.h"
#include "NodicProfileReset.h"
#include "SettingsDatabase.h"

namespace {

std::vector<KeyAssignment> Assignments(DeviceSession& s) {
    std::vector<KeyAssignment> records;
    s.store->ListKeyAssignments(s.currentProfile, 0, records);
    return records;
}

}  // namespace

void NodicDialect::ReadButtonTable(DeviceSession& session) {
    const nodic::ReadCommand& c = nodic::command::kButtonTable;
    NodicFrameBytes request{};
    BuildNodicRead(request.data(), c.object, Routed(), c.operation, static_cast<int>(c.requestLength));
    m_buttonTable = nodic::ButtonTable::FromAnswer(AnswerOfReply(Read(request, c.minAnswer)));
    if (!m_buttonTable) return;
    codec::TextLookup texts = m_texts ? m_texts : [](int) { return CString(); };
    for (const KeyAssignment& record : m_buttonTable->Decode(session.currentProfile, texts))
        session.store->SaveKeyAssignment(record);
}

// The macros of the current profile. The mouse keeps one table per profile, so a
// profile switch needs no upload; a button write uploads its profile's table.
bool NodicDialect::UploadMacroTable(DeviceSession& session) {
    std::vector<KeyAssignment> assignments = Assignments(session);
    std::vector<MacroHeader> macros;
    session.store->ListMacros(macros);
    SettingsDatabase* store = session.store;
    nodic::MacroTable table = nodic::BuildMacroTable(assignments, macros, [store](int macroId) {
        std::vector<MacroStep> steps;
        store->ListMacroSteps(macroId, steps);
        return steps;
    });
    m_slots = table.slots;
    bool routed = Routed();
    bool arrived = true;
    const nodic::WriteCommand& c = nodic::command::kMacroChunk;
    std::vector<nodic::MacroChunk> chunks = nodic::MacroTableChunks(table);
    for (std::size_t i = 0; i < chunks.size(); ++i) {
        NodicFrameBytes frame{};
        BuildNodicWrite(frame.data(), c.object, routed, c.operation, chunks[i].data(), chunks[i].size(),
                        static_cast<int>(i));
        // The chunks follow each other without waiting; their answers say nothing.
        arrived = Exchange(frame).arrived && arrived;
    }
    // A table too large to send is refused whole: the buttons that play its
    // macros keep what the mouse has.
    return arrived && table.trace.IsEmpty();
}

bool NodicDialect::WriteButtonTable(DeviceSession& session) {
    KeepBlocksOfCurrentProfile(session);
    if (!m_buttonTable) {
        const nodic::ReadCommand& r = nodic::command::kButtonTable;
        NodicFrameBytes request{};
        BuildNodicRead(request.data(), r.object, Routed(), r.operation, static_cast<int>(r.requestLength));
        m_buttonTable = nodic::ButtonTable::FromAnswer(AnswerOfReply(Read(request, r.minAnswer)));
    }
    std::vector<KeyAssignment> assignments = Assignments(session);
    // No table read: writing one over zeros would give every other button the
    // 00 00 00 00 function, so nothing is sent.
    std::optional<nodic::ButtonTableWrite> data = nodic::BuildButtonTableWrite(m_buttonTable, assignments, m_slots);
    if (!data) return false;
    const nodic::WriteCommand& c = nodic::command::kButtonTableWrite;
    NodicFrameBytes frame{};
    BuildNodicWrite(frame.data(), c.object, Routed(), c.operation, data->data(), data->size());
    // The cache keeps the table as read: what was written is not what was reported.
    return Write(frame, c.accepted, 0).Accepted(c.accepted);
}

bool NodicDialect::WriteButton(DeviceSession& session, int button) {
    if (button < 0 || button >= nodic::kTableButtons) return false;  // no entry in the mouse's table
    bool uploaded = UploadMacroTable(session);
    bool written = WriteButtonTable(session);
    return Tail(session, uploaded && written);
}

bool NodicDialect::RestoreButton(DeviceSession& session, int button) {
    std::optional<nodic::TwoBytes> data = nodic::BuildRestoreButtons(button);
    if (!data || button == nodic::kAllButtons) return false;
    const nodic::WriteCommand& c = nodic::command::kRestoreButtons;
    NodicFrameBytes frame{};
    BuildNodicWrite(frame.data(), c.object, Routed(), c.operation, data->data(), data->size());
    bool accepted = Write(frame, c.accepted, 0).Accepted(c.accepted);
    // The next button write reads the mouse's table again.
    m_buttonTable.reset();
    return Tail(session, accepted);
}
