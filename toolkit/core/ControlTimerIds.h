#pragma once
// Window-timer IDs for the timers that controls ask their paint manager for. They cycle
// through 1 … 239 from a counter that starts at 4096, so the first ID is 17. An ID that
// a live timer of the same window still holds is skipped, so two controls never share
// one after the counter wraps; so are 0 and the IDs the paint manager keeps for itself.
#include <functional>

namespace Kelvo {

class ControlTimerIds {
public:
    static constexpr unsigned kCaretBlink = 6553;  // the caret of edit controls
    static constexpr unsigned kKillAtOnce = 66;    // killed as soon as it fires
    static constexpr unsigned kOverlayFade = 88;
    static constexpr unsigned kProgress = 99;
    static constexpr unsigned kCycle = 240;

    static bool IsReserved(unsigned id);

    // The next free ID; 0 when every ID of the cycle is taken.
    unsigned Next(const std::function<bool(unsigned)>& inUse);

private:
    unsigned m_counter = 4096;
};

}  // namespace Kelvo
