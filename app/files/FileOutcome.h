#pragma once
// What an export or import of a macro or profile file came to: success, or the
// one problem that stopped it, plus every value an import left out. Files come
// from users and other machines, so a refusal always names the file and says
// what is wrong with it; the interface turns the problem into a language text,
// tools and traces use Describe.
#include <vector>

#include "CString.h"

enum class FileProblem {
    kNone,
    kUnreadable,     // the file could not be opened or read
    kTooLarge,       // far larger than any file of ours
    kBadEncoding,    // its bytes are not text in the encoding it claims
    kNotXml,         // not a well-formed XML document (also: cut off)
    kForeign,        // well-formed, but another kind of document
    kMissingPart,    // our root element without the part every file of ours has
    kNoSuchProfile,  // the profile to export or import into does not exist
    kNoSuchMacro,    // the macro to export does not exist
    kStoreRefused,   // the settings store failed or is closed; nothing was changed
    kUndoFailed,     // the store failed and the previous state could not be put back
    kUnwritable,     // the export file could not be written
};

enum class SkipReason {
    kEmpty,           // missing, or an empty value
    kNotANumber,      // not a decimal integer
    kOutOfRange,      // a number outside what the setting can hold
    kBadText,         // text too long or with control characters
    kOutOfOrder,      // stands before an element already read, so it is not looked at
    kNoLightingMode,  // the profile has no lighting record of that mode
    kUnknownMacro,    // a button plays a macro this store does not have
};

// One value (or one whole item) that an import did not store.
struct SkippedValue {
    CString where;      // element path, e.g. "keyitems/item[2]"
    CString attribute;  // empty when a whole element is meant
    CString text;       // the text as the file has it
    SkipReason reason = SkipReason::kEmpty;

    friend bool operator==(const SkippedValue&, const SkippedValue&) = default;
};

struct FileOutcome {
    FileProblem problem = FileProblem::kNone;
    CString path;    // the file written or read
    CString detail;  // what exactly was wrong (an element name, a system message)
    std::vector<SkippedValue> skipped;

    bool Ok() const { return problem == FileProblem::kNone; }
    static FileOutcome Success(const CString& path);
    static FileOutcome Failure(FileProblem problem, const CString& path, const CString& detail = CString());
};

// One line per problem and skipped value, in English, naming the file.
CString Describe(const FileOutcome& outcome);
