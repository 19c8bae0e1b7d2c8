#include "NodicButtonTable.h"

#include <algorithm>

namespace nodic {
namespace {

constexpr std::size_t kFirstEntryByte = 4;
constexpr std::size_t kEntrySize = 4;

std::size_t EntryByte(int button) { return kFirstEntryByte + kEntrySize * static_cast<std::size_t>(button); }

// Entries 5, 6, 8 and 9 are never taken into the store.
bool IsDecodedButton(int button) { return button != 5 && button != 6 && button != 8 && button != 9; }

}  // namespace

std::optional<ButtonTable> ButtonTable::FromAnswer(const Answer& answer) {
    std::optional<ReadBlock> block = ReadBlock::FromAnswer(answer, command::kButtonTable.minAnswer);
    if (!block) return std::nullopt;
    return ButtonTable(*block);
}

KeyCode ButtonTable::Entry(int button) const {
    if (button < 0 || button >= kTableButtons) return KeyCode{};
    return m_block.Copy<kEntrySize>(EntryByte(button));
}

ButtonTableWrite ButtonTable::Write(std::span<const KeyAssignment> assignments, const SlotMap& slots) const {
    ButtonTableWrite out{};
    for (int b = 0; b < kTableButtons; ++b) {
        KeyCode entry = Entry(b);
        std::copy(entry.begin(), entry.end(), out.begin() + static_cast<std::ptrdiff_t>(At(EntryByte(b))));
    }
    for (const KeyAssignment& a : assignments) {
        if (a.key_code < 0 || a.key_code >= kTableButtons) continue;
        std::optional<KeyCode> code = EncodeNodicKey(codec::FunctionOf(a), slots);
        if (!code) continue;
        std::copy(code->begin(), code->end(), out.begin() + static_cast<std::ptrdiff_t>(At(EntryByte(a.key_code))));
    }
    return out;
}

std::vector<KeyAssignment> ButtonTable::Decode(int profile, const codec::TextLookup& texts) const {
    std::vector<KeyAssignment> records;
    for (int b = 0; b < kTableButtons; ++b) {
        if (!IsDecodedButton(b)) continue;
        std::optional<codec::ButtonFunction> f = DecodeNodicKey(Entry(b));
        if (!f) continue;
        KeyAssignment record;
        record.profile = profile;
        record.fn_layer = 0;
        record.key_code = b;
        record.macro_type = f->type;
        record.macro_value = f->value;
        record.macro_value2 = f->value2;
        record.macro_value3 = f->value3;
        record.macro_desc = DescribeNodicFunction(*f, texts);
        records.push_back(std::move(record));
    }
    return records;
}

std::optional<ButtonTableWrite> BuildButtonTableWrite(const std::optional<ButtonTable>& cached,
                                                      std::span<const KeyAssignment> assignments,
                                                      const SlotMap& slots) {
    if (!cached) return std::nullopt;
    return cached->Write(assignments, slots);
}

CString DescribeNodicFunction(const codec::ButtonFunction& f, const codec::TextLookup& texts) {
    if (f.type == codec::kFunctionKeyParams) return texts ? texts(kKeyParamsText) : CString();
    return codec::DescribeButtonFunction(f, texts);
}

}  // namespace nodic
