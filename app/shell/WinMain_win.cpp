#include <windows.h>

#include "AppPaths.h"
#include "DeviceMainDlg.h"
#include "Startup.h"
#include "WinRegistry.h"

namespace {

// 1 after the window was closed, 0 after an exit from the tray menu or a posted exit.
int RunMainWindow() {
    WinRegistry registry;
    MainWindowSetup setup;
    setup.folders.program = GetProgramFolder();
    setup.folders.data = GetDocumentsFolder();
    setup.registry = &registry;
    setup.skinFolder = GetSkinFolder();
    DeviceMainDlg window(std::move(setup));
    return window.Run();
}

}  // namespace

// The command line is ignored: the program has no options.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) { return RunMirevo(instance, RunMainWindow); }
