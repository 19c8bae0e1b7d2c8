// The event list: its row operations on worked examples (the time-stamp groups a
// recording makes, including a release recorded without its press), a press that
// selects a row with its group, renaming in place, and the type icons from the skin.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "CRecordList.h"
#include "RenderCanvas.h"
#include "InputDriver.h"
#include "Manager.h"
#include "StatusTestSupport.h"

namespace {

using Kelvo::CRecordList;
using statustest::kBackground;

constexpr UINT kId = 152;
const CRect kListRect(20, 20, 380, 290);  // nine rows of 30

struct Row {
    int type, value, stamp;
    bool operator==(const Row&) const = default;
};

CPoint TextOf(int row) { return CPoint(kListRect.left + 250, kListRect.top + row * 30 + 15); }
DWORD Highlight() { return Kelvo::Manager::GetSelectColor() & 0xFFFFFF; }

class CRecordListTest : public ::testing::Test {
protected:
    void SetUp() override { window.Manager().SetBackColor(RGB(0x10, 0x20, 0x30), RGB(0x10, 0x20, 0x30)); }

    CRecordList* Make(const std::vector<Row>& rows) {
        auto* list = window.Add(new CRecordList(&recorder, kId, kListRect, 1));
        list->SetImageList(L"icon\\icon_record.png", 8);
        list->SetMoreImage(L"btn_more.png", 4);
        for (const Row& row : rows)
            list->AddString((L"step " + std::to_wstring(row.value)).c_str(), row.type, row.value, row.stamp);
        return list;
    }

    static std::vector<Row> Rows(CRecordList& list) {
        std::vector<Row> rows;
        for (const Kelvo::RecordItem& item : list.GetRecordItems()) rows.push_back({item.type, item.value, item.timeStamp});
        return rows;
    }

    harness::TestWindow window{CRect(100, 100, 500, 400)};
    statustest::Recorder recorder{window};
    harness::InputDriver input{window};
};

TEST_F(CRecordListTest, RowOperationsOnWorkedExamples) {
    const Row down{2, 65, 1}, delay{1, 50, 2}, up{3, 65, 5};
    const struct {
        const char* name;
        std::vector<Row> rows;
        std::function<void(CRecordList&)> change;
        std::vector<Row> after;
        int selected;
    } cases[] = {
        {"a release joins its press", {down, delay, up}, [](CRecordList& l) { l.UpdateTimeStamp(3, 65, 7); },
         {{2, 65, 7}, delay, {3, 65, 7}}, -1},
        // Recording began with the key held: the new release has no press of its own.
        {"an orphan release stays alone", {down, delay, {3, 65, 3}, {3, 65, 4}},
         [](CRecordList& l) { l.UpdateTimeStamp(3, 65, 9); }, {down, delay, {3, 65, 3}, {3, 65, 9}}, -1},
        {"a button release joins its press", {{4, 1, 1}, {5, 1, 2}}, [](CRecordList& l) { l.UpdateTimeStamp(5, 1, 8); },
         {{4, 1, 8}, {5, 1, 8}}, -1},
        {"deleting a pair leaves the delays", {{2, 65, 1}, delay, {1, 60, 3}, {3, 65, 1}},
         [](CRecordList& l) { l.DeleteTimeStamp(1); }, {delay, {1, 60, 3}}, -1},
        {"move to the bottom", {down, delay, up}, [](CRecordList& l) { l.MoveBottom(0); }, {delay, up, down}, 2},
        {"move to the top", {down, delay, up}, [](CRecordList& l) { l.MoveTop(2); }, {up, down, delay}, 0},
        {"bad indexes change nothing", {down, delay},
         [](CRecordList& l) {
             l.MoveTop(2);
             l.MoveBottom(-1);
             EXPECT_FALSE(l.SetRecordInfo(2, L"x", 1, 1, 1));
             EXPECT_EQ(l.SwapItem(0, 5), 0);
             EXPECT_EQ(l.InsertString(4, L"x", 1, 1, 1), -1);
         },
         {down, delay}, -1},
        {"a group's rows take a text and value", {down, {3, 65, 1}},
         [](CRecordList& l) { l.SetRecordInfo(1, 3, L"B up", 66); }, {down, {3, 66, 1}}, -1},
        {"the last row takes a delay's stamp", {down, delay}, [](CRecordList& l) { EXPECT_TRUE(l.UpdateDelayTime(4)); },
         {down, {1, 50, 4}}, -1},
        {"an empty list has no last row", {}, [](CRecordList& l) { EXPECT_FALSE(l.UpdateDelayTime(4)); }, {}, -1},
        {"an empty list takes a row at any index", {},
         [](CRecordList& l) { EXPECT_EQ(l.InsertString(3, L"x", 2, 65, 1), 0); }, {down}, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CRecordList* list = Make(c.rows);
        c.change(*list);
        EXPECT_EQ(Rows(*list), c.after);
        EXPECT_EQ(list->GetCurSel(), c.selected);
        window.Manager().RemoveControl(list);
    }
    CRecordList* list = Make({down, delay, up});
    EXPECT_EQ(list->GetEventCount(), 2);
    EXPECT_EQ(list->GetRecrodTimeStamp(2), 5);
    EXPECT_EQ(list->GetRecrodTimeStamp(3), 0);
}

TEST_F(CRecordListTest, APressSelectsTheRowWithItsGroup) {
    CRecordList* list = Make({{2, 65, 1}, {1, 50, 2}, {3, 65, 1}});
    window.PaintNow();
    recorder.Clear();
    input.Click(TextOf(2));
    input.MoveTo(CPoint(390, 295));
    ASSERT_EQ(recorder.seen.size(), 2u);
    EXPECT_EQ(std::make_tuple(recorder.seen[0].code, recorder.seen[0].wparam), std::make_tuple(1u, WPARAM(2)));
    EXPECT_EQ(std::make_tuple(recorder.seen[1].code, recorder.seen[1].wparam), std::make_tuple(2u, WPARAM(0)));
    EXPECT_TRUE(recorder.AllOnThisThread());
    EXPECT_EQ(list->GetCurSel(), 2);
    window.PaintNow();
    const int x = kListRect.left + 60;  // between the number and the icon
    EXPECT_EQ(window.Pixel(x, kListRect.top + 15), Highlight());
    EXPECT_EQ(window.Pixel(x, kListRect.top + 45), kBackground);
    EXPECT_EQ(window.Pixel(x, kListRect.top + 75), Highlight());
    EXPECT_TRUE(statustest::Near(window.Pixel(x, kListRect.top + 59), 0x6D6D6D));  // the separator
}

TEST_F(CRecordListTest, RenamingInPlaceLeavesTheRowToThePage) {
    CRecordList* list = Make({{2, 65, 1}, {3, 65, 1}});
    list->EnableShowEdit(1);
    window.PaintNow();
    recorder.Clear();
    input.DoubleClick(TextOf(1));
    ASSERT_NE(list->GetEditWindow(), nullptr);
    ASSERT_GE(recorder.seen.size(), 3u);
    EXPECT_EQ(recorder.seen[recorder.seen.size() - 2].code, 30u);
    recorder.Clear();
    for (wchar_t c : std::wstring(L"KEY")) input.Key(static_cast<WORD>(c));
    EXPECT_STREQ(list->GetEditText().GetString(), L"key");
    input.Key(VK_RETURN);
    ASSERT_EQ(recorder.seen.size(), 1u);
    EXPECT_EQ(std::make_tuple(recorder.seen[0].code, recorder.seen[0].lparam), std::make_tuple(29u, LPARAM(1)));
    EXPECT_STREQ(list->GetEditText().GetString(), L"key");
    CString text;
    int type = 0, value = 0, stamp = 0;
    ASSERT_TRUE(list->GetRecordInfo(1, text, type, value, stamp));
    EXPECT_STREQ(text.GetString(), L"step 65");
}

TEST_F(CRecordListTest, EachTypeShowsItsIconNormalAndHighlighted) {
    const statustest::SkinPicture icons(L"icon\\icon_record.png");
    ASSERT_EQ(icons.Width(), 160);
    const struct {
        int type;
        int frame;
    } rows[] = {{8, 0}, {12, 0}, {2, 2}, {3, 2}, {6, 2}, {7, 2}, {4, 4}, {5, 4}, {1, 6}};
    std::vector<Row> filled;
    for (int i = 0; i < 9; ++i) filled.push_back({rows[i].type, i, i + 1});
    CRecordList* list = Make(filled);
    for (bool selected : {false, true}) {
        SCOPED_TRACE(selected ? "highlighted" : "normal");
        for (int i = 0; i < 9; ++i) {
            list->SetCurSel(selected ? i : -1);
            window.PaintNow();
            const int frame = rows[i].frame + (selected ? 1 : 0);
            // The frame's most opaque pixel, where the icon's own colour shows best.
            CPoint best;
            for (int y = 0; y < 20; ++y)
                for (int x = 0; x < 20; ++x)
                    if ((icons.At(frame * 20 + x, y) >> 24) > (icons.At(frame * 20 + best.x, best.y) >> 24)) best = CPoint(x, y);
            const DWORD under = selected ? Highlight() : kBackground;
            const DWORD shown = window.Pixel(kListRect.left + 90 + best.x, kListRect.top + i * 30 + 5 + best.y);
            EXPECT_TRUE(statustest::Near(shown, statustest::Over(icons.At(frame * 20 + best.x, best.y), under)))
                << "type " << rows[i].type << " shows " << std::hex << shown;
        }
    }
}

// The font has no arrows: drawn as glyphs, "↓  A" and "↑  A" would both show the same
// empty box. Drawn as strokes, a key's press and release look different, and the text
// after the arrow is still drawn.
TEST_F(CRecordListTest, ArrowsInEventTextsAreDrawnNotLeftToTheFont) {
    ASSERT_NE(window.Manager().AddTempFont(L"Open Sans Semibold", Kelvo::test::FontFile("Semibold").c_str()), nullptr);
    CRecordList* list = Make({});
    list->SetFont(L"Open Sans Semibold", 14, 0);
    list->AddString(L"\u2193  A", 2, 4, 1);
    list->AddString(L"\u2191  A", 3, 4, 1);
    window.PaintNow();
    auto pixels = [&](int row, int from, int to) {
        std::vector<DWORD> p;
        for (int y = kListRect.top + row * 30 + 3; y < kListRect.top + row * 30 + 27; ++y)
            for (int x = kListRect.left + from; x < kListRect.left + to; ++x) p.push_back(window.Pixel(x, y));
        return p;
    };
    const std::vector<DWORD> down = pixels(0, 190, 205), up = pixels(1, 190, 205);
    EXPECT_NE(std::count(down.begin(), down.end(), kBackground), static_cast<long>(down.size())) << "no arrow";
    EXPECT_TRUE(down != up) << "press and release look alike";
    EXPECT_TRUE(pixels(0, 205, 240) == pixels(1, 205, 240)) << "the key's name follows both arrows alike";
}

}  // namespace
