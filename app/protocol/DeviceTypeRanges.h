#pragma once
// Which dialect a device_type speaks. The transfers and the worker use exclusive
// ranges; the pages and the recorder use closed ones, so 300 and 400 sit on
// different sides of the two tests. Both are kept as they are because stored
// databases and shipped catalogues were made with them; the catalogue avoids
// the boundary values. Keep every such test in this one header.

// On the wire: the worker and the transfers.
constexpr bool IsSecondFamilyOnWire(int deviceType) { return deviceType > 200 && deviceType < 300; }
constexpr bool IsOutputDialectOnWire(int deviceType) { return deviceType > 300 && deviceType < 400; }

// On screen: the pages and the macro recorder.
constexpr bool IsSecondFamilyOnPages(int deviceType) { return deviceType >= 201 && deviceType <= 300; }
constexpr bool IsOutputDialectOnPages(int deviceType) { return deviceType >= 301 && deviceType <= 400; }

// The values on which the two tests disagree (the catalogue loader warns about them).
constexpr bool IsDialectBoundary(int deviceType) { return deviceType == 200 || deviceType == 300 || deviceType == 400; }
