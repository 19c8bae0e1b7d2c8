#pragma once
// The second chip family (usage page 0xFF0A): numbered objects read and written
// whole in 64-byte frames (NodicFrame.h builds them). Every frame's answer comes
// back apart from its request, with whether it arrived; validity and acceptance are
// asked of the answer, so a request can never pass for its own answer.
#include <cstdint>
#include <optional>

#include "DeviceDialect.h"
#include "LightRecord.h"
#include "NodicButtonTable.h"
#include "NodicExchange.h"
#include "NodicMouseState.h"
#include "NodicSensorBlock.h"
#include "NodicSystemBlock.h"
#include "settings/SettingsSequences.h"

class NodicDialect final : public DeviceDialect {
public:
    explicit NodicDialect(HidDeviceManager& manager) : m_manager(manager) {}

    ProtocolFamily Family() const override { return ProtocolFamily::kSecondFamily; }
    bool ReadStatus(DeviceStatus& status) override;

    // The device tasks of this family (NodicTasks.cpp, NodicButtons.cpp).
    bool ReadEverything(DeviceSession& session) override;
    bool ApplyProfile(DeviceSession& session) override;
    bool WriteButton(DeviceSession& session, int button) override;
    bool RestoreButton(DeviceSession& session, int button) override;
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

    // Decoded button functions are stored with the names the key page shows,
    // looked up in the interface texts; without texts they are stored unnamed.
    void SetTexts(codec::TextLookup texts) { m_texts = std::move(texts); }
    // Where the last macro table upload put each macro.
    const nodic::SlotMap& MacroSlots() const { return m_slots; }

private:
    bool ReadMouse(DeviceSession& session);
    void ReadButtonTable(DeviceSession& session);
    void ReadSensorBlock(DeviceSession& session);
    void ReadSystemBlock(DeviceSession& session);
    std::optional<nodic::SystemBlock> FetchSystemBlock();
    void KeepBlocksOfCurrentProfile(DeviceSession& session);
    void TakeStatus(DeviceSession& session, const nodic::MouseState& state);
    bool WriteSensorBlock(DeviceSession& session);
    bool WriteSystemBlock(DeviceSession& session);
    bool SystemSettingsChanged(DeviceSession& session);
    bool SelectProfile(DeviceSession& session);
    bool RestoreAllButtons(DeviceSession& session);
    bool SendLighting(DeviceSession& session);
    bool SendLightRecord(const LightRecord& record, int mode);
    bool ResetLighting(DeviceSession& session);
    bool UploadMacroTable(DeviceSession& session);
    bool WriteButtonTable(DeviceSession& session);
    bool QueryState(DeviceSession& session);
    bool Tail(DeviceSession& session, bool ok);
    bool Poll(DeviceSession& session, bool force);
    void HandleReceiver(DeviceSession& session, bool connected);
    void HandleState(DeviceSession& session, const nodic::MouseState& state);

    // Copies of the blocks last read, written back with the store's values laid
    // over them; empty until a valid read (and after what makes them stale).
    // The mouse keeps them per profile: they belong to m_blocksProfile.
    std::optional<nodic::ButtonTable> m_buttonTable;
    std::optional<nodic::SensorBlock> m_sensorBlock;
    std::optional<nodic::SystemBlock> m_systemBlock;
    // The sleep time and scroll direction the mouse holds as far as we know.
    std::optional<nodic::SystemSettings> m_systemSent;
    int m_blocksProfile = 0;
    nodic::SlotMap m_slots;
    codec::TextLookup m_texts;
    // What the mouse last reported; -1: nothing yet.
    int m_dpiLevel = -1;
    int m_rateCode = -1;
    int m_lightMode = -1;
    int m_lightSpeed = 0;
    int m_lightBrightness = 0;
    settings::PollPacing m_pollPacing;

public:

    // Whether frames for the mouse carry the route bit: it sits behind a receiver
    // (connection mode 1 or 3).
    bool Routed();

    // One frame and its answer (NodicExchange), nothing retried.
    NodicReply Exchange(const NodicFrameBytes& request);
    // A read: an answer that is missing or not valid with at least `minData` data
    // bytes is asked for once more, 100 ms later.
    NodicReply Read(const NodicFrameBytes& request, int minData);
    // A write whose answer does not carry `expected` in byte 2 is sent once more,
    // after `resendAfterMs` (0: at once).
    NodicReply Write(const NodicFrameBytes& request, std::uint8_t expected, int resendAfterMs);

private:
    HidDeviceManager& m_manager;
};
