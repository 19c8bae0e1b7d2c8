#include "DeviceTaskQueue.h"

#include <algorithm>

namespace {

bool IsConnectionTask(int number) {
    return number == kTaskReconnectArrival || number == kTaskReconnectRemoval || number == kTaskModelChange;
}

}  // namespace

bool DeviceTaskQueue::Push(const DeviceTask& task) {
    std::lock_guard<std::mutex> lock(m_lock);
    if (task.number == kTaskModelChange) {
        // What waits was meant for the model being left; the first read stays,
        // since it reads whichever model is current when it runs.
        std::erase_if(m_tasks, [](const DeviceTask& t) { return t.number != kTaskFirstRead; });
    } else if (IsConnectionTask(task.number) &&
               std::any_of(m_tasks.begin(), m_tasks.end(), [&](const DeviceTask& t) {
                   return t.number == task.number && t.devicePath == task.devicePath;
               })) {
        return false;
    }
    m_tasks.push_back(task);
    return true;
}

bool DeviceTaskQueue::PushIfEmpty(const DeviceTask& task) {
    std::lock_guard<std::mutex> lock(m_lock);
    if (!m_tasks.empty()) return false;
    m_tasks.push_back(task);
    return true;
}

std::optional<DeviceTask> DeviceTaskQueue::Pop() {
    std::lock_guard<std::mutex> lock(m_lock);
    if (m_tasks.empty()) return std::nullopt;
    DeviceTask task = m_tasks.front();
    m_tasks.pop_front();
    return task;
}

void DeviceTaskQueue::Clear() {
    std::lock_guard<std::mutex> lock(m_lock);
    m_tasks.clear();
}

bool DeviceTaskQueue::Empty() const {
    std::lock_guard<std::mutex> lock(m_lock);
    return m_tasks.empty();
}

std::vector<DeviceTask> DeviceTaskQueue::Waiting() const {
    std::lock_guard<std::mutex> lock(m_lock);
    return {m_tasks.begin(), m_tasks.end()};
}
