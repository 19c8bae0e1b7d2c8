#pragma once
// The device task queue: the UI thread appends, the worker takes from the
// front, each under the queue's lock for that moment only.
//
// Reconnects and model changes do not pile up: a reconnect for the same
// notified interface (or for none) that already waits is not queued again; one
// plug that shows several collections queues one per collection, and once the
// first of them has reconnected the others find their interface open and do
// nothing. A model change drops the device tasks still waiting
// for the old model (and an earlier model change that has not run yet).
#include <deque>
#include <mutex>
#include <optional>
#include <vector>

#include "DeviceTask.h"

class DeviceTaskQueue {
public:
    // False when the task was not queued because the same one already waits.
    bool Push(const DeviceTask& task);
    // Queues the task only when nothing waits (a reconnect asked for by the
    // worker itself after a failed re-read); the check and the append are one step.
    bool PushIfEmpty(const DeviceTask& task);
    std::optional<DeviceTask> Pop();
    void Clear();
    bool Empty() const;
    std::vector<DeviceTask> Waiting() const;

private:
    mutable std::mutex m_lock;
    std::deque<DeviceTask> m_tasks;
};
