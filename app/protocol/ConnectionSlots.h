#pragma once
// Settings the mouse keeps per connection (DPI level, report rate) carry three
// slots: byte 2 cable, byte 3 receiver, byte 4 Bluetooth. The slot of the current
// connection gets the value, the other two 0xFF.

// The packet byte of a connection mode's slot; -1 when the mode has none.
int ConnectionSlot(int connectMode);
// False (packet untouched) when the mode has no slot, e.g. nothing connected.
bool FillConnectionSlots(unsigned char* packet, int connectMode, unsigned char value);
