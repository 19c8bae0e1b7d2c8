#pragma once
// The button and macro sequences of the first chip family, shared by its two
// dialects: writing one stored button (a function, or a macro with its name),
// restoring one, and reading the button map back into the store. A dialect lends
// them its transfers and says which framing it speaks.
#include <functional>

#include "DeviceSession.h"
#include "Packet.h"

struct ButtonTransfers {
    codec::Dialect dialect = codec::Dialect::kFeature;
    // A write the mouse confirms (where its dialect confirms writes at all).
    std::function<bool(const codec::Packet&)> confirmed;
    // A write that is never confirmed: the feature dialect's restore packet and
    // non-final macro chunks. The output dialect confirms every write.
    std::function<bool(const codec::Packet&)> unconfirmed;
    // A read; the answer replaces the packet.
    std::function<bool(codec::Packet&)> read;
    // A wait before each upload step of a macro: its body, then its name.
    int macroStepWaitMs = 0;
};

// The stored assignment of `button` in the session's current profile (layer 0),
// sent to the mouse: a macro as its body and then its name, any other function
// as its button code. Nothing stored: nothing sent, true. A macro that no longer
// exists, or a function type without a code: nothing sent, traced, false.
// Every failed transfer is traced and the sequence goes on; false if any failed.
bool WriteStoredButton(const ButtonTransfers& transfers, DeviceSession& session, int button);

// The restore packet: the button takes its factory function again.
bool RestoreStoredButton(const ButtonTransfers& transfers, DeviceSession& session, int button);

// Reads the map of the mouse's current buttons and stores each one the store can
// hold as a key assignment of the session's current profile: a macro by the
// stored macro of the name the mouse gives, any other function decoded from its
// code. Factory buttons and codes outside the table leave the store as it was.
// A failed read stops the sequence (traced, false); what was stored stays.
bool ReadButtonMapIntoStore(const ButtonTransfers& transfers, DeviceSession& session);
