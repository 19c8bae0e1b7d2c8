#include "StopSignal.h"

#include <chrono>

namespace {
thread_local StopSignal* t_signal = nullptr;
}

void StopSignal::Raise() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_raised = true;
    }
    m_changed.notify_all();
}

void StopSignal::Clear() {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_raised = false;
}

bool StopSignal::Raised() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_raised;
}

bool StopSignal::WaitFor(std::uint32_t ms) {
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_changed.wait_for(lock, std::chrono::milliseconds(ms), [this] { return m_raised; });
}

StopSignal* StopSignal::OfThisThread() { return t_signal; }

bool StopSignal::ThisThreadStopping() { return t_signal && t_signal->Raised(); }

StopSignalBinding::StopSignalBinding(StopSignal& signal) : m_previous(t_signal) { t_signal = &signal; }

StopSignalBinding::~StopSignalBinding() { t_signal = m_previous; }
