#include "UpdaterCommand.h"

namespace {

std::wstring WithBackslash(std::wstring_view folder) {
    std::wstring f(folder);
    if (f.empty() || f.back() != L'\\') f += L'\\';
    return f;
}

const wchar_t* ImageName(int target) {
    switch (target) {
    case kUpgradeMouse: return L"mouse.jfw";
    case kUpgradeReceiver: return L"dongle.jfw";
    default: return nullptr;
    }
}

// The updater's USB ids of the device it looks for, and for the receiver the mouse behind it.
const wchar_t* DeviceIds(int target) {
    return target == kUpgradeMouse ? L" -dv 248A -dp FF12" : L" -dv 248A -dp FF30 -bv 248A -bp FF08";
}

}  // namespace

std::wstring UpdaterExecutable(std::wstring_view programFolder) {
    return WithBackslash(programFolder) + L"firmwareupgrade\\dfu5.exe";
}

std::wstring FirmwareImage(std::wstring_view programFolder, std::wstring_view modelStem, int target) {
    const wchar_t* image = ImageName(target);
    if (!image) return {};
    return WithBackslash(programFolder) + L"firmwareupgrade\\" + std::wstring(modelStem) + L"\\" + image;
}

std::wstring UpdaterCommandLine(int target, std::wstring_view programFolder, std::wstring_view modelStem) {
    const wchar_t* image = ImageName(target);
    if (!image) return {};
    const std::wstring folder = WithBackslash(programFolder);
    return L"\"" + folder + L"\\firmwareupgrade\\dfu5.exe\" -f \"" + folder + L"\\firmwareupgrade\\" +
           std::wstring(modelStem) + L"\\" + image + L"\"" + DeviceIds(target);
}
