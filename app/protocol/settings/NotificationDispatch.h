#pragma once
// What the first family does with a notification the mouse sent on its own: the
// store takes the changes made on the mouse, the listener hears about connection,
// battery and pages, and a change of connection or a reset on the mouse makes the
// dialect read the state and performance again. Both dialects share it; only the
// report id and the re-read differ.
#include <functional>

#include "DeviceSession.h"
#include "Packet.h"

class HidDeviceManager;

namespace settings {

// Reads the device state and performance block again; `handshake` is true after a
// change of connection (the feature dialect's receiver checks its link first).
// False when the read failed.
using Reread = std::function<bool(bool handshake)>;

// Handles one report. False only when a re-read it started failed: the caller
// should then reconnect. A report that is no notification of this dialect, or
// makes no sense, changes nothing and returns true.
bool DispatchNotification(DeviceSession& session, HidDeviceManager& manager, codec::Dialect dialect,
                          codec::Bytes report, const Reread& reread);

}  // namespace settings
