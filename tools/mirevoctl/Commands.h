#pragma once
// The commands of mirevoctl. Each prints to stdout (errors to stderr) and returns
// its exit code.
#include "DeviceCatalogue.h"
#include "HidDeviceManager.h"
#include "Options.h"

int RunList(HidDeviceManager& manager, const DeviceCatalogue& catalogue, const Options& options);
int RunStatus(HidDeviceManager& manager, const DeviceCatalogue& catalogue, const Options& options);
