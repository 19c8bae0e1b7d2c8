// Parse time of XmlDocument on pathological documents of 100 KB, 1 MB and 4 MB,
// as milliseconds per MB of text: when the parser is linear in its input the
// figure stays about the same from one size to the next (doubling the input
// about doubles the time); a walk of the open elements per stray end tag or
// per attribute would make it grow with the size.
// The machine may be busy with other work: each figure is the median of a few runs.
//   xml_bench [runs]     (default 5)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "XmlDocument.h"

namespace {

constexpr std::size_t kKB = 1024;
constexpr std::size_t kMB = 1024 * kKB;

// Repeats `unit` (numbered by its index where it holds '#') until the text is
// `size` characters long.
template <class Unit>
std::wstring Repeat(std::size_t size, std::wstring text, Unit unit, const std::wstring& tail = {}) {
    for (std::size_t i = 0; text.size() + tail.size() < size; ++i) text += unit(i);
    return text + tail;
}

struct Shape {
    const char* label;
    std::wstring (*make)(std::size_t size);
};

// Half the text opens nested elements, the other half is end tags that match
// none of them: each of those used to walk every open element.
std::wstring DeepWithStrayEndTags(std::size_t size) {
    std::wstring opens = Repeat(size / 2, L"<r>", [](std::size_t) { return std::wstring(L"<a>"); });
    return Repeat(size, opens, [](std::size_t) { return std::wstring(L"</z>"); });
}

// Deep nesting whose end tags each name an element further out, closing the
// ones in between as unended.
std::wstring MismatchedEndTags(std::size_t size) {
    return Repeat(size, L"<r>", [](std::size_t i) {
        return i % 8 == 7 ? std::wstring(L"</b>") : i % 8 == 0 ? std::wstring(L"<b>") : std::wstring(L"<c>");
    });
}

// One element with attributes until the size is reached; the last one is read.
std::wstring LongAttributeList(std::size_t size) {
    return Repeat(size, L"<r", [](std::size_t i) { return L" a" + std::to_wstring(i) + L"='v'"; }, L" last='1'/>");
}

// A value of numeric references with long runs of leading zeros.
std::wstring ZeroPaddedReferences(std::size_t size) {
    return Repeat(size, L"<r v='", [](std::size_t) { return L"&#" + std::wstring(60, L'0') + L"65;&"; }, L"'/>");
}

// A document type whose internal subset is full of comments holding quotes and brackets.
std::wstring CommentedDocumentType(std::size_t size) {
    return Repeat(size, L"<!DOCTYPE r [", [](std::size_t) { return std::wstring(L"<!-- it's [a] \" -->"); },
                  L"]><r last='1'/>");
}

const Shape kShapes[] = {
    {"deep nesting, stray end tags", DeepWithStrayEndTags},
    {"mismatched end tags", MismatchedEndTags},
    {"long attribute list", LongAttributeList},
    {"zero-padded references", ZeroPaddedReferences},
    {"commented document type", CommentedDocumentType},
};

double ParseMs(const std::wstring& text) {
    auto start = std::chrono::steady_clock::now();
    XmlDocument doc;
    doc.SetDocumentText(text.c_str());
    if (doc.FindNextElement(L"r")) {
        doc.GetAttribute(L"last");
        doc.GetAttribute(L"v");
    }
    std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
    return elapsed.count();
}

}  // namespace

int main(int argc, char** argv) {
    int runs = RunsFromArguments(argc, argv);
    const std::size_t sizes[] = {100 * kKB, kMB, 4 * kMB};
    std::printf("XmlDocument parse time in ms per MB of text (characters); median of %d runs\n", runs);
    std::printf("  %-32s %12s %12s %12s %14s\n", "document", "100 KB", "1 MB", "4 MB", "4 MB / 1 MB");
    for (const Shape& shape : kShapes) {
        std::vector<double> perMb;
        double total4 = 0;
        double total1 = 0;
        for (std::size_t size : sizes) {
            std::wstring text = shape.make(size);
            std::vector<double> times;
            for (int i = 0; i < runs; ++i) times.push_back(ParseMs(text));
            double ms = Median(times);
            perMb.push_back(ms / (static_cast<double>(text.size()) / kMB));
            if (size == kMB) total1 = ms;
            if (size == 4 * kMB) total4 = ms;
        }
        std::printf("  %-32s %12.1f %12.1f %12.1f %13.2fx\n", shape.label, perMb[0], perMb[1], perMb[2],
                    total4 / total1);
    }
    return 0;
}
