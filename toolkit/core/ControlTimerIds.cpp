#include "ControlTimerIds.h"

namespace Kelvo {

bool ControlTimerIds::IsReserved(unsigned id) {
    return id == 0 || id == kKillAtOnce || id == kOverlayFade || id == kProgress || id == kCaretBlink;
}

unsigned ControlTimerIds::Next(const std::function<bool(unsigned)>& inUse) {
    for (unsigned tried = 0; tried < kCycle; ++tried) {
        ++m_counter;
        const unsigned id = m_counter % kCycle;
        if (!IsReserved(id) && !inUse(id)) return id;
    }
    return 0;
}

}  // namespace Kelvo
