#pragma once
// Text ids that a model description file names: button labels (`name`) and
// factory functions (`func_desc`).
#include <set>
#include <string>

// The file may be UTF-8 or UTF-16LE with a byte-order mark.
std::set<int> CatalogueTextIds(const std::string& fileBytes);
