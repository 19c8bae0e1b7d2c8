#pragma once
// The feature-report dialect of the first chip family (usage page 0x008C): commands
// go out as feature reports 0x51 / 0x52; over a receiver the mouse confirms with
// input reports 0x54 0xE4 (0x00 written, 0x01 answer ready) and answers reads as
// the feature report of the request's report id.
//
// A command uses the primitive its row of the command table names; each knows the
// cable's and the receiver's rules. Packets are 21, 64 or 65 bytes, report id
// first; a read's answer replaces its packet only when the read succeeded.
#include <cstdint>
#include <span>

#include "DeviceDialect.h"
#include "settings/SettingsSequences.h"

class HidLink;

class FeatureDialect final : public DeviceDialect {
public:
    explicit FeatureDialect(HidDeviceManager& manager) : m_manager(manager) {}

    ProtocolFamily Family() const override { return ProtocolFamily::kFeatureReport; }
    bool ReadStatus(DeviceStatus& status) override;

    // Buttons and macros (FeatureButtons.cpp).
    // Task 6: the stored assignment of `button` in the current profile goes to the
    // mouse, a macro as its body (chunked where long) and then its name. Also the
    // way to write a button that has no slot in the whole-profile packet. Nothing
    // stored: nothing sent. A macro that no longer exists is not written (traced).
    bool WriteButton(DeviceSession& session, int button) override;
    // As WriteButton, for a button that follows the whole-profile packet: each
    // upload step of a macro (its body, its name) waits `macroStepWaitMs` first.
    bool WriteButtonAfterProfile(DeviceSession& session, int button, int macroStepWaitMs);
    // Task 7: the button takes its factory function again.
    bool RestoreButton(DeviceSession& session, int button) override;
    // Part of a model's first read: the mouse's button map into the store's key
    // assignments of the current profile (macros by name). A failed read stops it.
    bool ReadButtonMap(DeviceSession& session);

    // Performance, lighting, status and notifications (FeatureSettings.cpp).
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
    // The six lighting reads of a model's first read; they stop at the first failure.
    bool ReadLighting(DeviceSession& session);
    // The device state, the performance block and, the first time for the model,
    // its buttons and lighting. False when the mouse could not be read.
    bool ReadStateAndPerformance(DeviceSession& session);

private:
    // The transfers this dialect lends the shared settings commands.
    settings::SettingsTransfers SettingsTransfersOf();
    settings::PollPacing m_pollPacing;

public:

    // "fire": a feature report without read-back or confirmation.
    bool Fire(std::span<const std::uint8_t> packet);
    // "write with confirmation": cable as fire; receiver SendFeatureWaitAck.
    bool WriteConfirmed(std::span<const std::uint8_t> packet);
    // The sensor settings: over a receiver the confirmed write is repeated up to 10
    // times, 100 ms apart, until accepted.
    bool WriteConfirmedRepeated(std::span<const std::uint8_t> packet);
    // "read": cable read-back; receiver SendFeatureAckThenGet, after the handshake.
    bool Read(std::span<std::uint8_t> packet);
    // "read (read-back in every mode)": after the handshake over a receiver.
    bool ReadBack(std::span<std::uint8_t> packet);

    // Every read over a receiver follows the receiver handshake, and fails without
    // a transfer when the handshake fails. A read outside a sequence runs its own;
    // a sequence runs one handshake for all the reads made while it lives.
    class ReadSequence {
    public:
        explicit ReadSequence(FeatureDialect& dialect);
        ~ReadSequence();
        ReadSequence(const ReadSequence&) = delete;
        ReadSequence& operator=(const ReadSequence&) = delete;
        // False when the handshake failed: the sequence should stop.
        bool Ready() const { return m_dialect.m_sequenceReady; }

    private:
        FeatureDialect& m_dialect;
    };

    // The receiver handshake: 0x51 0x0C 0x02 until 0x54 0xE3 (success) or 0x54 0xE4
    // with byte 2 above 1 (failure); 10 rounds without either fail too.
    bool ReceiverHandshake();

    // The transfers themselves, with their waits and retries.
    bool SendFeature(std::span<std::uint8_t> packet, bool readBack);
    bool SendFeatureWaitAck(std::span<const std::uint8_t> packet);
    bool SendFeatureAckThenGet(std::span<std::uint8_t> packet);

private:
    bool SendOn(HidLink& link, std::span<const std::uint8_t> packet);
    bool GetInto(HidLink& link, std::span<std::uint8_t> packet);
    bool ReadBackOn(HidLink& link, std::span<std::uint8_t> packet);
    bool WaitAckOn(HidLink& link, std::span<const std::uint8_t> packet);
    bool AckThenGetOn(HidLink& link, std::span<std::uint8_t> packet);
    bool HandshakeOn(HidLink& link);
    // True on the cable; over a receiver, the handshake of the running sequence or a new one.
    bool MayRead();

    HidDeviceManager& m_manager;
    int m_sequences = 0;
    bool m_sequenceReady = false;
};
