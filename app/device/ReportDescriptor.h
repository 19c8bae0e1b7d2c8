#pragma once
// Reads just enough of a HID report descriptor to tell whether the collection
// declares any feature report.
#include <cstddef>

// 1 when a Feature main item is present, 0 when none is, -1 when the descriptor is
// malformed (an item runs past the end).
int DescriptorHasFeatureReports(const unsigned char* descriptor, std::size_t size);
