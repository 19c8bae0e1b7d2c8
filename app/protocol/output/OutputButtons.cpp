// Buttons and macros of the output-report dialect: every write waits for the
// mouse's confirmation (WriteReportWaitAck), every read for its answer.
#include "OutputDialect.h"
#include "buttons/ButtonSequences.h"

namespace {

ButtonTransfers TransfersOf(OutputDialect& dialect) {
    ButtonTransfers t;
    t.dialect = codec::Dialect::kOutput;
    t.confirmed = [&dialect](const codec::Packet& p) { return dialect.Write(p.bytes()); };
    t.unconfirmed = t.confirmed;
    t.read = [&dialect](codec::Packet& p) { return dialect.Read(std::span<std::uint8_t>(p.data(), p.size())); };
    return t;
}

}  // namespace

bool OutputDialect::WriteButton(DeviceSession& session, int button) {
    return WriteStoredButton(TransfersOf(*this), session, button);
}

bool OutputDialect::RestoreButton(DeviceSession& session, int button) {
    return RestoreStoredButton(TransfersOf(*this), session, button);
}

bool OutputDialect::ReadButtonMap(DeviceSession& session) {
    return ReadButtonMapIntoStore(TransfersOf(*this), session);
}
