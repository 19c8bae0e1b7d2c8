#pragma once
// The clock the toolkit's controls read their times from (long presses, countdowns,
// slider follow-up). It is the process clock of Kelvo.dll's own copy of base, so a test
// program that wants the controls on a virtual clock installs it through here.
#include <cstdint>

#include "KelvoApi.h"

class Clock;

namespace Kelvo {

// Milliseconds of the toolkit's clock.
KELVO_API std::uint64_t ToolkitNowMs();
// Installs `clock` for the toolkit (nullptr: the real clock again). The caller keeps it alive.
KELVO_API void InstallToolkitClock(Clock* clock);

}  // namespace Kelvo
