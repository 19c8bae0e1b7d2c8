#pragma once
// Reads the values of an imported document and checks each against its domain.
// A value that is missing, does not parse or lies outside its range is not
// returned but listed, with where it stands, so the user can be told exactly
// what an import left out.
//
// Elements are looked for the way the file formats have always been read: in
// the format's order, each search starting after the element found last. An
// element that stands before one already found is therefore not read; it is
// listed as out of order instead of being lost silently.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "CString.h"
#include "FileOutcome.h"
#include "XmlDocument.h"

struct IntRange {
    long long min;
    long long max;
};

// How an attribute that is missing or written empty counts.
enum class Absence {
    kListed,        // every file of the kind has a value here
    kEmptyAllowed,  // written empty for a setting the store does not hold; only a missing attribute is listed
    kAllowed,       // written only where it says something
};

// Texts shown in lists (names, descriptions): at most this many characters.
inline constexpr int kMaxImportedTextLength = 255;

class ImportReader {
public:
    // `doc` stands on the root element, which becomes the first level of paths.
    ImportReader(XmlDocument& doc, std::vector<SkippedValue>& skipped);

    // Finds the next child of that name at the current level and makes it current.
    // `listItem` numbers repeated elements in paths (item[1], item[2], ...) and
    // does not look back for earlier ones: a list simply ends.
    bool Find(const wchar_t* name, bool listItem = false);
    // Steps into the current element, or back out of it.
    void Enter();
    void Leave();

    // The attribute of the current element as a number within `range`. Missing
    // and empty values are listed too, as far as `absence` says.
    std::optional<int> Int(const wchar_t* attribute, IntRange range, Absence absence = Absence::kListed);
    // Text within kMaxImportedTextLength and free of control characters; missing reads as empty.
    std::optional<CString> Text(const wchar_t* attribute);
    // Lists a value the caller refuses for a reason of its own.
    void Skip(const wchar_t* attribute, const CString& text, SkipReason reason);
    // Path of the current element, e.g. "profile/profileinfo/keyitems/item[2]".
    CString Where() const;

private:
    struct Level {
        CString path;                     // of the element this level is inside
        std::vector<std::wstring> found;  // names found in order, to return to the same place
        std::map<std::wstring, int> counts;
        CString current;                  // label of the current element
    };

    void ListEarlier(const wchar_t* name);

    XmlDocument& m_doc;
    std::vector<SkippedValue>& m_skipped;
    std::vector<Level> m_levels;
};

// A decimal integer ("-" and digits, nothing else): its value, saturated far
// outside any int range, or nothing when the text is no such number.
std::optional<long long> ParseDecimal(const std::wstring& text);
