#pragma once
// Holds the worker's events back while the window runs a modal loop of its own (a
// message box, a dialog, a menu, a drop-down), so the question the user answers still
// concerns what they saw; what was held is applied, in order, when the loop ends.
//
// The one event that cannot wait is the end of a model change: it closes the busy
// dialog, which is itself such a loop. UI thread only.
#include "DeviceEvents.h"
#include "WindowEventQueue.h"

class ModalEventHold {
public:
    explicit ModalEventHold(DeviceEventListener& window);

    // Nested loops count; events are held until the outermost one ends.
    void Enter() { ++m_depth; }
    // Applies what was held once no loop remains open.
    void Leave();
    bool Holding() const { return m_depth > 0; }

    // Where the worker's events go on the UI thread: straight to the window, or held.
    DeviceEventListener& Target();

    // A modal loop for the length of a scope.
    class Scope {
    public:
        explicit Scope(ModalEventHold& hold) : m_hold(hold) { m_hold.Enter(); }
        ~Scope() { m_hold.Leave(); }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        ModalEventHold& m_hold;
    };

private:
    // Records everything but the end of a model change, which it passes on at once.
    class Held : public WindowEventQueue {
    public:
        explicit Held(DeviceEventListener& window) : WindowEventQueue([] { return true; }), m_window(window) {}
        void OnModelChangeFinished(unsigned generation, bool ok) override {
            m_window.OnModelChangeFinished(generation, ok);
        }

    private:
        DeviceEventListener& m_window;
    };

    DeviceEventListener& m_window;
    Held m_held;
    int m_depth = 0;
};
