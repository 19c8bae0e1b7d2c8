#pragma once
// The macro page's number fields: what they hold, and numbers clamped to a range.
// Non-numeric text reads as 0 and is clamped like any other number.
#include <algorithm>
#include <cwchar>
#include <string>

#include "MEdit.h"

namespace macro_fields {

inline int NumberIn(Kelvo::MEdit* field) {
    return field ? static_cast<int>(std::wcstol(field->GetControlTitle().GetString(), nullptr, 10)) : 0;
}

inline void Show(Kelvo::MEdit* field, int number) {
    if (field) field->SetTitle(std::to_wstring(number).c_str());
}

// Clamps the field's number; a changed number is shown (also as the field's tip).
inline int Clamp(Kelvo::MEdit* field, int low, int high) {
    const int typed = NumberIn(field);
    const int clamped = std::clamp(typed, low, high);
    if (field && (clamped != typed || field->GetControlTitle().IsEmpty())) {
        Show(field, clamped);
        field->SetTooltip(std::to_wstring(clamped).c_str());
    }
    return clamped;
}

}  // namespace macro_fields
