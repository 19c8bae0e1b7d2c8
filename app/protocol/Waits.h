#pragma once
// The pauses the command sequences make between transfers. They sleep on the
// process clock, so a test's virtual clock runs seconds of waits in no time.
#include <cstdint>

#include "Clock.h"

inline void WaitMs(int ms) {
    if (ms > 0) Clock::Get().SleepMs(static_cast<std::uint32_t>(ms));
}
