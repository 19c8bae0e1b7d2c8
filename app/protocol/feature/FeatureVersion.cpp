#include "FeatureVersion.h"

#include <algorithm>

#include "NameCodePage.h"

namespace {

constexpr std::size_t kReportSize = 21;
constexpr std::size_t kTextAt = 3;
constexpr std::size_t kLongestText = 18;
constexpr std::uint8_t kMouseByte = 0x00;
constexpr std::uint8_t kReceiverByte = 0xAA;
constexpr std::uint8_t kSecondTextByte = 0xBB;

CString Query(FeatureDialect& dialect, std::uint8_t selectorByte) {
    std::uint8_t packet[kReportSize] = {0x51, 0x04, selectorByte};
    // Sent and read back without the receiver handshake: the receiver answers for itself.
    if (!dialect.SendFeature(packet, true)) return kUnreadVersion;
    return DecodeFeatureVersion(packet);
}

}  // namespace

CString DecodeFeatureVersion(std::span<const std::uint8_t> answer) {
    if (answer.size() <= kTextAt || answer[2] == 0) return kUnreadVersion;
    std::size_t length = std::min<std::size_t>({answer[2], kLongestText, answer.size() - kTextAt});
    auto text = answer.subspan(kTextAt, length);
    // A mouse may count a closing NUL in the length; the label ends there.
    auto end = std::find(text.begin(), text.end(), std::uint8_t{0});
    return CString(codec::SystemCodePage().Decode(text.first(static_cast<std::size_t>(end - text.begin()))).c_str());
}

CString ReadFeatureVersion(FeatureDialect& dialect, int selector) {
    return Query(dialect, selector == kVersionOfMouse ? kMouseByte : kReceiverByte);
}

CString ReadFeatureSecondText(FeatureDialect& dialect) { return Query(dialect, kSecondTextByte); }

FirmwareVersions CheckFirmwareVersions(FeatureDialect& dialect, int connectMode, const ShippedFirmware& shipped) {
    FirmwareVersions v;
    v.mouse = ReadFeatureVersion(dialect, kVersionOfMouse);
    v.mouseUpgrade = OffersUpgrade(v.mouse, shipped.mouse);
    if (connectMode == 1 || connectMode == 3) {
        // Asked twice as the receiver always was; only the shipped receiver version
        // says whether the receiver wants an upgrade.
        for (int selector : {kVersionOfReceiver, kVersionOfReceiverAgain}) {
            v.receiver = ReadFeatureVersion(dialect, selector);
            v.receiverUpgrade = v.receiverUpgrade || OffersUpgrade(v.receiver, shipped.receiver);
        }
    } else if (connectMode == 4) {
        // Two statements: the receiver's version goes out first.
        const CString version = ReadFeatureVersion(dialect, kVersionOfReceiver);
        v.receiver = version + L"\n" + ReadFeatureSecondText(dialect);
    }
    return v;
}
