#include "NodicExchange.h"

#include <cstring>

#include "Clock.h"

NodicReply ExchangeNodicFrame(HidPort& port, const NodicFrameBytes& request) {
    NodicReply reply;
    if (!port.Usable()) return reply;
    port.Drain(100);  // a stale frame would be taken for the answer
    Report wire{};  // report id 0, then the payload
    std::memcpy(wire.data() + 1, request.data(), kNodicFrameSize);
    wire[kNodicFrameSize] = NodicChecksum(wire.data() + 1);
    if (!port.WriteOutput(wire)) return reply;
    Clock::Get().SleepMs(16);
    Report in;
    int n = port.Read(in, 200);
    if (n == 0) {
        Clock::Get().SleepMs(200);
        n = port.Read(in, 100);
    }
    // hidapi drops the report id 0 of an unnumbered collection: the frame comes alone.
    if (n != static_cast<int>(kNodicFrameSize)) return reply;
    reply.arrived = true;
    std::memcpy(reply.frame.data(), in.data(), kNodicFrameSize);
    return reply;
}
