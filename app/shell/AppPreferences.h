#pragma once
// The registry preferences of the program, under HKEY_CURRENT_USER\SOFTWARE\Corvane
// and the current user's Run key.
int ReadSavedLanguage();
void SaveLanguage(int lcid);
int ReadDeviceType();
void WriteDeviceType(int deviceType);
bool IsAutorunEnabled();
// Writes the quoted path of the running executable, or removes the entry.
void SetAutorun(bool enabled);
