#include "ControlRetirement.h"

#include <vector>

#include "MControl.h"
#include "MWindow.h"

namespace Kelvo {

namespace {

thread_local int t_depth = 0;
thread_local std::vector<MControl*> t_pending;
thread_local std::vector<MWindow*> t_pendingWindows;

}  // namespace

ControlRetirement::Scope::Scope() { ++t_depth; }

ControlRetirement::Scope::~Scope() {
    if (--t_depth > 0) return;
    // Destructors run outside any scope, so whatever they retire in turn goes at once.
    while (!t_pending.empty() || !t_pendingWindows.empty()) {
        std::vector<MControl*> batch;
        batch.swap(t_pending);
        for (MControl* control : batch) delete control;
        std::vector<MWindow*> windows;
        windows.swap(t_pendingWindows);
        for (MWindow* window : windows) delete window;
    }
}

void ControlRetirement::Retire(MControl* control) {
    if (!control) return;
    control->m_bDetached = true;
    if (t_depth > 0)
        t_pending.push_back(control);
    else
        delete control;
}

void ControlRetirement::RetireWindow(MWindow* window) {
    if (!window) return;
    if (t_depth > 0)
        t_pendingWindows.push_back(window);
    else
        delete window;
}

void ControlRetirement::ClearManager(MControl* control, PaintManager* manager) {
    if (control->m_pManager != manager) return;
    control->m_pManager = nullptr;
    for (MControl* child : control->m_areas) ClearManager(child, manager);
    for (MControl* child : control->m_controls) ClearManager(child, manager);
}

void ControlRetirement::ForgetManager(PaintManager* manager) {
    for (MControl* control : t_pending) ClearManager(control, manager);
}

}  // namespace Kelvo
