#include "NodicSensorBlock.h"

#include <tuple>

#include "Packet.h"

namespace nodic {
namespace {

constexpr std::size_t kFirstDpiByte = 15;  // X then Y of each level, 4 bytes a level
constexpr int kMinLength = command::kSensorBlock.minAnswer;

std::size_t DpiXByte(int level) { return kFirstDpiByte + 4 * static_cast<std::size_t>(level); }

std::uint8_t Switch(int flag, int bit) { return (flag & bit) != 0 ? 1 : 0; }

}  // namespace

int DpiMaskOfCount(int count) { return count >= 1 && count <= kDpiLevels ? (1 << count) - 1 : 0; }

int DpiCountOfMask(int mask) {
    for (int n = kDpiLevels; n >= 1; --n) {
        if ((mask & (1 << (n - 1))) != 0) return n;
    }
    return 0;
}

std::optional<SensorBlock> SensorBlock::FromAnswer(const Answer& answer) {
    std::optional<ReadBlock> block = ReadBlock::FromAnswer(answer, kMinLength);
    if (!block) return std::nullopt;
    return SensorBlock(*block);
}

SensorReadBack SensorBlock::Decode() const {
    const Answer a = m_block.AsAnswer();
    SensorReadBack r;
    r.sensorFlag = (a.Byte(4) ? kSensorBit3 : 0) + (a.Byte(5) ? kSensorBit2 : 0) + (a.Byte(6) ? kSensorBit4 : 0);
    r.esportsFlag = a.Byte(7) ? 2 : 1;
    r.liftoffHeight = a.Byte(11);

    int angle = codec::FromSignedByte(a.Byte(12));
    if (angle >= -kMaxAngle && angle <= kMaxAngle) {
        r.angle = angle;
    } else {
        r.rejected.push_back({"angle_tunability", angle});
    }

    int count = DpiCountOfMask(a.Byte(14));
    if (count > 0) {
        r.dpiCount = count;
    } else {
        r.rejected.push_back({"dpi_count", a.Byte(14)});
    }

    int index = a.Byte(13);
    if (index <= kMaxDpiIndex && (count == 0 || index < count)) {
        r.dpiIndex = index;
    } else {
        r.rejected.push_back({"dpi_index", index});
    }

    int levels = (a.length - kMinLength) / 4;
    if (levels > kDpiLevels) levels = kDpiLevels;
    for (int i = 0; i < levels; ++i) {
        auto keep = [&](std::optional<int>& target, std::size_t byte, std::string_view field) {
            int value = Le16(a, byte);
            if (value > 0) {
                target = value;
            } else {
                r.rejected.push_back({field, value});
            }
        };
        std::size_t at = DpiXByte(i);
        keep(r.dpiX[static_cast<std::size_t>(i)], at, "dpi_x_value");
        keep(r.dpiY[static_cast<std::size_t>(i)], at + 2, "dpi_y_value");
    }
    return r;
}

SensorWrite SensorBlock::Write(const SensorSettings& s) const {
    SensorWrite out = m_block.Copy<std::tuple_size_v<SensorWrite>>(4);
    out[At(4)] = Switch(s.sensorFlag, kSensorBit3);
    out[At(5)] = Switch(s.sensorFlag, kSensorBit2);
    out[At(6)] = Switch(s.sensorFlag, kSensorBit4);
    out[At(7)] = s.esportsFlag == 2 ? 1 : 0;
    out[At(11)] = codec::ClampByte(s.liftoffHeight);
    out[At(12)] = codec::SignedByte(codec::Clamp(s.angle, -kMaxAngle, kMaxAngle));
    out[At(13)] = static_cast<std::uint8_t>(codec::Clamp(s.dpiIndex, 0, kMaxDpiIndex));
    if (int mask = DpiMaskOfCount(s.dpiCount)) out[At(14)] = static_cast<std::uint8_t>(mask);
    for (int i = 0; i < kDpiLevels; ++i) {
        PutLe16(out, DpiXByte(i), s.dpiX[static_cast<std::size_t>(i)]);
        PutLe16(out, DpiXByte(i) + 2, s.dpiY[static_cast<std::size_t>(i)]);
    }
    return out;
}

std::optional<SensorWrite> BuildSensorWrite(const std::optional<SensorBlock>& cached, const SensorSettings& settings) {
    if (!cached) return std::nullopt;
    return cached->Write(settings);
}

}  // namespace nodic
