#include "MainWindowLayout.h"

#include <algorithm>

namespace {

constexpr float kDesignHeight = 780.0f;

// A rectangle from its edges; edges that cross collapse to an empty rectangle, so that a
// tiny client area never hands a control a negative size.
CRect Edges(int left, int top, int right, int bottom) {
    return CRect(left, top, std::max(left, right), std::max(top, bottom));
}

CRect Box(int left, int top, int width, int height) {
    return Edges(left, top, left + width, top + height);
}

// Scaled lengths are whole pixels, cut off rather than rounded.
int Scaled(float scale, int length) { return static_cast<int>(length * scale); }

CSize NonNegative(CSize size) { return CSize(std::max(0, size.cx), std::max(0, size.cy)); }

void PlaceModelPictures(MainWindowLayout& layout, CSize client, const MainWindowPictureSizes& pictures) {
    const CSize home = NonNegative(pictures.homePicture);
    const CSize page = NonNegative(pictures.pagePicture);
    // The small picture shares the large one's top, so the model does not jump vertically
    // when the home page is left.
    const int top = (client.cy - home.cy) / 2 + 20;
    layout.homePicture = Box((client.cx - home.cx) / 2, top, home.cx, home.cy);
    layout.pagePicture = Box(client.cx - 405, top, page.cx, page.cy);
}

void PlaceFixedFrame(MainWindowLayout& layout, CSize client) {
    const int w = client.cx;
    const int h = client.cy;
    layout.background = Box(0, 0, w, h);
    layout.logo = Box((w - 65) / 2, 15, 65, 40);
    layout.closeButton = Edges(w - 50, 15, w - 30, 35);
    layout.minimizeButton = Edges(w - 100, 15, w - 80, 35);
    layout.batteryGauge = Edges(25, 11, 104, 39);
    layout.connectionState = Edges(130, 11, 230, 38);
    layout.pageTabs = Edges(25, 75, 81, 525);
    layout.pageContainer = Edges(100, 75, w - 1, h - 50);
    layout.profileButton = Edges(25, h - 38, 155, h - 12);
    layout.caption = Edges(1, 1, w - 1, 50);
}

// Only the selector's size follows the scale: it stays at top 75 and keeps its right
// edge 30 pixels from the client's right edge.
void PlaceModelSelector(MainWindowLayout& layout, CSize client) {
    const float s = layout.scale;
    const int width = Scaled(s, 136);
    layout.modelSelector = Box(client.cx - width - 30, 75, width, Scaled(s, 28));
    layout.modelSelectorFontSize = Scaled(s, 14);
}

void PlaceMessage(MainWindowLayout& layout, CSize client) {
    const float s = layout.scale;
    const int width = Scaled(s, 350);
    layout.message = Box((client.cx - width) / 2, Scaled(s, 200), width, Scaled(s, 80));
    layout.messageFontSize = Scaled(s, 16);
}

}  // namespace

MainWindowLayout LayOutMainWindow(CSize client, const MainWindowPictureSizes& pictures) {
    MainWindowLayout layout;
    layout.scale = std::max(0, client.cy) / kDesignHeight;
    PlaceFixedFrame(layout, client);
    PlaceModelPictures(layout, client, pictures);
    PlaceModelSelector(layout, client);
    PlaceMessage(layout, client);
    return layout;
}

std::optional<CRect> FrameControlRect(const MainWindowLayout& layout, int controlId) {
    if (controlId >= kFirstPageContainer && controlId <= kLastPageContainer) return layout.pageContainer;
    switch (controlId) {
    case kBackgroundPicture: return layout.background;
    case kHomeModelPicture: return layout.homePicture;
    case kPageModelPicture: return layout.pagePicture;
    case kLogoButton: return layout.logo;
    case kCloseButton: return layout.closeButton;
    case kMinimizeButton: return layout.minimizeButton;
    case kBatteryGauge: return layout.batteryGauge;
    case kConnectionState: return layout.connectionState;
    case kPageTabs: return layout.pageTabs;
    case kModelSelector: return layout.modelSelector;
    case kProfileButton: return layout.profileButton;
    default: return std::nullopt;
    }
}
