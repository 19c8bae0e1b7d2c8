#pragma once
// The mouse's and receiver's side of each dialect: what they do with a report the
// host sends, and what they answer. Each family has its own file; every answer
// goes out through Reply, which applies an armed fault.
#include "SimWorld.h"

namespace sim {

enum class ReplyPath { kInput, kFeature };

// Sends an answer (report id first) on the interface, honouring the device's next
// armed fault. `notification` is what the mouse would say unprompted in front of it.
void Reply(World& world, Interface& iface, ReplyPath path, Bytes answer, const Bytes& notification);
// The same with a fault the caller took already (null: none).
void ReplyAs(World& world, Interface& iface, ReplyPath path, Bytes answer, const Bytes& notification,
             const Fault* fault);
// The state notification of a mouse (0xE2), with the family's report id.
Bytes StateNotification(World& world, const Device& device, std::uint8_t reportId);
// What the device sends unasked when its mouse's state changes, in its family's form.
Bytes UnsolicitedReport(World& world, const Device& device);
bool MouseReachable(const Device& device);

void FeatureSet(World& world, Interface& iface, const Bytes& report);
void OutputWrite(World& world, Interface& iface, const Bytes& report);
void NodicWrite(World& world, Interface& iface, const Bytes& report);

std::uint8_t NodicChecksum(const std::uint8_t* payload);

}  // namespace sim
