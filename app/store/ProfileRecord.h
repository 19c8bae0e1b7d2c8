#pragma once
// One row of t_profile_data. Profiles are numbered 1 to 5; status 1 marks the active one.
#include "CString.h"

struct ProfileRecord {
    int profile = 0;
    CString name;   // localised on reading
    CString app;    // always empty in this program
    int type = 0;   // always 0
    int status = 0;
};

// Profiles are numbered 1 to 5: the mouse keeps five.
constexpr int kFirstProfile = 1;
constexpr int kLastProfile = 5;
