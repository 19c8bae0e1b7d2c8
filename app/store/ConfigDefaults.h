#pragma once
// The configuration keys every new profile receives, with their defaults for a
// model's device type, in the order they are written.
#include <vector>

#include "CString.h"

struct ConfigDefault {
    const wchar_t* key;
    CString value;  // decimal text
};

std::vector<ConfigDefault> DefaultConfig(int deviceType);
// One of the keys above (the same for every device type).
bool IsConfigKey(const CString& key);
