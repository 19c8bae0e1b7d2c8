// A crash in a test program under Wine would start Wine's debugger and hang the run for
// many minutes. Instead, print where it happened (module and offset, and the code
// addresses found on the stack) and end the program at once with a failure.
#include <windows.h>

#include <cstdio>

namespace {

bool Describe(DWORD64 address, char* text, size_t size) {
    HMODULE module = nullptr;
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            reinterpret_cast<LPCSTR>(address), &module))
        return false;
    char name[MAX_PATH] = {};
    GetModuleFileNameA(module, name, MAX_PATH);
    const char* file = name;
    for (const char* c = name; *c; ++c)
        if (*c == '\\' || *c == '/') file = c + 1;
    snprintf(text, size, "%s+0x%llx", file,
             static_cast<unsigned long long>(address - reinterpret_cast<DWORD64>(module)));
    return true;
}

LONG WINAPI ReportCrash(EXCEPTION_POINTERS* info) {
    char where[MAX_PATH + 32] = "?";
    const auto address = reinterpret_cast<DWORD64>(info->ExceptionRecord->ExceptionAddress);
    Describe(address, where, sizeof where);
    fprintf(stderr, "crash: exception 0x%08lx at %s\n", info->ExceptionRecord->ExceptionCode, where);
    const auto* stack = reinterpret_cast<const DWORD64*>(info->ContextRecord->Rsp);
    for (int i = 0, shown = 0; i < 512 && shown < 64; ++i) {
        if (IsBadReadPtr(stack + i, sizeof(DWORD64))) break;
        char text[MAX_PATH + 32];
        if (stack[i] > 0x10000 && Describe(stack[i], text, sizeof text)) {
            fprintf(stderr, "  stack: %s\n", text);
            ++shown;
        }
    }
    fflush(stderr);
    TerminateProcess(GetCurrentProcess(), 3);
    return EXCEPTION_EXECUTE_HANDLER;
}

[[maybe_unused]] const auto kPrevious = SetUnhandledExceptionFilter(ReportCrash);

}  // namespace
