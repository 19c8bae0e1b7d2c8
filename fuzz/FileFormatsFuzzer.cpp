// libFuzzer target for the macro and profile file readers: the bytes of a file
// a user could import are read as both kinds. Besides crashes and undefined
// behaviour it checks what the readers promise:
// - every value they return lies in its domain, so writing what was read and
//   reading that back gives the same content with nothing more left out;
// - a name read from a file, made into an export file name, stays one plain
//   file name.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "ExportFileName.h"
#include "MacroFile.h"
#include "ProfileFile.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

bool SameStep(const MacroStep& a, const MacroStep& b) {
    return a.desc == b.desc && a.record_index == b.record_index && a.type == b.type && a.value == b.value &&
           a.delay_time == b.delay_time;
}

bool SameKey(const KeyAssignment& a, const KeyAssignment& b) {
    return a.key_code == b.key_code && a.macro_type == b.macro_type && a.macro_value == b.macro_value &&
           a.macro_value2 == b.macro_value2 && a.macro_value3 == b.macro_value3 && a.macro_desc == b.macro_desc;
}

bool SameLight(const LightRecord& a, const LightRecord& b) {
    return a.mode == b.mode && a.brightness == b.brightness && a.speed == b.speed && a.direction == b.direction &&
           a.colorful == b.colorful && a.colorindex == b.colorindex && a.color_value == b.color_value;
}

template <class T, class Same>
bool SameList(const std::vector<T>& a, const std::vector<T>& b, Same same) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (!same(a[i], b[i])) return false;
    }
    return true;
}

void CheckFileName(const CString& name) {
    CString safe = SafeFileNamePart(name);
    Check(!safe.IsEmpty() && safe.GetLength() <= 201);
    for (wchar_t ch : safe.str()) {
        Check(ch >= 0x20 && ch != 0x7F && ch != L'\\' && ch != L'/' && ch != L':' && ch != L'*' && ch != L'?' &&
              ch != L'"' && ch != L'<' && ch != L'>' && ch != L'|');
    }
    wchar_t last = safe.str().back();
    Check(last != L'.' && last != L' ');
}

std::string Saved(XmlDocument& doc) {
    std::string bytes;
    Check(doc.SaveToBytes(bytes));
    return bytes;
}

void Macro(const std::string& bytes) {
    MacroFileContent content;
    if (!ReadMacroFile(bytes, L"fuzz.xml", content).Ok()) return;
    CheckFileName(content.header.name);
    XmlDocument doc;
    BuildMacroDocument(content, doc);
    MacroFileContent back;
    FileOutcome again = ReadMacroFile(Saved(doc), L"again.xml", back);
    Check(again.Ok() && again.skipped.empty());
    const MacroHeader& a = content.header;
    const MacroHeader& b = back.header;
    Check(a.name == b.name && a.play_type == b.play_type && a.play_times == b.play_times && a.delay_type == b.delay_type &&
          a.delay_time == b.delay_time);
    Check(SameList(content.steps, back.steps, SameStep));
}

void Profile(const std::string& bytes) {
    ProfileFileContent content;
    if (!ReadProfileFile(bytes, L"fuzz.xml", content).Ok()) return;
    CheckFileName(content.name);
    XmlDocument doc;
    BuildProfileDocument(content, doc);
    ProfileFileContent back;
    FileOutcome again = ReadProfileFile(Saved(doc), L"again.xml", back);
    // Settings the first file lacked are written empty, which is no loss to report.
    Check(again.Ok() && again.skipped.empty());
    Check(content.name == back.name);
    Check(SameList(content.keys, back.keys, SameKey));
    Check(SameList(content.lights, back.lights, SameLight));
    Check(!content.lightMode || content.lightMode == back.lightMode);
    Check(content.config == back.config);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    Macro(bytes);
    Profile(bytes);
    return 0;
}
