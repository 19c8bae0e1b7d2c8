// The arithmetic behind the toolkit's drawing: nine-grid pieces, transition ramps,
// rounded-rectangle radii, gradient bands, alignment and text box heights.
#include <gtest/gtest.h>

#include "RenderGeometry.h"

namespace Kelvo {
namespace {

TEST(RenderGeometryTest, NineGridKeepsCornersAndStretchesTheRest) {
    // A 30 × 20 frame at x = 60 of its strip, drawn into (10, 5)–(110, 45) with margins 4, 3, 6, 2.
    const auto pieces = NineGridPieces(CRect(10, 5, 110, 45), 60, 0, 30, 20, 4, 3, 6, 2);
    const GridRect expected[9][2] = {
        {{10, 5, 4, 3}, {60, 0, 4, 3}},       // top-left
        {{10, 8, 4, 35}, {60, 3, 4, 15}},     // left edge
        {{10, 43, 4, 2}, {60, 18, 4, 2}},     // bottom-left
        {{14, 5, 90, 3}, {64, 0, 20, 3}},     // top edge
        {{104, 5, 6, 3}, {84, 0, 6, 3}},      // top-right
        {{104, 8, 6, 35}, {84, 3, 6, 15}},    // right edge
        {{104, 43, 6, 2}, {84, 18, 6, 2}},    // bottom-right
        {{14, 43, 90, 2}, {64, 18, 20, 2}},   // bottom edge
        {{14, 8, 90, 35}, {64, 3, 20, 15}},   // centre
    };
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(pieces[i].dest, expected[i][0]) << "piece " << i;
        EXPECT_EQ(pieces[i].src, expected[i][1]) << "piece " << i;
        EXPECT_TRUE(pieces[i].IsDrawable()) << "piece " << i;
    }
}

TEST(RenderGeometryTest, NineGridSmallerThanTwoCornersOverlapsCornersAndDropsEdges) {
    const auto pieces = NineGridPieces(CRect(0, 0, 6, 6), 0, 0, 12, 12, 4, 4, 4, 4);
    for (int corner : {0, 2, 4, 6}) EXPECT_TRUE(pieces[corner].IsDrawable()) << corner;
    EXPECT_EQ(pieces[6].dest, (GridRect{2, 2, 4, 4}));  // bottom-right corner overlaps the top-left one
    for (int stretched : {1, 3, 5, 7, 8}) EXPECT_FALSE(pieces[stretched].IsDrawable()) << stretched;
}

TEST(RenderGeometryTest, TransitionRampsRunEvenlyBetweenThePercentages) {
    const struct {
        int from, to, count;
        std::vector<int> alphas;
    } cases[] = {
        {80, 80, 4, {51, 51, 51, 51}},          // equal percentages: one constant alpha
        {0, 100, 10, {255, 229, 204, 178, 153, 127, 102, 76, 51, 25}},  // fractional step 25.5
        {100, 0, 4, {0, 63, 127, 191}},         // fading in rises from the transparent end
        {20, 60, 2, {204, 153}},
        {-50, 150, 2, {255, 127}},              // percentages are limited to 0 … 100
    };
    for (const auto& c : cases) {
        const AlphaRamp ramp = MakeAlphaRamp(c.from, c.to, c.count);
        for (int i = 0; i < c.count; ++i)
            EXPECT_EQ(ramp.AlphaAt(i), c.alphas[static_cast<size_t>(i)]) << c.from << "→" << c.to << " row " << i;
    }
    // Three hundred rows over the full range still change from row to row (an integer step would be 0).
    const AlphaRamp tall = MakeAlphaRamp(0, 100, 300);
    EXPECT_EQ(tall.AlphaAt(0), 255);
    EXPECT_EQ(tall.AlphaAt(299), 0);
    EXPECT_EQ(tall.AlphaAt(150), 127);
}

TEST(RenderGeometryTest, CornerFadeFallsWithDistance) {
    EXPECT_EQ(RadialFadeAlpha(0, 0, 10), 255);
    EXPECT_EQ(RadialFadeAlpha(5, 0, 10), 127);
    EXPECT_EQ(RadialFadeAlpha(3, 4, 10), 127);
    EXPECT_EQ(RadialFadeAlpha(10, 10, 10), 0);
    EXPECT_EQ(RadialFadeAlpha(1, 1, 0), 0);
}

TEST(RenderGeometryTest, RoundRectangleRadii) {
    const struct {
        float w, h, divisor;
        float rx, ry;
    } byDivisor[] = {
        {100, 40, 5, 10, 4},     // w / d / 2 and h / d / 2
        {300, 40, 5, 4, 4},      // 30 and 4 differ by more than 10: both the smaller
        {100, 40, 0, 0, 0},      // no divisor, no rounding
        {100, 40, 0.25f, 50, 20},  // never more than half a side
    };
    for (const auto& c : byDivisor) {
        const CornerRadii r = RadiiFromDivisor(c.w, c.h, c.divisor);
        EXPECT_FLOAT_EQ(r.rx, c.rx) << c.w << "x" << c.h << "/" << c.divisor;
        EXPECT_FLOAT_EQ(r.ry, c.ry) << c.w << "x" << c.h << "/" << c.divisor;
    }
    const CornerRadii progress = RadiiFromRadius(200, 14, 3);
    EXPECT_FLOAT_EQ(progress.rx, 3);
    EXPECT_FLOAT_EQ(progress.ry, 3);
    const CornerRadii thin = RadiiFromRadius(4, 14, 3);
    EXPECT_FLOAT_EQ(thin.rx, 2);
}

TEST(RenderGeometryTest, GradientChannelsAndBands) {
    EXPECT_EQ(GradientChannel(0xFF), 0xFF00);
    EXPECT_EQ(GradientChannel(0x12), 0x1200);
    EXPECT_EQ(GradientAlpha(0xFF000000, 0x80000000), 191);
    EXPECT_EQ(GradientAlpha(0x00FFFFFF, 0x01000000), 0);

    const struct {
        int steps, bands;
    } counts[] = {{0, 2}, {3, 2}, {4, 4}, {7, 4}, {8, 8}, {16, 16}, {31, 16}, {32, 32}, {63, 32}, {64, 64}, {500, 64}};
    for (const auto& c : counts) EXPECT_EQ(GradientBandCount(c.steps), c.bands) << c.steps;

    // Red to blue in four bands over 10 rows, filled from the bottom.
    const auto bands = GradientBands(7, 10, 0xFFFF0000, 0xFF0000FF, true, 5);
    ASSERT_EQ(bands.size(), 4u);
    EXPECT_EQ(bands[0].rect, CRect(0, 7, 7, 10));
    EXPECT_EQ(bands[0].colour, 0xFF0000u);  // colour reference of pure blue
    EXPECT_EQ(bands[3].rect, CRect(0, 0, 7, 2));
    EXPECT_EQ(bands[3].colour, 0x0000FFu);  // pure red
    EXPECT_EQ(bands[2].colour, 0x5500AAu);
    int covered = 0;
    for (const auto& band : bands) covered += band.rect.Height();
    EXPECT_EQ(covered, 10);

    const auto across = GradientBands(8, 3, 0xFF000000, 0xFFFFFFFF, false, 1);
    ASSERT_EQ(across.size(), 2u);
    EXPECT_EQ(across[0].rect, CRect(4, 0, 8, 3));  // from the right
    EXPECT_EQ(across[0].colour, 0xFFFFFFu);
    EXPECT_TRUE(GradientBands(0, 5, 0, 0, true, 4).empty());
}

TEST(RenderGeometryTest, AlignedOffsets) {
    const struct {
        int h, v;
        CPoint offset;
    } cases[] = {{1, 4, {40, 15}}, {0, 0, {0, 0}}, {2, 8, {80, 30}}, {3, 5, {0, 0}}};
    for (const auto& c : cases) EXPECT_EQ(AlignedOffset(100, 40, 20, 10, c.h, c.v), c.offset) << c.h << "," << c.v;
}

TEST(RenderGeometryTest, TextBoxHeights) {
    EXPECT_EQ(SingleLineTextHeight(21.79f), 25);
    EXPECT_EQ(SingleLineTextHeight(20.0f), 21);
    EXPECT_EQ(WrappedTextHeight(20.0f, 40.5f), 47);  // 21 < 42: bounds + 5
    EXPECT_EQ(WrappedTextHeight(21.5f, 18.0f), 24);  // 23 ≥ 19: font + 1
}

}  // namespace
}  // namespace Kelvo
