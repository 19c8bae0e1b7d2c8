#include "NodicSystemBlock.h"

#include <iterator>
#include <tuple>

#include "Packet.h"

namespace nodic {
namespace {

constexpr int kSleepSeconds[] = {10, 30, 60, 300, 600, 1200, 1500, 1800, 2100, 2400};  // codes 1-10
constexpr int kDefaultSleepSeconds = 600;
constexpr std::size_t kScrollByte = 14;

}  // namespace

int SleepSecondsOfCode(int code) {
    if (code < 1 || code > static_cast<int>(std::size(kSleepSeconds))) return kDefaultSleepSeconds;
    return kSleepSeconds[code - 1];
}

int SleepCodeOfSeconds(int seconds) {
    for (std::size_t i = 0; i < std::size(kSleepSeconds); ++i) {
        if (kSleepSeconds[i] == seconds) return static_cast<int>(i) + 1;
    }
    return 0;
}

std::optional<SystemBlock> SystemBlock::FromAnswer(const Answer& answer) {
    std::optional<ReadBlock> block = ReadBlock::FromAnswer(answer, command::kSystemBlock.minAnswer);
    if (!block) return std::nullopt;
    return SystemBlock(*block);
}

SystemReadBack SystemBlock::Decode() const {
    const Answer a = m_block.AsAnswer();
    SystemReadBack r;
    r.sleepLight = SleepCodeOfSeconds(Le16(a, 4));
    int rate = a.Byte(8);
    if (rate <= kMaxRateCode) {
        r.reportRate = rate;
    } else {
        r.rejected.push_back({"report_rate", rate});
    }
    r.responseTime = a.Byte(9);
    // A short answer does not reach the scroll byte; reading the padding would
    // turn a reversed wheel back without the mouse having said so.
    if (a.length > static_cast<int>(At(kScrollByte))) r.scrollFlag = a.Byte(kScrollByte) ? 2 : 1;
    return r;
}

SystemWrite SystemBlock::Write(const SystemSettings& s) const {
    SystemWrite out = m_block.Copy<std::tuple_size_v<SystemWrite>>(4);
    int seconds = SleepSecondsOfCode(s.sleepLight);
    PutLe16(out, 4, seconds);
    PutLe16(out, 6, seconds);
    if (s.reportRate >= 0 && s.reportRate <= kMaxRateCode) out[At(8)] = static_cast<std::uint8_t>(s.reportRate);
    out[At(9)] = codec::ClampByte(s.responseTime);
    out[At(kScrollByte)] = s.scrollFlag == 2 ? 1 : 0;
    return out;
}

std::optional<SystemWrite> BuildSystemWrite(const std::optional<SystemBlock>& cached, const SystemSettings& settings) {
    if (!cached) return std::nullopt;
    return cached->Write(settings);
}

}  // namespace nodic
