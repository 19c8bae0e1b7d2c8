// libFuzzer target for XmlDocument: the bytes of a file users could hand us are
// loaded in every encoding path, navigated with names found in them, edited and
// saved. Besides crashes and undefined behaviour it checks that edits keep a
// well-formed document well-formed and that a value written reads back unchanged.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "File.h"
#include "XmlDocument.h"

namespace {

constexpr std::size_t kMaxNames = 6;
constexpr int kMaxDepth = 6;

CString TempPath(const char* suffix) {
    std::string name = "/tmp/mirevo-xml-fuzz-" + std::to_string(getpid()) + suffix;
    return CString(std::wstring(name.begin(), name.end()));
}

// Element names as they appear after '<' in the text.
std::vector<std::wstring> NamesIn(const std::wstring& text) {
    std::vector<std::wstring> names;
    for (std::size_t p = text.find(L'<'); p != std::wstring::npos && names.size() < kMaxNames; p = text.find(L'<', p + 1)) {
        std::size_t end = xml::NameEnd(text, p + 1);
        if (end == p + 1) continue;
        std::wstring name = text.substr(p + 1, end - p - 1);
        bool known = false;
        for (const std::wstring& n : names) known = known || n == name;
        if (!known) names.push_back(name);
    }
    return names;
}

void Walk(XmlDocument& doc, const std::vector<std::wstring>& names, int depth) {
    if (depth > kMaxDepth) return;
    for (const std::wstring& name : names) {
        while (doc.FindNextElement(name.c_str())) {
            for (const std::wstring& attribute : names) doc.GetAttribute(attribute.c_str());
            doc.GetTagName();
            if (!doc.EnterElement()) std::abort();
            Walk(doc, names, depth + 1);
            if (!doc.LeaveElement()) std::abort();
        }
    }
}

// Adds a child with a value full of characters that need entities; the result
// must parse as well-formed again and give the value back.
void CheckEdit(const CString& text, const std::wstring& root) {
    XmlDocument doc;
    if (!doc.SetDocumentText(text) || !doc.FindNextElement(root.c_str()) || !doc.EnterElement()) return;
    const CString value = L"<&\"'> \x00E9 &#65;";
    if (!doc.AddElement(L"fz") || !doc.SetAttribute(L"v", L"x") || !doc.SetAttribute(L"v", value)) std::abort();
    XmlDocument back;
    if (!back.SetDocumentText(doc.GetDocumentText())) std::abort();
    if (!back.FindNextElement(root.c_str()) || !back.EnterElement()) std::abort();
    CString last;
    bool found = false;
    while (back.FindNextElement(L"fz")) {
        last = back.GetAttribute(L"v");
        found = true;
    }
    if (!found || last != value) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    XmlDocument doc;
    bool wellFormed = doc.LoadFromBytes(std::string(reinterpret_cast<const char*>(data), size));
    std::vector<std::wstring> names = NamesIn(doc.GetDocumentText().str());
    Walk(doc, names, 0);
    if (wellFormed && !names.empty()) {
        XmlDocument probe;
        probe.SetDocumentText(doc.GetDocumentText());
        for (const std::wstring& name : names) {
            if (probe.FindNextElement(name.c_str())) {
                CheckEdit(doc.GetDocumentText(), name);
                break;
            }
        }
    }
    std::string saved;
    doc.SaveToBytes(saved);
    XmlDocument back;
    back.LoadFromBytes(saved);
    Walk(back, names, 0);
    // The file path is the same code plus a read or write; exercise it now and then.
    if (size % 64 == 7) {
        static const CString path = TempPath(".xml");
        if (doc.SaveToFile(path)) back.LoadFromFile(path);
    }
    return 0;
}
