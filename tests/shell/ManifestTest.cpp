// The application manifest of Mirevo.exe, read the way the system reads it when the
// program starts: as an activation context made from the program's resource 1.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "CStringPrinter.h"
#include "FixturePath.h"

namespace {

CString ShippedProgram() { return ShippedFolder() + L"Mirevo.exe"; }

class ManifestTest : public testing::Test {
protected:
    void SetUp() override {
        CString exe = ShippedProgram();
        ACTCTXW request{};
        request.cbSize = sizeof request;
        request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
        request.lpSource = exe;
        request.lpResourceName = MAKEINTRESOURCEW(1);  // CREATEPROCESS_MANIFEST_RESOURCE_ID
        m_context = CreateActCtxW(&request);
        ASSERT_NE(m_context, INVALID_HANDLE_VALUE) << "no usable manifest in Mirevo.exe, error " << GetLastError();
    }

    void TearDown() override {
        if (m_context != INVALID_HANDLE_VALUE) ReleaseActCtx(m_context);
    }

    // One block of information about the context, as QueryActCtxW returns it.
    std::vector<BYTE> Query(ULONG what, void* subject = nullptr) {
        SIZE_T needed = 0;
        QueryActCtxW(0, m_context, subject, what, nullptr, 0, &needed);
        std::vector<BYTE> block(needed);
        if (needed == 0 || !QueryActCtxW(0, m_context, subject, what, block.data(), needed, &needed)) block.clear();
        return block;
    }

    // A windowsSettings value; the 2005 name space is the one taken when none is given.
    std::wstring Setting(const wchar_t* name, const wchar_t* nameSpace = nullptr) {
        wchar_t value[256] = {};
        SIZE_T written = 0;
        if (!QueryActCtxSettingsW(0, m_context, nameSpace, name, value, 256, &written)) return L"<none>";
        return value;
    }

    HANDLE m_context = INVALID_HANDLE_VALUE;
};

TEST(ManifestResourceTest, ProgramCarriesItsManifest) {
    HMODULE exe = LoadLibraryExW(ShippedProgram(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(exe, nullptr);
    HRSRC manifest = FindResourceW(exe, MAKEINTRESOURCEW(1), RT_MANIFEST);
    EXPECT_NE(manifest, nullptr);
    EXPECT_GT(manifest ? SizeofResource(exe, manifest) : 0u, 0u);
    FreeLibrary(exe);
}

TEST_F(ManifestTest, DependsOnCommonControlsSix) {
    std::vector<BYTE> summary = Query(ActivationContextDetailedInformation);
    ASSERT_GE(summary.size(), sizeof(ACTIVATION_CONTEXT_DETAILED_INFORMATION));
    auto* details = reinterpret_cast<const ACTIVATION_CONTEXT_DETAILED_INFORMATION*>(summary.data());
    std::vector<std::wstring> assemblies;
    for (DWORD index = 1; index <= details->ulAssemblyCount; ++index) {
        std::vector<BYTE> block = Query(AssemblyDetailedInformationInActivationContext, &index);
        if (block.empty()) continue;
        auto* assembly = reinterpret_cast<const ACTIVATION_CONTEXT_ASSEMBLY_DETAILED_INFORMATION*>(block.data());
        if (assembly->lpAssemblyEncodedAssemblyIdentity) assemblies.push_back(assembly->lpAssemblyEncodedAssemblyIdentity);
    }
    bool controlsSix = false;
    for (const std::wstring& identity : assemblies)
        controlsSix |= identity.find(L"Microsoft.Windows.Common-Controls") != std::wstring::npos &&
                       identity.find(L"version=\"6.") != std::wstring::npos;
    EXPECT_TRUE(controlsSix) << assemblies.size() << " assemblies, none is common controls 6";
}

TEST_F(ManifestTest, IsAwareOfEachMonitorsDpi) {
    EXPECT_EQ(Setting(L"dpiAwareness", L"http://schemas.microsoft.com/SMI/2016/WindowsSettings"),
              L"PerMonitorV2, PerMonitor");
    EXPECT_EQ(Setting(L"dpiAware"), L"true/pm");
}

TEST_F(ManifestTest, RunsAsTheInvoker) {
    std::vector<BYTE> block = Query(RunlevelInformationInActivationContext);
    ASSERT_GE(block.size(), sizeof(ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION));
    auto* level = reinterpret_cast<const ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION*>(block.data());
    EXPECT_EQ(level->RunLevel, ACTCTX_RUN_LEVEL_AS_INVOKER);
    EXPECT_EQ(level->UiAccess, 0u);
}

// Newer systems (Windows 10 since 1903, Wine) add the highest version tested to each
// compatibility element, which widens it and aligns the list to eight bytes.
struct CompatibilityElementWithVersion {
    GUID Id;
    ACTCTX_COMPATIBILITY_ELEMENT_TYPE Type;
    ULONGLONG MaxVersionTested;
};

TEST_F(ManifestTest, DeclaresWindowsTenAndEleven) {
    std::vector<BYTE> block = Query(CompatibilityInformationInActivationContext);
    ASSERT_GE(block.size(), sizeof(DWORD));
    DWORD count = *reinterpret_cast<const DWORD*>(block.data());
    std::vector<std::pair<GUID, ACTCTX_COMPATIBILITY_ELEMENT_TYPE>> elements;
    if (block.size() == sizeof(DWORD) + count * sizeof(COMPATIBILITY_CONTEXT_ELEMENT)) {
        auto* list = reinterpret_cast<const COMPATIBILITY_CONTEXT_ELEMENT*>(block.data() + sizeof(DWORD));
        for (DWORD i = 0; i < count; ++i) elements.emplace_back(list[i].Id, list[i].Type);
    } else {
        ASSERT_EQ(block.size(), 8 + count * sizeof(CompatibilityElementWithVersion)) << count << " elements";
        auto* list = reinterpret_cast<const CompatibilityElementWithVersion*>(block.data() + 8);
        for (DWORD i = 0; i < count; ++i) elements.emplace_back(list[i].Id, list[i].Type);
    }
    // {8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}: Windows 10, which Windows 11 shares.
    const GUID windows10 = {0x8e0f7a12, 0xbfb3, 0x4fe8, {0xb9, 0xa5, 0x48, 0xfd, 0x50, 0xa1, 0x5a, 0x9a}};
    int systems = 0;
    bool found = false;
    for (const auto& [id, type] : elements) {
        if (type != ACTCTX_COMPATIBILITY_ELEMENT_TYPE_OS) continue;
        ++systems;
        found |= IsEqualGUID(id, windows10) != 0;
    }
    EXPECT_TRUE(found);
    EXPECT_EQ(systems, 1) << "only Windows 10 and 11 are supported";
}

}  // namespace
