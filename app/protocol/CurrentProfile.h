#pragma once
// The mouse's current profile: the one its commands without a profile number
// change. The UI thread and the device worker share one such value, and only
// an explicit change writes it (a switch, or the mouse reporting another
// profile), so a task or poll that takes a while never puts back a profile it
// saw when it started.
#include <atomic>

class CurrentProfile {
public:
    CurrentProfile() = default;
    // Copies are for sessions made by value (tests, benchmarks); they share nothing.
    CurrentProfile(const CurrentProfile& other) : m_profile(other.m_profile.load()) {}
    CurrentProfile& operator=(const CurrentProfile& other) {
        m_profile.store(other.m_profile.load());
        return *this;
    }
    CurrentProfile& operator=(int profile) {
        Change(profile);
        return *this;
    }

    operator int() const { return m_profile.load(); }

    // Makes `profile` (1..5) current; true when that changed it. Other numbers
    // change nothing.
    bool Change(int profile) {
        if (profile < 1 || profile > 5) return false;
        return m_profile.exchange(profile) != profile;
    }

private:
    std::atomic<int> m_profile{1};
};
