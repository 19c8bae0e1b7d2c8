#include "BusyDialogGate.h"

BusyDialogGate::Generation BusyDialogGate::Begin() {
    m_running = true;
    return ++m_current;
}

void BusyDialogGate::Finished(Generation generation) {
    if (!m_running || generation != m_current) return;
    m_running = false;
    if (m_dialog) m_dialog->RequestClose();
}

bool BusyDialogGate::ShouldShow() const { return m_running && !m_dialog; }

void BusyDialogGate::Shown(BusyDialog& dialog) {
    m_dialog = &dialog;
    if (!m_running) dialog.RequestClose();
}

void BusyDialogGate::Hidden() { m_dialog = nullptr; }
