#include "SkinManifest.h"

#include <sstream>

namespace skin {

SkinManifest ParseSkinManifest(const std::string& text) {
    SkinManifest manifest;
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        const size_t comment = line.find('#');
        if (comment != std::string::npos) line.erase(comment);
        std::istringstream fields(line);
        SkinEntry entry;
        if (!(fields >> entry.path)) continue;  // blank or comment only
        std::string rest;
        if (!(fields >> entry.frames >> entry.frameWidth >> entry.frameHeight) || (fields >> rest) ||
            entry.frames < 1 || entry.frameWidth < 1 || entry.frameHeight < 1) {
            manifest.errors.push_back("line " + std::to_string(number) + ": " + line);
            continue;
        }
        manifest.entries.push_back(entry);
    }
    return manifest;
}

}  // namespace skin
