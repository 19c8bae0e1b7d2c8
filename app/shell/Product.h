#pragma once
// Names and numbers the shell shares with the registry, the file system and the toolkit.

namespace product {

// One name serves the single-instance mutex, the window property, the registry key,
// the per-user folder and the main window's caption.
inline constexpr const wchar_t* kName = L"Corvane";
inline constexpr const wchar_t* kExecutable = L"Mirevo.exe";
inline constexpr const wchar_t* kFontName = L"Open Sans Semibold";

inline constexpr int kEnglish = 1033;
// The second interface language keeps the identifier that its file and the registry use.
inline constexpr int kSecondLanguage = 1055;

}  // namespace product
