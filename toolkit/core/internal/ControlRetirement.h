#pragma once
// Deleting a control while an event is being routed through it would pull the object
// from under the walk of its parent, or from under its own handler still on the stack
// (a button whose notification makes the application remove it). Every routing entry
// point opens a Scope; a control retired inside one is deleted when the outermost scope
// of the thread closes, and at once when no routing is under way.
//
// A retired control has already been unlinked and unregistered; it only waits to be freed.

namespace Kelvo {

class MControl;
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
    // The manager goes away before retired controls of its window are freed: they, and
    // their children, forget it, so their destructors do not reach into a dead object.
    static void ForgetManager(PaintManager* manager);

private:
    static void ClearManager(MControl* control, PaintManager* manager);
};

}  // namespace Kelvo
