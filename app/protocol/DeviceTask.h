#pragma once
// One entry of the device task queue: the task's number and what it concerns,
// captured when it is queued, so a task that waits while the user moves on
// still works on the profile, button, mask, mode or model it was asked for.
// The values themselves are read from the store when the task runs.
#include "CString.h"

enum DeviceTaskNumber {
    kTaskFirstRead = 1,
    kTaskReconnectArrival = 2,
    kTaskReconnectRemoval = 3,
    kTaskModelChange = 4,
    kTaskApplyProfile = 5,
    kTaskWriteButton = 6,
    kTaskRestoreButton = 7,
    kTaskLighting = 8,
    kTaskDpi = 9,
    kTaskReportRate = 10,
    kTaskSensor = 11,
    kTaskSleepTime = 12,
    kTaskResponseTime = 13,
    kTaskResetParts = 15,
    kTaskFactoryReset = 16,
    kTaskApplyEverything = 17,
    kTaskVersionCheck = 18,
};

struct DeviceTask {
    int number = 0;
    int profile = 0;     // 1..5; 0: whatever is current when it runs
    int button = -1;     // tasks 6 and 7
    int resetMask = 0;   // task 15
    int lightMode = -1;  // task 8; -1: the profile's active mode
    int deviceType = 0;  // task 4: the model to change to
    unsigned generation = 0;  // tasks 4 and 16: told back when they end, so the window knows which read ended
    // Tasks 2 and 3 queued for a device notification: the interface it named.
    // Whether that is the current model's is decided when the task runs; empty
    // (a failed re-read) reconnects unasked.
    CString devicePath{};

    bool operator==(const DeviceTask&) const = default;
};
