#pragma once
// Turns wheel deltas into scroll steps of 120 units (one notch). What is left over is
// carried to the next message, so that high-resolution wheels and touchpads, which send
// small deltas, still scroll; a single delta below 120 scrolls nothing. Turning the other
// way drops the carried rest, so a change of direction answers at once.

namespace Kelvo {

class WheelSteps {
public:
    static constexpr int kNotch = 120;

    // Whole steps for this delta: positive upwards (away from the user), negative down.
    int Add(int delta);
    void Reset() { m_rest = 0; }
    int Rest() const { return m_rest; }

private:
    int m_rest = 0;
};

}  // namespace Kelvo
