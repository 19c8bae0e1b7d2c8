#pragma once
// What the device operations share with the rest of the program while they run:
// the settings store of the current model, the listener that reports to the
// window, and the state the main window keeps between operations (its current
// profile, the models already read in this run, what the mouse last reported).
// The device worker owns one; mirevoctl and the tests make their own.
#include <set>

#include "CurrentProfile.h"
#include "DeviceEvents.h"
#include "SharedInt.h"

class SettingsDatabase;

struct DeviceSession {
    SettingsDatabase* store = nullptr;        // open on the current model; required
    DeviceEventListener* listener = nullptr;  // null: nobody is told
    int deviceType = 0;
    bool hasLighting = false;                 // the model's lighting flag
    CurrentProfile currentProfile;            // shared with the UI thread (CurrentProfile.h)
    int lightMode = -1;                       // the mode a lighting task concerns; -1: the profile's active one

    // Models whose buttons (and lighting) were read once in this run; a later
    // read-all of the same model reads only its state and performance block.
    std::set<int> modelsRead;

    // What the mouse last reported; -1: nothing yet. The window reads the work mode and
    // the highest rate while the worker runs.
    SharedInt workMode{-1};
    SharedInt highestRate{0};   // the second chip family's highest rate code, 0-6
    bool mouseConnected = false;
    int battery = -1;
    bool charging = false;

    // Set by the idle poll when its re-read after a notification failed; the
    // worker then queues a reconnect, but only when nothing else waits.
    bool reconnectWanted = false;
};
