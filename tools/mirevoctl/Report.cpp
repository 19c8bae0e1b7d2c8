#include "Report.h"

#include <cstdarg>
#include <cstdio>
#include <string>

#include "TerminalText.h"
#include "Utf.h"

namespace {

OutputFormat g_format = OutputFormat::kText;
bool g_errorPrinted = false;

}  // namespace

void SetReportFormat(OutputFormat format) {
    g_format = format;
    g_errorPrinted = false;
}

void ReportError(const char* format, ...) {
    char buffer[2048];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    std::string text = buffer;
    while (!text.empty() && text.back() == '\n') text.pop_back();
    if (g_format != OutputFormat::kJson) {
        std::fprintf(stderr, "mirevoctl: %s\n", text.c_str());
        return;
    }
    if (g_errorPrinted) return;
    g_errorPrinted = true;
    std::printf("{\"error\": %s}\n", JsonText(CString(utf::Utf8ToWide(text))).c_str());
}
