#pragma once
// Deleting a control while an event is being routed through it would pull the object
// from under the walk of its parent, or from under its own handler still on the stack
// (a button whose notification makes the application remove it). Every routing entry
// point opens a Scope; a control retired inside one is deleted when the outermost scope
// of the thread closes, and at once when no routing is under way.
//
// A retired control has already been unlinked and unregistered; it only waits to be freed.
//
// Window objects that go with their window (a combo's drop-down, a menu) are retired the
// same way: a choice in a drop-down may run a modal loop (a message box) that takes the
// activation and so closes the drop-down, while the drop-down's own press handler is
// still on the stack below that loop and writes to its object when the loop returns.

namespace Kelvo {

class MControl;
class MWindow;
class PaintManager;

class ControlRetirement {
public:
    class Scope {
    public:
        Scope();
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;
    };

    // Marks the control detached and deletes it now or at the end of the routing.
    static void Retire(MControl* control);
    // Deletes a window object whose window is gone, now or at the end of the routing.
    static void RetireWindow(MWindow* window);
    // The manager goes away before retired controls of its window are freed: they, and
    // their children, forget it, so their destructors do not reach into a dead object.
    static void ForgetManager(PaintManager* manager);

private:
    static void ClearManager(MControl* control, PaintManager* manager);
};

}  // namespace Kelvo
