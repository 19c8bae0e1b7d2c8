// The main window's frame at its design size and scaled by height: every control where
// the window's drawings put it, worked out by hand here.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "MainWindowLayout.h"

namespace {

// A model picture 600 x 300 on the home page and 300 x 200 on the other pages.
const MainWindowPictureSizes kPictures{CSize(600, 300), CSize(300, 200)};

struct Placed {
    int id;
    CRect rect;
};

void ExpectPlaced(const MainWindowLayout& layout, const std::vector<Placed>& table) {
    for (const Placed& p : table) {
        SCOPED_TRACE(p.id);
        const std::optional<CRect> rect = FrameControlRect(layout, p.id);
        ASSERT_TRUE(rect.has_value());
        EXPECT_EQ(*rect, p.rect);
    }
}

std::vector<Placed> Containers(const CRect& rect) {
    std::vector<Placed> table;
    for (int id = 45; id <= 51; ++id) table.push_back({id, rect});
    return table;
}

TEST(MainWindowLayout, DesignSizePutsEveryFrameControlAtItsPlace) {
    const MainWindowLayout layout = LayOutMainWindow(CSize(1121, 780), kPictures);
    ExpectPlaced(layout, {
                             {30, CRect(0, 0, 1121, 780)},
                             {31, CRect(260, 260, 860, 560)},  // (1121-600)/2, (780-300)/2+20
                             {32, CRect(716, 260, 1016, 460)},
                             {35, CRect(528, 15, 593, 55)},
                             {38, CRect(1071, 15, 1091, 35)},
                             {39, CRect(1021, 15, 1041, 35)},
                             {42, CRect(25, 11, 104, 39)},
                             {43, CRect(130, 11, 230, 38)},
                             {44, CRect(25, 75, 81, 525)},
                             {55, CRect(955, 75, 1091, 103)},
                             {56, CRect(25, 742, 155, 768)},
                         });
    ExpectPlaced(layout, Containers(CRect(100, 75, 1120, 730)));
    EXPECT_EQ(layout.scale, 1.0f);
    EXPECT_EQ(layout.modelSelectorFontSize, 14);
    EXPECT_EQ(layout.caption, CRect(1, 1, 1120, 50));
    EXPECT_EQ(layout.message, CRect(385, 200, 735, 280));
    EXPECT_EQ(layout.messageFontSize, 16);
}

// The frame keeps its distances to the client edges; the model selector and the message
// follow the scale, cut to whole pixels (at 600 the scale is 0.769..., which rounding
// would turn into one more pixel almost everywhere).
TEST(MainWindowLayout, ShorterWindowMovesBottomAnchoredControlsAndScalesSelectorAndMessage) {
    struct Case {
        int height;
        std::vector<Placed> placed;
        CRect message;
        int selectorFont;
        int messageFont;
    };
    const Case cases[] = {
        {390,
         {{31, CRect(260, 65, 860, 365)},
          {32, CRect(716, 65, 1016, 265)},
          {55, CRect(1023, 75, 1091, 89)},  // 68 x 14
          {56, CRect(25, 352, 155, 378)},
          {45, CRect(100, 75, 1120, 340)},
          {50, CRect(100, 75, 1120, 340)}},
         CRect(473, 100, 648, 140),  // 175 x 40 at top 100
         7,
         8},
        {600,
         {{31, CRect(260, 170, 860, 470)},
          {32, CRect(716, 170, 1016, 370)},
          {55, CRect(987, 75, 1091, 96)},  // 104 x 21
          {56, CRect(25, 562, 155, 588)},
          {51, CRect(100, 75, 1120, 550)}},
         CRect(426, 153, 695, 214),  // 269 x 61
         10,
         12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.height);
        const MainWindowLayout layout = LayOutMainWindow(CSize(1121, c.height), kPictures);
        EXPECT_FLOAT_EQ(layout.scale, c.height / 780.0f);
        ExpectPlaced(layout, c.placed);
        EXPECT_EQ(layout.message, c.message);
        EXPECT_EQ(layout.modelSelectorFontSize, c.selectorFont);
        EXPECT_EQ(layout.messageFontSize, c.messageFont);
    }
}

TEST(MainWindowLayout, ControlsOutsideTheFrameHaveNoPlaceInIt) {
    const MainWindowLayout layout = LayOutMainWindow(CSize(1121, 780), kPictures);
    for (int id : {29, 33, 34, 36, 37, 40, 41, 52, 53, 54, 57, 58}) {
        SCOPED_TRACE(id);
        EXPECT_FALSE(FrameControlRect(layout, id).has_value());
    }
}

// A minimised or not yet sized window can report a client area of nothing: no control may
// get a negative size and the scale stays a number.
TEST(MainWindowLayout, EmptyOrTinyClientAreaGivesNoNegativeSizes) {
    for (CSize client : {CSize(0, 0), CSize(1121, 0), CSize(0, 780), CSize(10, 10), CSize(-5, -5)}) {
        SCOPED_TRACE(testing::Message() << client.cx << " x " << client.cy);
        const MainWindowLayout layout = LayOutMainWindow(client, kPictures);
        EXPECT_TRUE(std::isfinite(layout.scale));
        EXPECT_GE(layout.scale, 0.0f);
        std::vector<CRect> rects{layout.caption, layout.message};
        for (int id = 30; id <= 56; ++id) {
            if (auto rect = FrameControlRect(layout, id)) rects.push_back(*rect);
        }
        for (const CRect& rect : rects) {
            EXPECT_GE(rect.Width(), 0);
            EXPECT_GE(rect.Height(), 0);
        }
        EXPECT_GE(layout.modelSelectorFontSize, 0);
        EXPECT_GE(layout.messageFontSize, 0);
    }
    const MainWindowLayout none = LayOutMainWindow(CSize(0, 0), kPictures);
    EXPECT_EQ(none.scale, 0.0f);
    EXPECT_TRUE(none.pageContainer.IsRectEmpty());
    EXPECT_TRUE(none.message.IsRectEmpty());
    EXPECT_TRUE(none.modelSelector.IsRectEmpty());
}

}  // namespace
