// The drop-in library as a program loads it: scenario and unplugged file come from
// the environment, and the hidapi calls go through the library's own exports.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "File.h"
#include "Utf.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace {

struct DeviceInfo {  // the leading fields of hidapi's hid_device_info
    char* path;
    unsigned short vendor_id;
    unsigned short product_id;
    wchar_t* serial_number;
    unsigned short release_number;
    wchar_t* manufacturer_string;
    wchar_t* product_string;
    unsigned short usage_page;
    unsigned short usage;
    int interface_number;
    DeviceInfo* next;
};

using Enumerate = DeviceInfo* (*)(unsigned short, unsigned short);
using FreeEnumeration = void (*)(DeviceInfo*);
using OpenPath = void* (*)(const char*);
using ReadDescriptor = int (*)(void*, unsigned char*, std::size_t);
using ReadTimeout = int (*)(void*, unsigned char*, std::size_t, int);
using Close = void (*)(void*);

const char kControl[] = "dropin-unplugged.txt";

void SetVariable(const char* name, const std::string& value) {
#ifdef _WIN32
    _putenv_s(name, value.c_str());
#else
    setenv(name, value.c_str(), 1);
#endif
}

void* Symbol(const char* name) {
#ifdef _WIN32
    // The drop-in builds apart from the tests, as hidapi.dll in sim-bin.
    static HMODULE library = [] {
        wchar_t self[MAX_PATH];
        GetModuleFileNameW(nullptr, self, MAX_PATH);
        std::filesystem::path dll = std::filesystem::path(self).parent_path().parent_path() / "sim-bin" / "hidapi.dll";
        return LoadLibraryW(dll.wstring().c_str());
    }();
    return library ? reinterpret_cast<void*>(GetProcAddress(library, name)) : nullptr;
#else
    // ctest names the library in the environment; without it nothing is loaded and every
    // test that needs a symbol fails saying so.
    static void* library = [] {
        const char* path = std::getenv("MIREVO_SIM_DROPIN");
        return path ? dlopen(path, RTLD_NOW | RTLD_LOCAL) : nullptr;
    }();
    return library ? dlsym(library, name) : nullptr;
#endif
}

template <typename F>
F Get(const char* name) {
    return reinterpret_cast<F>(Symbol(name));
}

int CountEnumerated(unsigned short pid) {
    DeviceInfo* all = Get<Enumerate>("hid_enumerate")(0x248A, pid);
    int count = 0;
    for (DeviceInfo* d = all; d; d = d->next) ++count;
    Get<FreeEnumeration>("hid_free_enumeration")(all);
    return count;
}

TEST(DropInUnpluggedTest, FollowsTheFileNamedByTheEnvironment) {
    const CString control(utf::Utf8ToWide(kControl));
    file::Remove(control);
    SetVariable("MIREVO_SIM_SCENARIO", "inline:f1 feature wired 5A01|rx feature receiver 5A04 paired=5A01 mouse=f1");
    SetVariable("MIREVO_SIM_MEMORY", "");
    SetVariable("MIREVO_SIM_UNPLUGGED", kControl);
    ASSERT_NE(Symbol("hid_enumerate"), nullptr) << "the drop-in library did not load";

    ASSERT_EQ(CountEnumerated(0x5A01), 2);
    DeviceInfo* cable = Get<Enumerate>("hid_enumerate")(0x248A, 0x5A01);
    const std::string path = cable->next->path;
    Get<FreeEnumeration>("hid_free_enumeration")(cable);
    void* handle = Get<OpenPath>("hid_open_path")(path.c_str());
    ASSERT_NE(handle, nullptr);
    unsigned char descriptor[256];
    ASSERT_GT(Get<ReadDescriptor>("hid_get_report_descriptor")(handle, descriptor, sizeof descriptor), 0);

    ASSERT_TRUE(file::WriteAll(control, "f1\n"));
    // The open handle notices first, before anything enumerates.
    EXPECT_EQ(Get<ReadTimeout>("hid_read_timeout")(handle, descriptor, sizeof descriptor, 0), -1);
    EXPECT_EQ(Get<ReadDescriptor>("hid_get_report_descriptor")(handle, descriptor, sizeof descriptor), -1);
    EXPECT_EQ(CountEnumerated(0x5A01), 0);
    EXPECT_EQ(CountEnumerated(0x5A04), 2) << "only the listed device is pulled out";
    Get<Close>("hid_close")(handle);

    ASSERT_TRUE(file::WriteAll(control, ""));
    EXPECT_EQ(CountEnumerated(0x5A01), 2);
    handle = Get<OpenPath>("hid_open_path")(path.c_str());
    ASSERT_NE(handle, nullptr) << "plugged back under the same path";
    EXPECT_EQ(Get<ReadTimeout>("hid_read_timeout")(handle, descriptor, sizeof descriptor, 0), 0);
    Get<Close>("hid_close")(handle);
    file::Remove(control);
}

}  // namespace
