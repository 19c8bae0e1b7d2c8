#include <windows.h>
#include <timeapi.h>

#include "TimerResolution.h"

namespace {

class MultimediaTimerResolution final : public TimerResolution {
public:
    void Raise() override { timeBeginPeriod(1); }
    void Release() override { timeEndPeriod(1); }
};

}  // namespace

TimerResolution& TimerResolution::System() {
    static MultimediaTimerResolution resolution;
    return resolution;
}
