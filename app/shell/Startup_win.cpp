#include "Startup.h"

#include <windows.h>
#include <ole2.h>


#include "GdiPlus.h"

#include "AppPaths.h"
#include "CurrentLanguage.h"
#include "DebugPrivilege.h"
#include "Manager.h"
#include "Preferences.h"
#include "Product.h"
#include "SingleInstance.h"
#include "UserFolders.h"
#include "WinFolderSystem.h"
#include "WinRegistry.h"

namespace {

void SettleLanguage() {
    WinRegistry registry;
    int language = Preferences(registry).SettleLanguage(static_cast<int>(GetUserDefaultUILanguage()));
    CurrentLanguage.store(language);
}

void CreateDataFolder() {
    WinFolderSystem system;
    UserFolders(system).CreateDatabaseFolder();  // a failure shows up when the database is opened
}

}  // namespace

int RunMirevo(HINSTANCE instance, const std::function<int()>& runMainWindow) {
    if (!SingleInstance::Claim()) {
        SingleInstance::ActivateRunning();
        return 0;
    }
    EnableDebugPrivilege();

    Gdiplus::GdiplusStartupInput gdiplusInput;
    ULONG_PTR gdiplusToken = 0;
    Gdiplus::GdiplusStartup(&gdiplusToken, &gdiplusInput, nullptr);

    SettleLanguage();
    Kelvo::Manager::SetFontName(product::kFontName);
    Kelvo::Manager::SetInstance(instance);
    CreateDataFolder();

    CoInitialize(nullptr);
    OleInitialize(nullptr);

    // The window and its images are gone when this returns; GDI+ goes last.
    int exitCode = runMainWindow();

    OleUninitialize();
    CoUninitialize();
    if (gdiplusToken) Gdiplus::GdiplusShutdown(gdiplusToken);
    return exitCode;
}
