#include "TimerResolution.h"

namespace {

class FineGrainedTimers final : public TimerResolution {
public:
    void Raise() override {}
    void Release() override {}
};

}  // namespace

TimerResolution& TimerResolution::System() {
    static FineGrainedTimers resolution;
    return resolution;
}
