#pragma once
// A value the mouse reported that is not stored because it is out of range. The
// decoders list them so that the caller can trace what was ignored.
#include <string_view>
#include <vector>

namespace codec {

struct Rejected {
    std::string_view field;  // the setting, e.g. "dpi_index"
    int value = 0;           // what the mouse sent

    friend bool operator==(const Rejected&, const Rejected&) = default;
};

using Rejections = std::vector<Rejected>;

}  // namespace codec
