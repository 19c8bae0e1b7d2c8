#pragma once
// Finds what printf would take for a conversion in a text. Language texts are
// filled only by the safe formatter, which knows bare %s and %d; anything else
// printf-like in a text is a mistake waiting for a caller that formats it.
#include <string>

struct PrintfConversions {
    int fillable = 0;  // bare %s and %d
    int other = 0;     // every other conversion: %n, %x, %5d, %ls, ...
};

// "%%" is a literal percent sign, and so is a % that starts no conversion
// ("50% off", "100%").
PrintfConversions CountPrintfConversions(const std::wstring& text);
