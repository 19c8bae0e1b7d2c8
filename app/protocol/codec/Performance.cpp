#include "Performance.h"

namespace codec {

std::optional<Link> LinkOfMode(int connectMode) {
    switch (connectMode) {
    case 0: return Link::kWired;
    case 1:
    case 3:
    case 4: return Link::kReceiver;
    case 2: return Link::kBluetooth;
    default: return std::nullopt;
    }
}

}  // namespace codec
