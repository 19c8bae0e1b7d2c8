#pragma once
// The output-report dialect of the first chip family (usage page 0xFFC1): every
// command travels as a 65-byte output report 0xB5 / 0xB3 (the packet's first 64
// bytes, then zeros); the mouse answers and confirms with 64-byte input reports
// whose report id is 0xB4 or 0xB6. A 0xB6 report with a code 0xE0..0xE6 in byte 1
// is a notification, never an answer: it is handed on to the poll (0xE4 is the
// acknowledgement of a write).
#include <cstdint>
#include <span>

#include "DeviceDialect.h"
#include "settings/SettingsSequences.h"

class OutputDialect final : public DeviceDialect {
public:
    explicit OutputDialect(HidDeviceManager& manager) : m_manager(manager) {}

    ProtocolFamily Family() const override { return ProtocolFamily::kOutputReport; }
    bool ReadStatus(DeviceStatus& status) override;

    // Buttons and macros (OutputButtons.cpp), through the sequences both dialects of
    // the family share (buttons/ButtonSequences.h), every write confirmed.
    bool WriteButton(DeviceSession& session, int button) override;
    bool RestoreButton(DeviceSession& session, int button) override;
    // The button map, as part of a model's first read.
    bool ReadButtonMap(DeviceSession& session);

    // Performance, lighting, status and notifications (OutputSettings.cpp).
    bool ReadEverything(DeviceSession& session) override;
    bool ApplyProfile(DeviceSession& session) override;
    bool WriteLighting(DeviceSession& session) override;
    bool WriteDpi(DeviceSession& session) override;
    bool WriteReportRate(DeviceSession& session) override;
    bool WriteSensor(DeviceSession& session) override;
    bool WriteSleepTime(DeviceSession& session) override;
    bool WriteResponseTime(DeviceSession& session) override;
    bool ResetParts(DeviceSession& session, int mask) override;
    bool FactoryReset(DeviceSession& session) override;
    bool ApplyEverything(DeviceSession& session) override;
    bool PollNotifications(DeviceSession& session) override;
    // The performance block with the current profile and battery (0xB3 0x06).
    bool ReadStateAndPerformance(DeviceSession& session);

private:
    // The transfers this dialect lends the shared settings commands.
    settings::SettingsTransfers SettingsTransfersOf();
    settings::PollPacing m_pollPacing;

public:

    // Every write (WriteReportWaitAck): over a receiver the wait for its confirmation;
    // on the cable the mouse is not waited for.
    bool Write(std::span<const std::uint8_t> packet);
    // Every read (WriteReportReadReply): the answer's first bytes (up to the packet's
    // size) replace the packet.
    bool Read(std::span<std::uint8_t> packet);

private:
    HidDeviceManager& m_manager;
};
