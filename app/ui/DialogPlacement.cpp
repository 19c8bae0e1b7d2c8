#include "DialogPlacement.h"

CRect CentredOn(HWND owner, int width, int height) {
    RECT area{};
    if (!owner || !::GetWindowRect(owner, &area)) ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    const int left = area.left + (area.right - area.left - width) / 2;
    const int top = area.top + (area.bottom - area.top - height) / 2;
    return CRect(left, top, left + width, top + height);
}

void MakeTopMost(HWND window) {
    ::SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}
