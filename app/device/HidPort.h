#pragma once
// Raw report traffic on one open interface, at the sizes on the wire. Reports are
// read into buffers of the longest report and copied out to at most the caller's
// length, so a caller's short buffer is never read or written past its end.
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

#include <hidapi.h>

// The longest report any dialect moves: a report id and 64 bytes.
constexpr std::size_t kMaxReportSize = 65;
using Report = std::array<std::uint8_t, kMaxReportSize>;

class HidPort {
public:
    explicit HidPort(hid_device* handle = nullptr) : m_handle(handle) {}

    bool Usable() const { return m_handle != nullptr; }

    // A feature report, report id first, sent as given (the HID stack pads it to the report's size).
    bool SendFeature(std::span<const std::uint8_t> report);
    // Reads the feature report `id` into `into` (zeroed first, report id in byte 0);
    // the count the device gave, -1 when it gave none.
    int GetFeature(std::uint8_t id, std::span<std::uint8_t> into);
    // One output report of kMaxReportSize bytes: `report`, then zeros.
    bool WriteOutput(std::span<const std::uint8_t> report);
    // One input report into `into` (zeroed first); the count read, 0 on time-out, -1 on error.
    int Read(Report& into, int timeoutMs);
    // Reads what is pending before a request, so that only what the device says after
    // the request is taken for its answer: the first read waits `firstTimeoutMs`, then
    // reads with no wait until nothing is left. Each report read goes to `seen`.
    void Drain(int firstTimeoutMs, const std::function<void(const Report&, int)>& seen = {});

private:
    hid_device* m_handle;
};

// Copies at most min(report count, into.size()) bytes; the rest of `into` is left as it is.
void CopyOut(const Report& report, int count, std::span<std::uint8_t> into);
