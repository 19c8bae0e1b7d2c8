#include "VersionAnswers.h"

#include <algorithm>

namespace sim {
namespace {

constexpr std::uint8_t kReceiverVersion = 0xAA;
constexpr std::uint8_t kReceiverSecondText = 0xBB;

// A length byte and the text at `at`, cut to `room` bytes.
void PutText(Bytes& a, std::size_t at, std::size_t room, const std::string& text, bool nul) {
    std::string bytes = nul ? text + '\0' : text;
    std::size_t n = std::min(bytes.size(), room);
    a[at] = static_cast<std::uint8_t>(n);
    std::copy_n(bytes.begin(), n, a.begin() + static_cast<std::ptrdiff_t>(at + 1));
}

}  // namespace

bool ReceiverAnswersVersion(const Device& d, std::uint8_t selector) {
    return d.setup.kind == Kind::kReceiver && (selector == kReceiverVersion || selector == kReceiverSecondText);
}

Bytes FeatureVersionAnswer(const Device& d, std::uint8_t selector) {
    Bytes a(21, 0);
    a[0] = 0x51;
    a[1] = d.setup.echoCommand ? 0x04 : 0x00;
    const bool receiver = d.setup.kind == Kind::kReceiver;
    if (selector == 0) PutText(a, 2, 18, d.setup.firmware, false);
    else if (receiver && selector == kReceiverVersion) PutText(a, 2, 18, d.setup.receiverFirmware, false);
    else if (receiver && selector == kReceiverSecondText) PutText(a, 2, 18, d.setup.receiverSecondText, false);
    return a;
}

Bytes OutputVersionAnswer(const Device& d) {
    Bytes a(64, 0);
    a[0] = d.setup.answerId;
    a[1] = d.setup.echoCommand ? 0x04 : 0x00;
    const bool nul = d.setup.versionNul;
    if (d.setup.kind == Kind::kReceiver) {
        PutText(a, 2, 19, d.setup.receiverFirmware, nul);
        PutText(a, 22, 19, d.setup.receiverSecondText, nul);
        PutText(a, 42, 21, d.setup.firmware, nul);
        return a;
    }
    PutText(a, 2, 19, d.setup.firmware, nul);
    if (d.setup.versionFields == VersionFields::kMouseLast) PutText(a, 42, 21, d.setup.firmware, nul);
    return a;
}

}  // namespace sim
