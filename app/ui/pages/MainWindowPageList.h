#pragma once
// Every page of the main window, made for the window that owns `controls`.
#include <memory>
#include <vector>

#include "PageContext.h"
#include "PageControls.h"

std::vector<std::unique_ptr<MainWindowPage>> MakeMainWindowPages(PageControls& controls);
