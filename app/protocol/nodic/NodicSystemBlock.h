#pragma once
// The system block (object 4, read with operation 3, written with operation 4):
// lighting sleep time, report rate, button response time and scroll direction.
// Bytes 10-13 and 15-18 go back as the mouse sent them; like the sensor block, a
// write is only built on a block that was read.
#include <array>
#include <optional>

#include "NodicCommands.h"
#include "NodicData.h"
#include "Rejected.h"

namespace nodic {

inline constexpr int kMaxRateCode = 6;  // 0 = 125 Hz, 1 = 250, 2 = 500, 3 = 1000, 4 = 2000, 5 = 4000, 6 = 8000

struct SystemSettings {
    int sleepLight = 0;    // sleep-time code 1-10; any other sends 600 s
    int reportRate = 0;    // rate code 0-6; any other keeps the mouse's byte
    int responseTime = 0;  // button response time
    int scrollFlag = 1;    // 2 = reversed

    friend bool operator==(const SystemSettings&, const SystemSettings&) = default;
};

struct SystemReadBack {
    int sleepLight = 0;              // code of the seconds, 0 for seconds not in the list
    std::optional<int> reportRate;   // 0-6
    int responseTime = 0;
    std::optional<int> scrollFlag;   // 1 or 2, when the answer reaches byte 14
    codec::Rejections rejected;
};

using SystemWrite = std::array<std::uint8_t, command::kSystemWrite.length>;  // frame bytes 4-18

class SystemBlock {
public:
    // Empty unless the answer is valid with at least 6 data bytes.
    static std::optional<SystemBlock> FromAnswer(const Answer& answer);

    SystemReadBack Decode() const;
    SystemWrite Write(const SystemSettings& settings) const;

private:
    explicit SystemBlock(ReadBlock block) : m_block(block) {}
    ReadBlock m_block;
};

// Empty when no block was read: the write is then not sent at all.
std::optional<SystemWrite> BuildSystemWrite(const std::optional<SystemBlock>& cached, const SystemSettings& settings);

// Sleep-time codes 1-10 and their seconds (10, 30, 60, 300, 600, 1200, 1500,
// 1800, 2100, 2400). Any other code is sent as 600 s; any other number of seconds
// reads back as code 0.
int SleepSecondsOfCode(int code);
int SleepCodeOfSeconds(int seconds);

}  // namespace nodic
