#include "MainWindowPageList.h"

#include "FirmwareBlock.h"
#include "LightingPage.h"
#include "KeyAssignmentPage.h"
#include "MacroPage.h"
#include "PerformancePage.h"
#include "PointerSettingsBlock.h"
#include "ProgramSettingsPage.h"

std::vector<std::unique_ptr<MainWindowPage>> MakeMainWindowPages(PageControls& controls) {
    std::vector<std::unique_ptr<MainWindowPage>> pages;
    // The performance page, with the device settings of the settings page.
    pages.push_back(std::make_unique<PerformancePage>(controls));
    // The settings page's Windows pointer block, and the program settings page.
    pages.push_back(std::make_unique<PointerSettingsBlock>(controls));
    pages.push_back(std::make_unique<ProgramSettingsPage>(controls));
    // The program settings page's firmware block.
    pages.push_back(std::make_unique<FirmwareBlock>(controls));
    // The lighting page.
    pages.push_back(std::make_unique<LightingPage>(controls));
    // The key assignment page.
    pages.push_back(std::make_unique<KeyAssignmentPage>(controls));
    // The macro page.
    pages.push_back(std::make_unique<MacroPage>(controls));
    return pages;
}
