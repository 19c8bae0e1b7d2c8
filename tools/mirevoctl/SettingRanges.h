#pragma once
// The values the program's pages let a user choose for a model, so that `set`
// refuses what the pages could not have produced instead of storing something
// else than was asked for.
#include <string>

// Empty when `value` is one the model takes for the `set` name (dpi1..dpi5,
// dpi-count, dpi-level, sensor, response, sleep, light-brightness, light-speed);
// otherwise the reason, naming what the model takes. Names without a range here
// (rate, colours, lighting mode) are checked elsewhere and pass.
std::string RangeError(const std::string& name, int value, int deviceType);

// The value stored for an accepted one: DPI values go down to the device's step
// of 50; everything else is kept as given.
int OnDeviceStep(const std::string& name, int value);
