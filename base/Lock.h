#pragma once
// A recursive lock, the portable stand-in for a Windows critical section.
#include <mutex>

class Lock {
public:
    void Enter() { m_mutex.lock(); }
    void Leave() { m_mutex.unlock(); }
    bool TryEnter() { return m_mutex.try_lock(); }

private:
    std::recursive_mutex m_mutex;
};

// Holds a Lock for the life of the scope.
class LockGuard {
public:
    explicit LockGuard(Lock& lock) : m_lock(lock) { m_lock.Enter(); }
    ~LockGuard() { m_lock.Leave(); }
    LockGuard(const LockGuard&) = delete;
    LockGuard& operator=(const LockGuard&) = delete;

private:
    Lock& m_lock;
};
