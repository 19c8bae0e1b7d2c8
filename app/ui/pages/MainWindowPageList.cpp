#include "MainWindowPageList.h"

std::vector<std::unique_ptr<MainWindowPage>> MakeMainWindowPages(PageControls& controls) {
    (void)controls;
    std::vector<std::unique_ptr<MainWindowPage>> pages;
    // The performance page, with the device settings of the settings page.
    // The settings page's Windows pointer block, and the program settings page.
    return pages;
}
