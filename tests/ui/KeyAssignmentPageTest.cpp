// The key assignment page as a user meets it: the real window with the virtual mouse
// behind the real worker, real clicks and key presses at the places the page puts its
// controls, then the button code in the mouse's memory, the stored assignment and what
// the page shows after the next read.
#include <vector>

#include <memory>

#include "CComboBoxWnd.h"
#include "CUIMessageBox.h"
#include "MButton2.h"
#include "MButton3.h"
#include "MComboBox2.h"
#include "MEdit.h"
#include "MainWindowFixture.h"
#include "MouseKeyCtrl.h"
#include "SettingsDatabase.h"

namespace {

using namespace mainwindow;

constexpr int kKeyTab = 1;
const CPoint kOk{215, 198};
const CPoint kYes{145, 198};
const CPoint kNo{285, 198};
using Code = std::vector<std::uint8_t>;

struct Mouse {
    const sim::DeviceSetup* setup;
    bool secondFamily;
};
const Mouse kMice[] = {{&kF1, false}, {&kR3, false}, {&kN2, true}};

class KeyPageTest : public MainWindowTest {
protected:
    void OpenOn(const sim::DeviceSetup& device) {
        ASSERT_NO_FATAL_FAILURE(Open({device}));
        ASSERT_TRUE(WaitForLabel(51));
        ASSERT_TRUE(wintest::PumpUntil([&] { return m_window->Devices().Worker().FirstReadDone(); }, kPatienceMs));
        m_mouse = device.name;
        m_second = device.family == sim::Family::kNodic;
        Click(TabCentre(kKeyTab));
    }
    template <class T>
    T* Get(UINT id) {
        return dynamic_cast<T*>(m_window->GetControl(id));
    }
    void ClickControl(UINT id) {
        Kelvo::MControl* control = m_window->GetControl(id);
        ASSERT_NE(control, nullptr);
        Click(control->GetRect().CenterPoint());
    }
    // The lock as the program settings page keeps it, shown after the next read.
    void SetLeftLock(int locked) {
        m_window->Devices().Store().SetConfigValue(m_window->CurrentProfile(), CString(L"leftbtn_lock"), locked);
        ReadAgain();
        ASSERT_EQ(m_window->LeftLock(), locked);
    }
    int S(double v) { return static_cast<int>(v * m_window->Scale()); }
    // Row `row` of the button list, where the page's geometry puts it: the list starts
    // 36·s under the column's top (50·s under the title row), one row every 27·s + 5.
    CPoint ButtonRow(int row) {
        const int height = static_cast<int>(Kelvo::MouseKeyCtrl::kRowHeight * m_window->Scale() + 0.5f);
        return CPoint(100 + S(10) + S(210) / 2, 75 + S(50) + S(36) + row * (height + 5) + height / 2);
    }
    // Whether a category's list or button is highlighted; -1 for no such control.
    int Checked(UINT id) {
        if (auto* list = Get<Kelvo::MComboBox2>(id)) return list->GetCheck();
        if (auto* button = Get<Kelvo::MButton2>(id)) return button->GetCheck();
        return -1;
    }
    int ItemShown(UINT id) {
        auto* list = Get<Kelvo::MComboBox2>(id);
        return list ? list->GetCurSel() : -1;
    }
    Kelvo::MouseKeyCtrl& ButtonList() { return *Get<Kelvo::MouseKeyCtrl>(63); }
    // Selects the list's row and says which button that is.
    int SelectRow(int row) {
        Click(ButtonRow(row));
        return ButtonList().GetItemKeyValue(row);
    }
    void ChooseItem(UINT listId, int index) {
        auto* list = Get<Kelvo::MComboBox2>(listId);
        ASSERT_NE(list, nullptr);
        Click(list->GetRect().CenterPoint());
        ASSERT_TRUE(list->IsPopupOpen());
        RECT popup{};
        GetWindowRect(list->GetPopup()->GetSafeHwnd(), &popup);
        wintest::Click(POINT{(popup.left + popup.right) / 2,
                             popup.top + 6 + Kelvo::MComboBox::kRowHeight * index + Kelvo::MComboBox::kRowHeight / 2});
        wintest::Pump(200);
    }
    // The next message box is answered at `button` once it shows; its message is kept.
    void AnswerNextBox(CPoint button) {
        m_message = std::make_shared<std::wstring>();
        WatchForBox(m_message, button, 30);
    }
    static void WatchForBox(std::shared_ptr<std::wstring> seen, CPoint button, int triesLeft) {
        uitest::RunSoon([seen, button, triesLeft] {
            HWND box = uitest::FindDialog(L"MessageBox");
            if (!box) {
                if (triesLeft > 0) WatchForBox(seen, button, triesLeft - 1);
                return;
            }
            auto* message = dynamic_cast<Kelvo::MControlFont*>(uitest::DialogObject<CUIMessageBox>(box)->GetControl(CUIMessageBox::kMessageId));
            *seen = message ? std::wstring(message->GetTitle().GetString()) : L"";
            uitest::ClickWithoutPumping(box, button);
        }, 100);
    }
    void ReadAgain() {
        m_window->Devices().Worker().Queue(DeviceTask{kTaskApplyProfile, m_window->CurrentProfile()});
        wintest::Pump(1500);
    }
    KeyAssignment Stored(int button) {
        KeyAssignment record;
        m_window->Devices().Store().GetKeyAssignment(m_window->CurrentProfile(), 0, button, record);
        return record;
    }
    // The button's code in the mouse: ten bytes in the first family, four in the second.
    Code MouseCode(int button) {
        sim::MouseMemory* memory = sim::Memory(m_mouse);
        if (!memory) return {};
        if (m_second) {
            const auto& table = memory->nodic.profiles[static_cast<std::size_t>(memory->currentProfile)].buttons;
            return Code(table.begin() + 4 * button, table.begin() + 4 * button + 4);
        }
        const sim::StoredButton& code = memory->Current().buttons[static_cast<std::size_t>(button)];
        return Code(code.begin(), code.end());
    }
    bool MouseHolds(int button, const Code& expected) {
        return wintest::PumpUntil([&] { return MouseCode(button) == expected; }, kPatienceMs);
    }
    // A first-family code padded to the ten bytes the mouse keeps.
    static Code Padded(Code code) {
        code.resize(10);
        return code;
    }
    Code Expected(const Code& first, const Code& second) { return m_second ? second : Padded(first); }
    // Keys pressed and released in order, as the keyboard sends them.
    static void Press(std::initializer_list<WORD> keys, bool up) {
        for (WORD key : keys) {
            INPUT input{};
            input.type = INPUT_KEYBOARD;
            input.ki.wVk = key;
            input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
            SendInput(1, &input, sizeof(INPUT));
            wintest::Pump(60);
        }
    }

    std::string m_mouse;
    bool m_second = false;
    std::shared_ptr<std::wstring> m_message;
};

// Each category list and the single fixed function, on every chip family: the code in
// the mouse, the stored record, and the page after the next read.
TEST_F(KeyPageTest, EveryCategoryReachesTheMouseTheStoreAndTheReload) {
    struct Row {
        UINT control;
        int item;  // -1: a button, not a list
        int type;
        int value;
        Code first;
        Code second;
    };
    const Row rows[] = {
        {68, 2, 1, 2, {0x01, 0x04}, {0x01, 0x00, 0xF2, 0x00}},
        {70, 0, 3, 6, {0x03, 0xE9, 0x00}, {0x03, 0x00, 0xE9, 0x00}},
        {74, 2, 8, 3, {0x08, 0x0C, 0x92, 0x01}, {0x03, 0x00, 0x92, 0x01}},
        {76, 1, 5, 1, {0x05, 0x02}, {0x07, 0x00, 0x01, 0x00}},
        {85, -1, 9, 1, {0x09}, {0x00, 0x00, 0x00, 0x00}},
    };
    for (const Mouse& mouse : kMice) {
        SCOPED_TRACE(mouse.setup->name);
        TearDown();
        SetUp();
        ASSERT_NO_FATAL_FAILURE(OpenOn(*mouse.setup));
        for (const Row& row : rows) {
            SCOPED_TRACE(row.control);
            const int button = SelectRow(1);
            if (row.item >= 0) ChooseItem(row.control, row.item);
            else ClickControl(row.control);
            EXPECT_TRUE(MouseHolds(button, Expected(row.first, row.second)));
            const KeyAssignment stored = Stored(button);
            EXPECT_EQ(stored.macro_type, row.type);
            EXPECT_EQ(stored.macro_value, row.value);
            const CString shown = ButtonList().GetItemKeyDesc(1);
            EXPECT_EQ(stored.macro_desc, shown);

            ReadAgain();
            EXPECT_EQ(ButtonList().GetItemKeyDesc(1), shown) << "the reload names it the same";
            SelectRow(1);
            EXPECT_EQ(Checked(row.control), 1);
            if (row.item >= 0) {
                EXPECT_EQ(ItemShown(row.control), row.item);
            }
        }
        EXPECT_EQ(Get<Kelvo::MControl>(78)->GetRect().IsRectEmpty(), mouse.secondFamily)
            << "numbered functions only with lighting";
    }
    EXPECT_EQ(uitest::KeepScreenshot(m_hwnd, L"key-page.png"), L"");
}

// Two buttons given functions one right after the other: each task names its button.
TEST_F(KeyPageTest, TwoButtonsAssignedQuicklyEachGetTheirOwnFunction) {
    ASSERT_NO_FATAL_FAILURE(OpenOn(kF1));
    const int first = SelectRow(1);
    ChooseItem(68, 2);
    const int second = SelectRow(2);
    ChooseItem(70, 0);
    EXPECT_TRUE(MouseHolds(first, Padded({0x01, 0x04})));
    EXPECT_TRUE(MouseHolds(second, Padded({0x03, 0xE9, 0x00})));
}

// A key combination captured from the keyboard: the held modifiers turn their toggles
// on, the key is named from the key-name table; stored, sent and shown again.
TEST_F(KeyPageTest, AKeyCombinationIsCapturedFromTheKeyboard) {
    for (const Mouse& mouse : {kMice[0], kMice[2]}) {
        SCOPED_TRACE(mouse.setup->name);
        TearDown();
        SetUp();
        ASSERT_NO_FATAL_FAILURE(OpenOn(*mouse.setup));
        const int button = SelectRow(1);
        const KeyAssignment before = Stored(button);  // what the first read found, if anything
        ClickControl(80);
        ASSERT_TRUE(Visible(88));
        ClickControl(93);  // nothing captured yet: refused
        EXPECT_TRUE(Visible(88));
        EXPECT_EQ(Stored(button).macro_type, before.macro_type);
        EXPECT_EQ(Stored(button).key_id, before.key_id);

        ClickControl(88);
        Press({VK_CONTROL, VK_MENU}, false);
        Press({'A'}, false);
        Press({'A', VK_MENU, VK_CONTROL}, true);
        EXPECT_EQ(Get<Kelvo::MEdit>(88)->GetEditText(), CString(L"A"));
        ClickControl(93);
        const KeyAssignment stored = Stored(button);
        EXPECT_EQ(stored.macro_type, 2);
        EXPECT_EQ(stored.macro_value, 0x04);
        EXPECT_EQ(stored.macro_value2, 5);
        EXPECT_EQ(stored.macro_desc, CString(L"Ctrl+ Alt + A"));
        EXPECT_TRUE(MouseHolds(button, Expected({0x02, 0x05, 0x04}, {0x00, 0x05, 0x04, 0x00})));

        ReadAgain();
        EXPECT_EQ(ButtonList().GetItemKeyDesc(1), CString(L"Ctrl+ Alt + A"));
        SelectRow(1);
        EXPECT_EQ(Checked(80), 1);
        EXPECT_EQ(Get<Kelvo::MEdit>(88)->GetEditText(), CString(L"A"));
        const int toggles[] = {1, 0, 1, 0};  // Ctrl, Win, Alt, Shift
        for (int i = 0; i < 4; ++i) EXPECT_EQ(Get<Kelvo::MButton3>(89 + i)->GetCheck(), toggles[i]) << 89 + i;

        // A capture left running by a reload would still take the next key.
        ClickControl(88);
        ReadAgain();
        Press({'B'}, false);
        Press({'B'}, true);
        EXPECT_EQ(Get<Kelvo::MEdit>(88)->GetEditText(), CString(L""));
    }
}

// Panel B: a repeated mouse button with its numbers kept in the family's ranges.
TEST_F(KeyPageTest, ARepeatedButtonKeepsItsNumbersInRange) {
    struct Row {
        const Mouse* mouse;
        const wchar_t* count;
        const wchar_t* interval;
        int storedCount;
        int storedInterval;
    };
    const Row rows[] = {{&kMice[2], L"5000", L"5", 4000, 10}, {&kMice[0], L"12000", L"2000", 9999, 1000}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.mouse->setup->name);
        TearDown();
        SetUp();
        ASSERT_NO_FATAL_FAILURE(OpenOn(*row.mouse->setup));
        const int button = SelectRow(1);
        ClickControl(82);
        ASSERT_TRUE(Visible(98));
        for (auto [field, text] : {std::pair{101u, row.count}, std::pair{105u, row.interval}}) {
            ClickControl(field);
            for (WORD key : {VK_END, VK_BACK, VK_BACK, VK_BACK}) wintest::Key(key);
            for (const wchar_t* c = text; *c; ++c) wintest::Key(static_cast<WORD>(*c));
            wintest::Key(VK_RETURN);
            wintest::Pump(100);
        }
        EXPECT_EQ(Get<Kelvo::MEdit>(101)->GetEditText(), CString(std::to_wstring(row.storedCount).c_str()));
        EXPECT_EQ(Get<Kelvo::MEdit>(105)->GetEditText(), CString(std::to_wstring(row.storedInterval).c_str()));
        ClickControl(106);
        const KeyAssignment stored = Stored(button);
        EXPECT_EQ(stored.macro_type, 7);
        EXPECT_EQ(stored.macro_value, 1024 + 1);
        EXPECT_EQ(stored.macro_value3, row.storedCount);
        EXPECT_EQ(stored.macro_value2, row.storedInterval);
        EXPECT_EQ(stored.macro_desc, TextOf(161));
        const int c = row.storedCount;
        const int i = row.storedInterval;
        EXPECT_TRUE(MouseHolds(button, Expected({0x07, 0x01, 0x01, static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i >> 8),
                                                 static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(c >> 8)},
                                                {static_cast<std::uint8_t>(0x10 | (c >> 8)), 0x01, static_cast<std::uint8_t>(c),
                                                 static_cast<std::uint8_t>(i)})));
    }
}

// Restoring one button and then all of them leaves the mouse and the store as the
// factory made them.
TEST_F(KeyPageTest, RestoringGivesTheFactoryFunctionsBack) {
    for (const Mouse& mouse : {kMice[1], kMice[2]}) {
        SCOPED_TRACE(mouse.setup->name);
        TearDown();
        SetUp();
        ASSERT_NO_FATAL_FAILURE(OpenOn(*mouse.setup));
        const int first = SelectRow(1);
        const Code factoryFirst = MouseCode(first);
        const CString factoryText = ButtonList().GetItemKeyDesc(1);
        ChooseItem(68, 2);
        const int second = SelectRow(2);
        const Code factorySecond = MouseCode(second);
        ChooseItem(70, 0);
        ASSERT_TRUE(MouseHolds(second, Expected({0x03, 0xE9, 0x00}, {0x03, 0x00, 0xE9, 0x00})));

        SelectRow(1);
        AnswerNextBox(kNo);
        ClickControl(66);
        EXPECT_NE(Stored(first).key_id, 0) << "no keeps the function";
        AnswerNextBox(kYes);
        ClickControl(66);
        EXPECT_EQ(Stored(first).key_id, 0);
        EXPECT_EQ(ButtonList().GetItemKeyDesc(1), factoryText);
        EXPECT_TRUE(MouseHolds(first, factoryFirst));
        EXPECT_NE(Stored(second).key_id, 0);

        AnswerNextBox(kYes);
        ClickControl(62);
        std::vector<KeyAssignment> left;
        m_window->Devices().Store().ListKeyAssignments(m_window->CurrentProfile(), 0, left);
        EXPECT_TRUE(left.empty());
        EXPECT_TRUE(MouseHolds(second, factorySecond));
    }
}

// The left button's guard: locked it refuses with nothing changed on screen, unlocked
// a "no" stores nothing.
TEST_F(KeyPageTest, TheLeftButtonGuardChangesNothing) {
    ASSERT_NO_FATAL_FAILURE(OpenOn(kF1));
    SetLeftLock(1);
    ASSERT_EQ(SelectRow(0), 0);
    const Code before = MouseCode(0);
    const int mouseItem = ItemShown(68);
    struct Row {
        UINT control;
        int item;
        bool locked;
    };
    const Row rows[] = {{70, 0, true}, {85, -1, true}, {80, -1, true}, {76, 1, false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.control);
        SetLeftLock(row.locked ? 1 : 0);
        AnswerNextBox(row.locked ? kOk : kNo);
        if (row.item >= 0) ChooseItem(row.control, row.item);
        else ClickControl(row.control);
        wintest::Pump(300);
        EXPECT_EQ(*m_message, std::wstring(TextOf(row.locked ? 175 : 176).GetString()));
        EXPECT_EQ(Stored(0).key_id, 0);
        EXPECT_EQ(Checked(68), 1) << "the highlight stays";
        EXPECT_EQ(ItemShown(68), mouseItem);
        for (UINT other : {70u, 72u, 74u, 76u, 80u, 82u, 85u}) EXPECT_EQ(Checked(other), 0) << other;
        EXPECT_FALSE(Visible(88));
        EXPECT_EQ(ButtonList().GetSelectItem(), 0);
    }
    wintest::Pump(500);
    EXPECT_EQ(MouseCode(0), before);
}

}  // namespace
