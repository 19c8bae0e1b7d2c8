#pragma once
// How a simulated device appears on the bus: its HID collections with the usage
// pages, report ids, report sizes and paths a real one of its kind would have.
#include "SimWorld.h"

namespace sim {

void BuildInterfaces(Device& device);
// The report descriptor of one collection, as hid_get_report_descriptor returns it.
Bytes ReportDescriptor(const Interface& iface);

}  // namespace sim
