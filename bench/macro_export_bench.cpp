// Time to build and encode the export of one macro, by its number of steps:
// what the macro page's export does on the UI thread before the file is written.
// When building is linear the time per 1,000 steps stays about the same from one
// size to the next; an index walk per inserted element makes it grow with the size.
// The machine may be busy with other work: each figure is the median of a few runs.
//   macro_export_bench [runs]     (default 5)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "MacroFile.h"

namespace {

// A recorded macro: key presses and releases with the delays between them.
MacroFileContent RecordedMacro(int steps) {
    MacroFileContent content;
    content.header = NewMacroHeader();
    content.header.name = L"Long recording";
    for (int i = 0; i < steps; ++i) {
        MacroStep step;
        step.record_index = i;
        step.type = i % 3 == 2 ? 1 : 2 + i % 3;
        step.value = step.type == 1 ? 25 : 'A' + i % 26;
        step.desc = step.type == 1 ? CString(L" -   25 ms") : CString(step.type == 2 ? L"\u2193  A" : L"\u2191  A");
        step.delay_time = 100000 + i;
        content.steps.push_back(step);
    }
    return content;
}

double ExportMs(const MacroFileContent& content, std::size_t& bytesOut) {
    auto start = std::chrono::steady_clock::now();
    XmlDocument doc;
    BuildMacroDocument(content, doc);
    std::string bytes;
    doc.SaveToBytes(bytes);
    std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
    bytesOut = bytes.size();
    return elapsed.count();
}

}  // namespace

int main(int argc, char** argv) {
    int runs = RunsFromArguments(argc, argv);
    std::printf("Macro export (build the document and encode it); median of %d runs\n", runs);
    std::printf("  %8s %10s %12s %16s\n", "steps", "KB", "ms", "ms per 1,000");
    for (int steps : {1000, 5000, 15000, 30000}) {
        MacroFileContent content = RecordedMacro(steps);
        std::vector<double> times;
        std::size_t bytes = 0;
        for (int i = 0; i < runs; ++i) times.push_back(ExportMs(content, bytes));
        double ms = Median(times);
        std::printf("  %8d %10zu %12.1f %16.2f\n", steps, bytes / 1024, ms, ms / (steps / 1000.0));
    }
    return 0;
}
