// The DPI level editor in a real window: its plus and minus buttons step the value inside
// 50 … 26000 and, while its check box is checked, select it in its group and tell the
// parent (2 with lparam 3) after passing the button's own notifications on; a press on the
// value opens the "DPIEditWindow" editor, whose typed value is kept; the check box's
// notification arrives twice, first under the editor's own ID.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "DPIControl.h"
#include "InputDriver.h"
#include "StatusTestSupport.h"

namespace {

using harness::Notification;
using Kelvo::DPIControl;

constexpr UINT kId = 50;
// Check box (20, 160)-(45, 185), minus (50, 162)-(70, 182), value (75, 160)-(160, 185),
// plus (170, 162)-(190, 182), colour mark (195, 160)-(220, 185).
const CRect kEditor(20, 150, 220, 190);
const CPoint kPlus(180, 172), kMinus(60, 172), kValue(117, 172), kCheckBox(32, 172);

auto Fields(const Notification& n) { return std::make_tuple(n.id, n.code, n.wparam, n.lparam); }

class DPIControlTest : public ::testing::Test {
protected:
    DPIControl* Make(UINT id, CRect rect, int value) {
        auto* editor = window.Add(new DPIControl(&recorder, id, rect, 1));
        editor->SetGroupName(L"LEVELS");
        editor->SetDPIValue(value);
        return editor;
    }

    void Forget() {
        recorder.seen.clear();
        recorder.threads.clear();
    }

    void ExpectSeen(const std::vector<Notification>& expected) {
        std::string seen;
        for (const Notification& n : recorder.seen)
            seen += std::to_string(n.id) + ":" + std::to_string(n.code) + ":" + std::to_string(n.lparam) + " ";
        ASSERT_EQ(recorder.seen.size(), expected.size()) << seen;
        for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(Fields(recorder.seen[i]), Fields(expected[i])) << i;
        for (DWORD thread : recorder.threads) EXPECT_EQ(thread, ::GetCurrentThreadId());
    }

    harness::TestWindow window;
    statustest::Recorder recorder{window};
    harness::InputDriver input{window};
};

TEST_F(DPIControlTest, PlusAndMinusStepInsideTheRangeAndSelectACheckedLevel) {
    const struct {
        const char* name;
        int start;
        CPoint button;
        bool checked;
        int value;
        std::vector<Notification> notifications;
    } cases[] = {
        {"plus near the top", 25990, kPlus, true, 26000, {{35, 1, 0, 0}, {35, 2, 0, 0}, {kId, 2, 0, 3}}},
        {"plus at the top", 26000, kPlus, true, 26000, {{35, 1, 0, 0}, {35, 2, 0, 0}, {kId, 2, 0, 3}}},
        {"minus near the bottom", 80, kMinus, true, 50, {{36, 1, 0, 0}, {36, 2, 0, 0}, {kId, 2, 0, 3}}},
        {"minus", 800, kMinus, true, 750, {{36, 1, 0, 0}, {36, 2, 0, 0}, {kId, 2, 0, 3}}},
        {"an unchecked level only steps", 800, kPlus, false, 850, {{35, 1, 0, 0}, {35, 2, 0, 0}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DPIControl* other = Make(kId + 1, CRect(20, 200, 220, 240), 400);
        other->SetCheckStateEx(1);
        DPIControl* editor = Make(kId, kEditor, c.start);
        editor->SetCheck(c.checked ? 1 : 0);
        window.PaintNow();
        Forget();
        input.Click(c.button);
        EXPECT_EQ(editor->GetDPIValue(), c.value);
        EXPECT_EQ(editor->GetCheckState(), c.checked ? 1 : 0);
        EXPECT_EQ(other->GetCheckState(), c.checked ? 0 : 1);
        ExpectSeen(c.notifications);
        window.Manager().RemoveControl(editor);
        window.Manager().RemoveControl(other);
    }
}

TEST_F(DPIControlTest, TheValueIsTypedInItsOwnEditor) {
    DPIControl* editor = Make(kId, kEditor, 800);
    window.PaintNow();
    Forget();
    input.Click(kValue);
    HWND native = ::FindWindowExW(window.Handle(), nullptr, L"DPIEditWindow", nullptr);
    ASSERT_NE(native, nullptr);
    EXPECT_TRUE(::IsWindowVisible(native));
    EXPECT_EQ(editor->GetCheckState(), 1);  // its check box is checked: the press selects it
    for (WORD key : {'1', '2', '3', '4'}) input.Key(key);
    EXPECT_EQ(editor->GetDPIValue(), 1234);  // read from the open editor
    input.Key(VK_RETURN);
    EXPECT_FALSE(::IsWindowVisible(native));
    EXPECT_EQ(editor->GetDPIValue(), 1234);
    ExpectSeen({{kId, 29, 0, 0}});

    // The check box speaks twice: as the editor (lparam 1), then as itself.
    Forget();
    input.Click(kCheckBox);
    EXPECT_EQ(editor->GetCheck(), 0);
    ASSERT_EQ(recorder.seen.size() % 2, 0u);
    ASSERT_FALSE(recorder.seen.empty());
    for (size_t i = 0; i < recorder.seen.size(); i += 2) {
        const Notification& own = recorder.seen[i];
        const Notification& passed = recorder.seen[i + 1];
        EXPECT_EQ(Fields(own), Fields({kId, passed.code, passed.wparam, 1}));
        EXPECT_EQ(passed.id, static_cast<UINT>(DPIControl::kCheckBoxId));
    }
}

TEST_F(DPIControlTest, DrawsItsPartsFromTheShippedSkin) {
    const statustest::SkinPicture plus(L"img_btn_dpi_add.png");
    const statustest::SkinPicture minus(L"img_btn_dpi_subtract.png");
    ASSERT_EQ(plus.Width(), 80);
    ASSERT_EQ(minus.Height(), 20);
    Make(kId, kEditor, 800);
    window.Manager().SetBackColor(RGB(0x10, 0x20, 0x30), RGB(0x10, 0x20, 0x30));
    window.PaintNow();
    // The plus glyph's centre and the minus bar, in the normal frame.
    for (const auto& p : {CPoint(10, 10), CPoint(10, 7), CPoint(3, 10)}) {
        EXPECT_TRUE(statustest::Near(window.Pixel(170 + p.x, 162 + p.y), statustest::Over(plus.At(p.x, p.y), statustest::kBackground)))
            << std::hex << window.Pixel(170 + p.x, 162 + p.y);
        EXPECT_TRUE(statustest::Near(window.Pixel(50 + p.x, 162 + p.y), statustest::Over(minus.At(p.x, p.y), statustest::kBackground)))
            << std::hex << window.Pixel(50 + p.x, 162 + p.y);
    }
}

}  // namespace
