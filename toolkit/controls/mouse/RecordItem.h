#pragma once
// One step of a macro as the event list shows it. The time stamp is a group number: the
// press and the release of one key or button share it, every other step has its own.
#include "CString.h"
#include "Geometry.h"

namespace Kelvo {

// The step types of a stored macro.
enum RecordType {
    kRecordDelay = 1,
    kRecordKeyDown = 2,
    kRecordKeyUp = 3,
    kRecordButtonDown = 4,
    kRecordButtonUp = 5,
    kRecordWheelUp = 6,
    kRecordWheelDown = 7,
    kRecordFirstMove = 8,
    kRecordLastMove = 12,
};

struct RecordItem {
    CString text;
    int type = 0;
    int value = 0;  // the key or button code, the delay, or the move
    int timeStamp = 0;
    CRect rect;  // where the row was last drawn, in content coordinates
};

}  // namespace Kelvo
