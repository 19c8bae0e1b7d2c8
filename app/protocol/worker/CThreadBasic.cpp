#include "CThreadBasic.h"

#include "Clock.h"

CThreadBasic::~CThreadBasic() { Stop(); }

void CThreadBasic::Start(int periodMs, bool looping) {
    if (m_thread.joinable()) return;
    m_periodMs = periodMs < 0 ? 0 : periodMs;
    m_looping = looping;
    m_exitValue = Clock::Get().NowMs();
    m_stop.Clear();
    m_running = true;
    m_thread = std::thread([this] { ThreadMain(); });
}

void CThreadBasic::Stop() {
    if (!m_thread.joinable()) return;
    m_stop.Raise();
    m_thread.join();
    m_running = false;
}

void CThreadBasic::ThreadMain() {
    StopSignalBinding heed(m_stop);
    if (!m_looping) {
        Run();
    } else {
        while (!m_stop.Raised()) {
            Run();
            // The pause is real time even under a virtual clock: the loop must not spin.
            if (m_stop.WaitFor(static_cast<std::uint32_t>(m_periodMs.load()))) break;
        }
    }
    m_running = false;
}
