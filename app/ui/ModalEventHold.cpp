#include "ModalEventHold.h"

ModalEventHold::ModalEventHold(DeviceEventListener& window) : m_window(window), m_held(window) {}

void ModalEventHold::Leave() {
    if (m_depth > 0) --m_depth;
    // Applying what was held may open another loop (a message about it); what arrives
    // then is held for that one.
    if (m_depth == 0) m_held.Drain(m_window);
}

DeviceEventListener& ModalEventHold::Target() {
    if (m_depth > 0) return m_held;
    return m_window;
}
