#include "ToolkitClock.h"

#include "Clock.h"

namespace Kelvo {

std::uint64_t ToolkitNowMs() { return Clock::Get().NowMs(); }

void InstallToolkitClock(Clock* clock) { Clock::Install(clock); }

}  // namespace Kelvo
