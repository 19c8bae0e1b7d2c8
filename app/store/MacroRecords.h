#pragma once
// A macro: its header row (t_macro_data) and its steps (t_macrorecord).
// Macros belong to the model's file, not to a profile.
#include "CString.h"

struct MacroHeader {
    int macro_id = 0;
    CString name;
    int play_type = 0;
    int play_times = 0;
    int delay_type = 0;
    int delay_time = 0;  // milliseconds
};

// Any integer type is kept: the recorder and the import know more kinds than
// the basic key and button events.
struct MacroStep {
    int record_id = 0;
    int macro_id = 0;
    int type = 0;
    int record_index = 0;  // position in the macro; steps are listed in this order
    int value = 0;         // key or button code of the event
    int delay_time = 0;    // milliseconds after the previous event
    CString desc;          // text shown for the step
};
