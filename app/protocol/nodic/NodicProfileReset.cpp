#include "NodicProfileReset.h"

#include "NodicMouseState.h"

namespace nodic {

std::optional<TwoBytes> BuildProfileSelect(int profile) {
    if (profile < 1 || profile > kProfiles) return std::nullopt;
    return TwoBytes{static_cast<std::uint8_t>(profile - 1), 0};
}

std::optional<TwoBytes> BuildRestoreButtons(int button) {
    if (button != kAllButtons && (button < 0 || button >= kTableButtons)) return std::nullopt;
    return TwoBytes{static_cast<std::uint8_t>(button), 0};
}

TwoBytes BuildFactoryReset() { return TwoBytes{}; }

}  // namespace nodic
