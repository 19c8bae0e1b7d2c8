#include "TextLookup.h"

#include "File.h"
#include "LanguageFile.h"
#include "TextFormat.h"

CString LanguageFileReader::ReadText(const CString& file, const CString& section, int id) {
    std::string bytes;
    if (!file::ReadAll(file, bytes)) return CString();
    auto texts = language::ParseSection(bytes, section);
    auto found = texts.find(id);
    return found == texts.end() ? CString() : found->second;
}

CString LanguageFilePath(const CString& programFolder, int language) {
    return file::Join(programFolder + L"language", FormatText(L"%d.lan", {language}));
}

CString LookupText(ProfileReader& reader, const CString& programFolder, int language, const CString& section, int id) {
    CString text = reader.ReadText(LanguageFilePath(programFolder, language), section, id);
    if (text.GetLength() > language::kMaxTextLength) text = text.Left(language::kMaxTextLength);
    return text;
}
