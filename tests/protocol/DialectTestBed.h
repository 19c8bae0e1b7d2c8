#pragma once
// The device test bed plus what the dialect tests share: the exchanges a transfer
// made, as the virtual mouse logged them.
#include <string>
#include <vector>

#include "HidTestBed.h"

namespace testbed {

struct Exchange {
    sim::Direction direction;
    std::vector<std::uint8_t> prefix;  // the first bytes that matter
};

inline std::string Describe(const std::vector<sim::LogRecord>& log) {
    static const char* kNames[] = {"OUT", "IN", "FSET", "FGET"};
    std::string out;
    for (const sim::LogRecord& r : log) {
        out += kNames[static_cast<int>(r.direction)];
        for (std::size_t i = 0; i < r.bytes.size() && i < 3; ++i) {
            char byte[4];
            std::snprintf(byte, sizeof byte, " %02X", r.bytes[i]);
            out += byte;
        }
        out += "; ";
    }
    return out;
}

// The log holds exactly these exchanges, in this order.
inline ::testing::AssertionResult Exchanged(const std::vector<Exchange>& expected) {
    std::vector<sim::LogRecord> log = sim::Log();
    bool same = log.size() == expected.size();
    for (std::size_t i = 0; same && i < log.size(); ++i) {
        const Exchange& e = expected[i];
        same = log[i].direction == e.direction && log[i].bytes.size() >= e.prefix.size() &&
               std::equal(e.prefix.begin(), e.prefix.end(), log[i].bytes.begin());
    }
    if (same) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "exchanged: " << Describe(log);
}

}  // namespace testbed
