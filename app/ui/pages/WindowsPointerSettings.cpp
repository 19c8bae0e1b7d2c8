#include "WindowsPointerSettings.h"

#include <algorithm>

namespace pointer {

namespace {

constexpr UINT kWriteEverywhere = SPIF_UPDATEINIFILE | SPIF_SENDCHANGE;
constexpr UINT kSlowestDoubleClickMs = 900;
constexpr UINT kDoubleClickStepMs = 70;

}  // namespace

int ReadSpeed(int fallback) {
    int speed = fallback;
    if (!SystemParametersInfoW(SPI_GETMOUSESPEED, 0, &speed, 0)) return fallback;
    return speed;
}

void WriteSpeed(int speed) {
    // This action takes the value itself in the pointer parameter.
    const int clamped = std::clamp(speed, kMinSpeed, kMaxSpeed);
    SystemParametersInfoW(SPI_SETMOUSESPEED, 0, reinterpret_cast<void*>(static_cast<INT_PTR>(clamped)), kWriteEverywhere);
}

bool ReadPrecision(bool fallback) {
    int mouse[3] = {};
    if (!SystemParametersInfoW(SPI_GETMOUSE, 0, mouse, 0)) return fallback;
    return mouse[2] == 1;
}

void WritePrecision(bool enhanced) {
    // The two thresholds travel with the acceleration and stay as they are.
    int mouse[3] = {};
    if (!SystemParametersInfoW(SPI_GETMOUSE, 0, mouse, 0)) return;
    mouse[2] = enhanced ? 1 : 0;
    SystemParametersInfoW(SPI_SETMOUSE, 0, mouse, kWriteEverywhere);
}

UINT ReadWheelLines(UINT fallback) {
    UINT lines = fallback;
    if (!SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0)) return fallback;
    return lines;
}

void WriteWheelLines(UINT lines) { SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, lines, nullptr, kWriteEverywhere); }

UINT ReadDoubleClickTime() { return GetDoubleClickTime(); }

void WriteDoubleClickTime(UINT milliseconds) {
    SetDoubleClickTime(milliseconds);
    SystemParametersInfoW(SPI_SETDOUBLECLICKTIME, milliseconds, nullptr, kWriteEverywhere);
}

UINT DoubleClickTimeAt(int position) {
    const int clamped = std::clamp(position, 0, kDoubleClickPositions - 1);
    return kSlowestDoubleClickMs - kDoubleClickStepMs * static_cast<UINT>(clamped);
}

int DoubleClickPositionOf(UINT milliseconds) {
    for (int position = 0; position < kDoubleClickPositions; ++position) {
        if (DoubleClickTimeAt(position) == milliseconds) return position;
    }
    return 0;
}

}  // namespace pointer
