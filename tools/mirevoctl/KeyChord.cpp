#include "KeyChord.h"

#include "KeyUsage.h"
#include "NameMatch.h"

namespace {

struct Modifier {
    const char* word;
    int bit;
};

constexpr Modifier kModifiers[] = {{"ctrl", 1}, {"shift", 2}, {"alt", 4}, {"win", 8}};

struct NamedKey {
    std::string name;
    int usage;
};

// Usages that share a name (the two Enter keys, left and right modifiers) are
// typed as the first of them.
const std::vector<NamedKey>& NamedKeys() {
    static const std::vector<NamedKey> keys = [] {
        std::vector<NamedKey> out;
        for (int usage = 1; usage <= 0xFF; ++usage) {
            CString label = codec::KeyName(usage);
            if (label.IsEmpty()) continue;
            std::string name = LineName(label);
            bool taken = false;
            for (const NamedKey& k : out) taken = taken || k.name == name;
            if (!taken) out.push_back({name, usage});
        }
        return out;
    }();
    return keys;
}

// Strips a leading "word+" of a modifier; the rest must still name a key.
bool TakeModifier(std::string& text, int& modifiers) {
    for (const Modifier& m : kModifiers) {
        std::string prefix = std::string(m.word) + "+";
        if (text.size() > prefix.size() && text.compare(0, prefix.size(), prefix) == 0) {
            modifiers |= m.bit;
            text.erase(0, prefix.size());
            return true;
        }
    }
    return false;
}

}  // namespace

const std::vector<std::string>& LineKeyNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> out;
        for (const NamedKey& k : NamedKeys()) out.push_back(k.name);
        return out;
    }();
    return names;
}

std::vector<std::string> ModifierWords() {
    std::vector<std::string> words;
    for (const Modifier& m : kModifiers) words.push_back(m.word);
    return words;
}

bool ParseKeyChord(const std::string& text, KeyChord& out, std::string& unknown) {
    std::string rest = LowerCase(text);
    int modifiers = 0;
    while (TakeModifier(rest, modifiers)) {
    }
    for (const NamedKey& k : NamedKeys()) {
        if (k.name == rest) {
            out = KeyChord{k.usage, modifiers};
            return true;
        }
    }
    unknown = rest;
    return false;
}
