#pragma once
// A number the worker writes and the UI thread reads while the worker runs. Copies are
// for sessions made by value (tests, benchmarks); they share nothing.
#include <atomic>

class SharedInt {
public:
    constexpr explicit SharedInt(int value = 0) : m_value(value) {}
    SharedInt(const SharedInt& other) : m_value(other.m_value.load()) {}
    SharedInt& operator=(const SharedInt& other) {
        m_value.store(other.m_value.load());
        return *this;
    }
    SharedInt& operator=(int value) {
        m_value.store(value);
        return *this;
    }
    operator int() const { return m_value.load(); }

private:
    std::atomic<int> m_value;
};
