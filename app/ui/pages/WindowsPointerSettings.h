#pragma once
// The pointer settings Windows keeps for every mouse and every program, read and written
// the way Windows documents each SystemParametersInfo action. Writes go to the session
// and to the user's profile and are announced to other programs; a failed read leaves
// the value it was given.
#include <windows.h>

namespace pointer {

constexpr int kMinSpeed = 1;
constexpr int kMaxSpeed = 20;
constexpr int kMinWheelLines = 1;
constexpr int kMaxWheelLines = 20;
// Windows' "one screen per notch" instead of a number of lines.
constexpr UINT kWheelOneScreen = WHEEL_PAGESCROLL;
// The lines a switch away from one-screen scrolling starts with.
constexpr int kDefaultWheelLines = 3;
constexpr int kDoubleClickPositions = 11;  // slider positions 0 … 10

int ReadSpeed(int fallback);
void WriteSpeed(int speed);
bool ReadPrecision(bool fallback);
void WritePrecision(bool enhanced);
UINT ReadWheelLines(UINT fallback);
void WriteWheelLines(UINT lines);
UINT ReadDoubleClickTime();
void WriteDoubleClickTime(UINT milliseconds);

// 900 ms at position 0 down to 200 ms at position 10.
UINT DoubleClickTimeAt(int position);
// The position of a time in that table; 0 for a time it does not hold.
int DoubleClickPositionOf(UINT milliseconds);

}  // namespace pointer
