#pragma once
// A button's function: one stored row of t_key_macro_data, or a factory record
// built from the model description.
#include "CString.h"

struct KeyAssignment {
    int key_id = 0;        // row identifier; 0 in records that are not stored
    int profile = 0;
    int fn_layer = 0;      // the program uses layer 0 only
    int key_code = 0;      // physical button: the model description's key_value
    int layout_value = 0;  // button index of the factory layout
    CString layout_desc;   // button label (factory records: its text id as decimal text)
    int macro_type = 0;    // function type code; 4 plays a macro
    int macro_value = 0;   // first parameter; for type 4 the macro id
    int macro_value2 = 0;
    int macro_value3 = 0;
    CString macro_desc;    // function as shown in the button list; for macros the macro's name
};
