#include "ButtonSequences.h"

#include <algorithm>
#include <vector>

#include "ButtonCode.h"
#include "ButtonPackets.h"
#include "ButtonWording.h"
#include "Waits.h"
#include "DebugTrace.h"
#include "MacroBody.h"
#include "MacroNames.h"
#include "MacroPackets.h"
#include "SettingsDatabase.h"
#include "Utf.h"

namespace {

constexpr int kLayer = 0;
constexpr std::uint8_t kOutputChunkCommand = 0x71;
constexpr int kOutputChunkWaitMs = 2;

// Buttons are numbered by the model description; the packets carry one byte.
bool ValidButton(int button) { return button >= 0 && button <= 0xFF; }

// Sends one packet; a failure is traced under the command's two bytes.
bool Send(const std::function<bool(const codec::Packet&)>& transfer, const codec::Packet& packet, const char* what,
          int button) {
    if (transfer(packet)) return true;
    DebugTrace("0x%02X 0x%02X: %s of button %d was not accepted", packet[0], packet[1], what, button);
    return false;
}

bool Read(const ButtonTransfers& t, codec::Packet& packet, const char* what, int button) {
    std::uint8_t id = packet[0], command = packet[1];
    if (t.read(packet)) return true;
    DebugTrace("0x%02X 0x%02X: reading %s of button %d failed; the map read stops", id, command, what, button);
    return false;
}

bool UploadMacro(const ButtonTransfers& t, SettingsDatabase& store, int button, int macroId) {
    MacroHeader header;
    if (!store.GetMacro(macroId, header)) {
        // Uploading an empty macro in its place would silence the button for good.
        DebugTrace("0x%02X 0x54: button %d plays macro %d, which no longer exists; the button is not written",
                   codec::BulkId(t.dialect), button, macroId);
        return false;
    }
    std::vector<MacroStep> steps;
    store.ListMacroSteps(macroId, steps);
    codec::MacroBody body = codec::BuildMacroBody(header, steps);
    if (body.dropped > 0) {
        DebugTrace("0x%02X 0x54: macro %d has %d events; the %d past the %d that fit the mouse are left out",
                   codec::BulkId(t.dialect), macroId, body.events + body.dropped, body.dropped,
                   codec::kMaxMacroEvents);
    }
    std::vector<codec::Packet> packets = codec::MacroBodyPackets(t.dialect, button, body.bytes);
    bool ok = true;
    WaitMs(t.macroStepWaitMs);
    for (std::size_t i = 0; i < packets.size(); ++i) {
        const codec::Packet& packet = packets[i];
        bool last = i + 1 == packets.size();
        if (packet[1] == kOutputChunkCommand) WaitMs(kOutputChunkWaitMs);
        // Only the last piece of a feature-dialect macro is confirmed.
        ok = Send(last ? t.confirmed : t.unconfirmed, packet, "macro", button) && ok;
    }
    codec::Packet name = codec::MacroNamePacket(t.dialect, button, header.name, CurrentButtonWording().Naming());
    WaitMs(t.macroStepWaitMs);
    return Send(t.confirmed, name, "macro name", button) && ok;
}

bool AllZero(const codec::ButtonCode& code) {
    return std::all_of(code.begin(), code.end(), [](std::uint8_t b) { return b == 0; });
}

// A macro button: the stored macro whose name the mouse gives, if any.
bool StoreMacroButton(const ButtonTransfers& t, DeviceSession& s, int button,
                      const std::vector<MacroHeader>& macros, const codec::MacroNaming& naming) {
    codec::Packet request = codec::ReadMacroNameRequest(t.dialect, button);
    if (!Read(t, request, "the macro name", button)) return false;
    std::optional<CString> name = codec::DecodeMacroNameAnswer(t.dialect, request.bytes(), naming);
    if (!name) {
        DebugTrace("0x%02X 0x63: the macro name of button %d is not readable; the map read stops",
                   codec::BulkId(t.dialect), button);
        return false;
    }
    const MacroHeader* macro = codec::FindMacroByName(t.dialect, *name, macros, naming);
    if (!macro) {
        DebugTrace("0x%02X 0x63: button %d plays \"%s\", which is no stored macro; not stored",
                   codec::BulkId(t.dialect), button, utf::WideToUtf8(name->str()).c_str());
        return true;
    }
    KeyAssignment record;
    record.profile = s.currentProfile;
    record.fn_layer = kLayer;
    record.key_code = button;
    record.macro_type = codec::kFunctionMacro;
    record.macro_value = macro->macro_id;
    // The stored name, not the one read back: the mouse may hold it cut short.
    record.macro_desc = macro->name;
    s.store->SaveKeyAssignment(record);
    return true;
}

}  // namespace

bool WriteStoredButton(const ButtonTransfers& t, DeviceSession& s, int button) {
    if (!s.store || !ValidButton(button)) return false;
    KeyAssignment assignment;
    if (!s.store->GetKeyAssignment(s.currentProfile, kLayer, button, assignment)) return true;
    if (assignment.macro_type == codec::kFunctionMacro) {
        return UploadMacro(t, *s.store, button, assignment.macro_value);
    }
    std::optional<codec::ButtonCode> code = codec::EncodeButtonFunction(codec::FunctionOf(assignment));
    if (!code) {
        DebugTrace("0x%02X 0x52: button %d has function type %d, which the mouse has no code for; not written",
                   codec::BulkId(t.dialect), button, assignment.macro_type);
        return false;
    }
    // An all-zero code is the restore packet, which the mouse never confirms.
    if (AllZero(*code)) return RestoreStoredButton(t, s, button);
    return Send(t.confirmed, codec::AssignButtonPacket(t.dialect, button, *code), "function", button);
}

bool RestoreStoredButton(const ButtonTransfers& t, DeviceSession&, int button) {
    if (!ValidButton(button)) return false;
    return Send(t.unconfirmed, codec::RestoreButtonPacket(t.dialect, button), "restore", button);
}

bool ReadButtonMapIntoStore(const ButtonTransfers& t, DeviceSession& s) {
    if (!s.store) return false;
    codec::Packet map = codec::ReadButtonMapRequest(t.dialect);
    if (!t.read(map)) {
        DebugTrace("0x%02X 0x61: the button map could not be read", codec::BulkId(t.dialect));
        return false;
    }
    std::optional<std::vector<codec::ButtonMapItem>> items = codec::DecodeButtonMap(t.dialect, map.bytes());
    if (!items) {
        DebugTrace("0x%02X 0x61: the answer is no button map", codec::BulkId(t.dialect));
        return false;
    }
    ButtonWording wording = CurrentButtonWording();
    codec::MacroNaming naming = wording.Naming();
    std::vector<MacroHeader> macros;
    s.store->ListMacros(macros);

    std::vector<codec::ButtonMapItem> table;
    for (codec::ButtonMapItem item : *items) {
        if (item.type() == codec::kFunctionNone) continue;
        if (item.type() == codec::kFunctionMacro) {
            if (!StoreMacroButton(t, s, item.button, macros, naming)) return false;
            continue;
        }
        // The feature map gives only the type; the rest is read button by button.
        if (t.dialect == codec::Dialect::kFeature) {
            codec::Packet request = codec::ReadButtonRequest(t.dialect, item.button);
            if (!Read(t, request, "the function", item.button)) return false;
            if (!codec::DecodeButtonAnswer(t.dialect, request.bytes(), item)) {
                DebugTrace("0x52 0x62: the answer for button %d is no button; the map read stops", item.button);
                return false;
            }
        }
        table.push_back(item);
    }
    std::stable_sort(table.begin(), table.end(),
                     [](const codec::ButtonMapItem& a, const codec::ButtonMapItem& b) { return a.button < b.button; });
    for (const codec::ButtonMapItem& item : table) {
        std::optional<KeyAssignment> record = codec::AssignmentOfItem(item, s.currentProfile, wording.texts);
        if (record) s.store->SaveKeyAssignment(*record);
    }
    return true;
}
