#pragma once
// The description a decoded button function is stored with (macro_desc): a
// language text for most functions, modifier and key names for keyboard keys.
#include <functional>

#include "ButtonCode.h"
#include "CString.h"

namespace codec {

// Looks a text up by id in the interface language (section LAN).
using TextLookup = std::function<CString(int textId)>;

// Empty for functions that have no name of their own (none, macro, type 7, values outside the tables).
CString DescribeButtonFunction(const ButtonFunction& function, const TextLookup& texts);

}  // namespace codec
