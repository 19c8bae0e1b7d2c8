#pragma once
// Where the main window puts its frame: the background, the model pictures, the window
// buttons, the battery gauge, the connection label, the tab strip, the page containers,
// the model selector, the profile button, the drag area and the not-available message.
//
// The places are the ones the window was designed at for a 1121 x 780 client area.
// The frame keeps fixed distances from the client edges; only the model selector and the
// message follow the scale (client height / 780), which the pages use for all of their
// own geometry.
#include <optional>

#include "Geometry.h"

// The frame's control IDs. The seven page containers lie on top of each other.
enum MainWindowControl : int {
    kBackgroundPicture = 30,
    kHomeModelPicture = 31,
    kPageModelPicture = 32,
    kLogoButton = 35,
    kCloseButton = 38,
    kMinimizeButton = 39,
    kBatteryGauge = 42,
    kConnectionState = 43,
    kPageTabs = 44,
    kFirstPageContainer = 45,
    kLastPageContainer = 51,
    kModelSelector = 55,
    kProfileButton = 56,
};

// The natural sizes of the two model pictures, which depend on the chosen model's images.
struct MainWindowPictureSizes {
    CSize homePicture;  // control 31
    CSize pagePicture;  // control 32
};

struct MainWindowLayout {
    float scale = 1.0f;  // client height / 780
    CRect background;
    CRect homePicture;
    CRect pagePicture;
    CRect logo;
    CRect closeButton;
    CRect minimizeButton;
    CRect batteryGauge;
    CRect connectionState;
    CRect pageTabs;
    CRect pageContainer;  // each of 45-51
    CRect modelSelector;
    int modelSelectorFontSize = 14;
    CRect profileButton;
    CRect caption;  // where a drag moves the window
    CRect message;  // where the not-available text is drawn
    int messageFontSize = 16;
};

// The layout for a client area of `client` size. A client area too small for the frame
// gives empty rectangles where the frame would turn inside out, never negative sizes.
MainWindowLayout LayOutMainWindow(CSize client, const MainWindowPictureSizes& pictures);

// The rectangle of frame control `controlId`; nothing for an ID the frame does not own.
std::optional<CRect> FrameControlRect(const MainWindowLayout& layout, int controlId);
