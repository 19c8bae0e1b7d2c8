#pragma once
// Attribute values as they stand in the text and as callers see them.
#include <string>
#include <string_view>

namespace xml {

// Replaces < & > ' " by their entities, and tab, LF and CR by character
// references, so that every XML reader sees the value unchanged.
std::wstring EncodeEntities(std::wstring_view value);

// Decodes the five named entities and numeric character references (&#65; &#x41;,
// with any number of leading zeros). A reference that does not name a Unicode
// scalar value from U+0001 up (0, a surrogate, past U+10FFFF) stays as it is written, so no
// NUL or broken surrogate can be smuggled into a value; so does an unknown entity.
std::wstring DecodeEntities(std::wstring_view raw);

}  // namespace xml
