#pragma once
// A model's buttons by the names the line uses for them: the English label of
// each button of the model's description ("Middle button" -> "middle-button"),
// with its button index. A button can always be given by its index too.
#include <string>
#include <vector>

#include "CString.h"
#include "DeviceCatalogue.h"

struct ModelButton {
    std::string name;
    int index = 0;
};

// Empty when the description or the English language file cannot be read.
std::vector<ModelButton> ModelButtons(const DeviceCatalogue& catalogue, const CString& configFolder, int deviceType);
std::vector<std::string> ButtonNames(const std::vector<ModelButton>& buttons);

enum class ButtonWord { kFound, kBadNumber, kUnknownName };

// A number 0-255, or a name of `buttons` in any case. `error` says why not.
ButtonWord ResolveButton(const std::vector<ModelButton>& buttons, const std::string& word, int& index, std::string& error);
