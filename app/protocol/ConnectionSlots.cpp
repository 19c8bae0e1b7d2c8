#include "ConnectionSlots.h"

#include "DeviceModeEntry.h"

int ConnectionSlot(int connectMode) {
    switch (connectMode) {
    case kModeWired: return 2;
    case kModeReceiver:
    case kModeReceiver2:
    case kModeReceiver3: return 3;
    case kModeBluetooth: return 4;
    default: return -1;
    }
}

bool FillConnectionSlots(unsigned char* packet, int connectMode, unsigned char value) {
    int slot = ConnectionSlot(connectMode);
    if (!packet || slot < 0) return false;
    for (int i = 2; i <= 4; ++i) packet[i] = i == slot ? value : 0xFF;
    return true;
}
