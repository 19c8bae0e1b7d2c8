// Buttons and macros of the feature-report dialect: confirmed writes (over a
// receiver SendFeatureWaitAck), the restore packet and all but the last macro
// chunk fired unconfirmed, reads after one receiver handshake for the whole map.
#include "FeatureDialect.h"

#include "DebugTrace.h"
#include "buttons/ButtonSequences.h"

namespace {

ButtonTransfers TransfersOf(FeatureDialect& dialect) {
    ButtonTransfers t;
    t.dialect = codec::Dialect::kFeature;
    t.confirmed = [&dialect](const codec::Packet& p) { return dialect.WriteConfirmed(p.bytes()); };
    t.unconfirmed = [&dialect](const codec::Packet& p) { return dialect.Fire(p.bytes()); };
    t.read = [&dialect](codec::Packet& p) { return dialect.Read(std::span<std::uint8_t>(p.data(), p.size())); };
    return t;
}

}  // namespace

bool FeatureDialect::WriteButton(DeviceSession& session, int button) {
    return WriteStoredButton(TransfersOf(*this), session, button);
}

bool FeatureDialect::WriteButtonAfterProfile(DeviceSession& session, int button, int macroStepWaitMs) {
    ButtonTransfers transfers = TransfersOf(*this);
    transfers.macroStepWaitMs = macroStepWaitMs;
    return WriteStoredButton(transfers, session, button);
}

bool FeatureDialect::RestoreButton(DeviceSession& session, int button) {
    return RestoreStoredButton(TransfersOf(*this), session, button);
}

bool FeatureDialect::ReadButtonMap(DeviceSession& session) {
    ReadSequence sequence(*this);
    if (!sequence.Ready()) {
        DebugTrace("0x52 0x61: the receiver handshake failed; the button map is not read");
        return false;
    }
    return ReadButtonMapIntoStore(TransfersOf(*this), session);
}
