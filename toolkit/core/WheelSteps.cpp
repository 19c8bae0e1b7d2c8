#include "WheelSteps.h"

namespace Kelvo {

int WheelSteps::Add(int delta) {
    if ((delta > 0 && m_rest < 0) || (delta < 0 && m_rest > 0)) m_rest = 0;
    // Kept in a wide type: two large deltas in a row must not overflow.
    const long long total = static_cast<long long>(m_rest) + delta;
    const long long steps = total / kNotch;  // truncates towards zero for both directions
    m_rest = static_cast<int>(total - steps * kNotch);
    return static_cast<int>(steps);
}

}  // namespace Kelvo
