#pragma once
// Carries one command of the selected model's dialect over the right exchange of
// the HID manager, and recognises its answer. An answer that is not the answer to
// this command (another report id or command code) fails the read and leaves the
// caller's packet as it was, so nothing is stored from it.
#include <cstdint>

#include "HidDeviceManager.h"
#include "ProtocolFamily.h"

class CommandTransport {
public:
    CommandTransport(HidDeviceManager& manager, int deviceType);

    ProtocolFamily Family() const { return m_family; }
    // Mode of the interface commands go to; -1 when none can be chosen.
    int ActiveMode();

    // Feature dialect: feature report without read-back or confirmation.
    // Output dialect: every write is confirmed.
    bool Fire(std::uint8_t* packet, int length);
    // A write the mouse confirms when it sits behind a receiver.
    bool WriteConfirmed(std::uint8_t* packet, int length);
    // Sensor settings over a receiver: the confirmed write is repeated up to 10 times, 100 ms apart.
    bool WriteConfirmedRepeated(std::uint8_t* packet, int length);
    // A read; the answer replaces the packet.
    bool Read(std::uint8_t* packet, int length);
    // Feature dialect reads that use the read-back in every mode (device state, performance).
    bool ReadBack(std::uint8_t* packet, int length);
    // Feature dialect, before any read over a receiver: 0x51 0x0C 0x02 until 0x54 0xE3.
    bool ReceiverHandshake();
    // Second family: one frame out, its answer back in `frame`; false for an invalid answer.
    bool Exchange(std::uint8_t* frame);

private:
    bool IsReceiver(int mode) const { return mode == 1 || mode == 3 || mode == 4; }
    bool AcceptAnswer(std::uint8_t* packet, const std::uint8_t* answer, int length, std::uint8_t answerId);

    HidDeviceManager& m_manager;
    ProtocolFamily m_family;
};
