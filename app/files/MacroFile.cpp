#include "MacroFile.h"

#include <climits>
#include <optional>

#include "ImportReader.h"
#include "ImportedDocument.h"

namespace {

constexpr wchar_t kDeclaration[] = L"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n";

// What the macro page can set.
constexpr IntRange kPlayType{0, 3};
constexpr IntRange kPlayTimes{1, 999};
constexpr IntRange kDelayType{0, 2};
constexpr IntRange kDelayTime{0, 10000};

constexpr IntRange kStepType{1, 12};
constexpr IntRange kStepIndex{0, 65535};
// The group number is a tick count written as a signed number.
constexpr IntRange kStamp{INT_MIN, INT_MAX};

// The value a step of each type can carry.
IntRange StepValueRange(int type) {
    switch (type) {
    case 1: return {1, 31000};  // delay in ms: typed up to 10000, recorded up to 31000
    case 2: case 3: return {1, 1023};  // virtual key, including the program's own codes above 255
    case 4: case 5: return {1, 255};  // button code
    case 6: case 7: case 8: case 9: case 10: case 11: return {1, 127};  // wheel notches, move distance
    default: return {0, 0xFFFF};  // 12: x and y, one sign-and-magnitude byte each
    }
}

CString Number(int value) { return CString(std::to_wstring(value)); }

std::optional<MacroStep> ReadStep(ImportReader& in) {
    std::optional<CString> desc = in.Text(L"desc");
    std::optional<int> index = in.Int(L"index", kStepIndex);
    std::optional<int> type = in.Int(L"type", kStepType);
    std::optional<int> value = type ? in.Int(L"value", StepValueRange(*type)) : std::nullopt;
    std::optional<int> stamp = in.Int(L"timestamp", kStamp);
    if (!desc || !index || !type || !value || !stamp) return std::nullopt;
    MacroStep step;
    step.desc = *desc;
    step.record_index = *index;
    step.type = *type;
    step.value = *value;
    step.delay_time = *stamp;
    return step;
}

void ReadHeader(ImportReader& in, MacroHeader& header) {
    header = NewMacroHeader();
    if (std::optional<CString> name = in.Text(L"macro_name")) header.name = *name;
    if (std::optional<int> v = in.Int(L"macro_type", kPlayType)) header.play_type = *v;
    if (std::optional<int> v = in.Int(L"play_times", kPlayTimes)) header.play_times = *v;
    if (std::optional<int> v = in.Int(L"delay_type", kDelayType)) header.delay_type = *v;
    if (std::optional<int> v = in.Int(L"delay_time", kDelayTime)) header.delay_time = *v;
}

}  // namespace

MacroHeader NewMacroHeader() {
    MacroHeader header;
    header.play_type = 0;
    header.play_times = 1;
    header.delay_type = 1;
    header.delay_time = 0;
    return header;
}

void BuildMacroDocument(const MacroFileContent& content, XmlDocument& doc) {
    const MacroHeader& h = content.header;
    doc.SetDocumentText(kDeclaration);
    doc.AddElement(L"macro");
    doc.EnterElement();
    doc.AddElement(L"macroinfo");
    doc.SetAttribute(L"macro_name", h.name);
    doc.SetAttribute(L"macro_type", Number(h.play_type));
    doc.SetAttribute(L"play_times", Number(h.play_times));
    doc.SetAttribute(L"delay_type", Number(h.delay_type));
    doc.SetAttribute(L"delay_time", Number(h.delay_time));
    doc.AddElement(L"macroitems");
    doc.EnterElement();
    for (const MacroStep& s : content.steps) {
        doc.AddElement(L"item");
        doc.SetAttribute(L"desc", s.desc);
        doc.SetAttribute(L"index", Number(s.record_index));
        doc.SetAttribute(L"type", Number(s.type));
        doc.SetAttribute(L"value", Number(s.value));
        doc.SetAttribute(L"timestamp", Number(s.delay_time));
    }
    doc.LeaveElement();
    doc.LeaveElement();
}

FileOutcome ReadMacroFile(const std::string& bytes, const CString& path, MacroFileContent& content) {
    content = MacroFileContent{};
    XmlDocument doc;
    FileOutcome outcome = LoadImportBytes(bytes, path, L"macro", doc);
    if (!outcome.Ok()) return outcome;
    ImportReader in(doc, outcome.skipped);
    in.Enter();
    if (!in.Find(L"macroinfo")) return FileOutcome::Failure(FileProblem::kMissingPart, path, L"macroinfo");
    ReadHeader(in, content.header);
    if (in.Find(L"macroitems")) {
        in.Enter();
        while (in.Find(L"item", true)) {
            if (std::optional<MacroStep> step = ReadStep(in)) content.steps.push_back(*step);
        }
        in.Leave();
    }
    return outcome;
}
