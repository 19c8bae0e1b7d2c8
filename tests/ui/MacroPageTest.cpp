// The macro page as a user meets it: the real window with the virtual mouse behind the
// real worker, real clicks, key presses and menu choices at the places the page puts its
// controls, then the stored macros and steps, the messages shown, and the macro in the
// mouse's memory once a button plays it.
#include <algorithm>
#include <functional>
#include <memory>
#include <set>
#include <vector>

#include "CComboBoxWnd.h"
#include "CRecordList.h"
#include "CUIMessageBox.h"
#include "FileChooserDriver.h"
#include "MComboBox.h"
#include "MComboBox2.h"
#include "MEdit.h"
#include "MacroList.h"
#include "MainWindowFixture.h"
#include "MouseKeyCtrl.h"
#include "SettingsDatabase.h"
#include "TextFormat.h"
#include "TestPaths.h"

namespace {

using namespace mainwindow;

constexpr int kKeyTab = 1;
constexpr int kMacroTab = 3;
const CPoint kOk{215, 198};
const wchar_t kDown[] = L"\u2193  ";
const wchar_t kUp[] = L"\u2191  ";

// What a stored step is, without the store's own numbers.
struct Step {
    CString desc;
    int type;
    int value;
    friend bool operator==(const Step&, const Step&) = default;
};

class MacroPageTest : public MainWindowTest {
protected:
    void OpenOn(const sim::DeviceSetup& device) {
        ASSERT_NO_FATAL_FAILURE(Open({device}));
        ASSERT_TRUE(WaitForLabel(51));
        ASSERT_TRUE(wintest::PumpUntil([&] { return m_window->Devices().Worker().FirstReadDone(); }, kPatienceMs));
        m_mouse = device.name;
        Click(TabCentre(kMacroTab));
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
    SettingsDatabase& Store() { return m_window->Devices().Store(); }
    std::vector<MacroHeader> Macros() {
        std::vector<MacroHeader> headers;
        Store().ListMacros(headers);
        return headers;
    }
    std::vector<MacroStep> StepsOf(int macroId) {
        std::vector<MacroStep> steps;
        Store().ListMacroSteps(macroId, steps);
        return steps;
    }
    std::vector<Step> Plain(int macroId) {
        std::vector<Step> plain;
        for (const MacroStep& s : StepsOf(macroId)) plain.push_back({s.desc, s.type, s.value});
        return plain;
    }
    Kelvo::MacroList& MacroRows() { return *Get<Kelvo::MacroList>(141); }
    Kelvo::CRecordList& EventRows() { return *Get<Kelvo::CRecordList>(152); }
    int ShownMacro() { return static_cast<int>(MacroRows().GetCurData()); }
    // A row is clicked left of its "more" button.
    void ClickEvent(int row) {
        const CRect rect = EventRows().GetItemRect(row);
        Click(CPoint(rect.left + 40, rect.CenterPoint().y));
    }
    void ClickMacro(int row) {
        const CRect rect = MacroRows().GetItemRect(row);
        Click(CPoint(rect.left + 40, rect.CenterPoint().y));
    }
    // The menu's item `index`: items are 25 pixels high under a 6-pixel margin.
    static POINT MenuItem(POINT corner, int index) { return POINT{corner.x + 40, corner.y + 6 + 25 * index + 12}; }
    void ChooseFromMenu(POINT corner, int index) {
        wintest::Pump(200);
        wintest::Click(MenuItem(corner, index));
        wintest::Pump(300);
    }
    // The insert menu opens 115 pixels above the insert button (215 with the single
    // moves of the output dialect); items in the order button, key, delay, move by x
    // and y.
    void Insert(int item) {
        ClickControl(153);
        const CRect button = m_window->GetControl(153)->GetRect();
        POINT corner = wintest::ScreenOf(m_hwnd, CPoint(button.left, button.top));
        const int type = m_window->DeviceType();
        corner.y -= type >= 301 && type <= 399 ? 215 : 115;
        ChooseFromMenu(corner, item);
    }
    // The menu a row's "more" button opens, at the cursor plus (2, 2).
    void MacroMenu(int row, int item) {
        const CRect more = MacroRows().GetMoreRect(row);
        Click(more.CenterPoint());
        POINT corner = wintest::ScreenOf(m_hwnd, more.CenterPoint());
        ChooseFromMenu(POINT{corner.x + 2, corner.y + 2}, item);
    }
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
    static void Tap(WORD key) {
        Press({key}, false);
        Press({key}, true);
    }
    // Digits typed into a number field, closed with Enter.
    void Type(UINT field, const wchar_t* digits) {
        ClickControl(field);
        for (const wchar_t* c = digits; *c; ++c) Tap(static_cast<WORD>(*c));
        Tap(VK_RETURN);
        wintest::Pump(100);
    }
    void NewMacro() { ClickControl(142); }
    // The key page's second button (the first is guarded): row 1 of its button list,
    // 36·s under the column's top, one row every 27·s + 5. Its button number.
    int SelectSecondButton() {
        const int height = static_cast<int>(Kelvo::MouseKeyCtrl::kRowHeight * m_window->Scale() + 0.5f);
        auto S = [&](double v) { return static_cast<int>(v * m_window->Scale()); };
        Click(CPoint(100 + S(10) + S(105), 75 + S(50) + S(36) + (height + 5) + height / 2));
        return Get<Kelvo::MouseKeyCtrl>(63)->GetItemKeyValue(1);
    }
    // The next message box is answered with OK once it shows; its message is kept.
    void AnswerNextBox() {
        m_message = std::make_shared<std::wstring>();
        WatchForBox(m_message, 40);
    }
    static void WatchForBox(std::shared_ptr<std::wstring> seen, int triesLeft) {
        uitest::RunSoon([seen, triesLeft] {
            HWND box = uitest::FindDialog(L"MessageBox");
            if (!box) {
                if (triesLeft > 0) WatchForBox(seen, triesLeft - 1);
                return;
            }
            auto* message = dynamic_cast<Kelvo::MControlFont*>(
                uitest::DialogObject<CUIMessageBox>(box)->GetControl(CUIMessageBox::kMessageId));
            *seen = message ? std::wstring(message->GetTitle().GetString()) : L"?";
            uitest::ClickWithoutPumping(box, kOk);
        }, 100);
    }
    bool BoxAnswered() {
        return wintest::PumpUntil([&] { return m_message && !m_message->empty(); }, kPatienceMs);
    }

    std::string m_mouse;
    std::shared_ptr<std::wstring> m_message;
};

std::vector<int> TypesOf(const std::vector<MacroStep>& steps) {
    std::vector<int> types;
    for (const MacroStep& s : steps) types.push_back(s.type);
    return types;
}

// A recording takes keys and a click (not the click on the record button that stops
// it), with or without the delays between them, after the steps the macro has.
TEST_F(MacroPageTest, ARecordingStoresTheKeysAndClicksWithTheirDelays) {
    struct Case {
        const char* name;
        UINT delayOption;
        std::vector<int> recordedTypes;
    };
    const Case cases[] = {
        {"recorded delays", 160, {2, 1, 3, 1, 4, 1, 5}},
        {"no delays", 159, {2, 3, 4, 5}},
    };
    ASSERT_NO_FATAL_FAILURE(OpenOn(kF1));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NewMacro();
        Insert(2);  // a delay the macro already has
        ClickControl(c.delayOption);
        const int macroId = ShownMacro();
        ClickControl(157);
        EXPECT_EQ(Get<Kelvo::MControl>(44)->IsEnabled(), 0) << "the tabs wait for the stop";
        EXPECT_EQ(Get<Kelvo::MControl>(141)->IsEnabled(), 0);
        Tap('A');
        Click(CPoint(100 + 20, 75 + 20));  // the title row
        ClickControl(157);

        const std::vector<MacroStep> steps = StepsOf(macroId);
        ASSERT_EQ(steps.size(), c.recordedTypes.size() + 1);
        EXPECT_EQ(steps[0].desc, CString(L" -   10 ms")) << "the macro's own step stays first";
        std::vector<MacroStep> recorded(steps.begin() + 1, steps.end());
        EXPECT_EQ(TypesOf(recorded), c.recordedTypes);
        const MacroStep& keyDown = recorded.front();
        const MacroStep& keyUp = *std::find_if(recorded.begin(), recorded.end(), [](auto& s) { return s.type == 3; });
        EXPECT_EQ(keyDown.desc, CString(kDown) + L"A");
        EXPECT_EQ(keyDown.value, 'A');
        EXPECT_EQ(keyUp.desc, CString(kUp) + L"A");
        EXPECT_EQ(keyDown.delay_time, keyUp.delay_time) << "press and release are one group";
        EXPECT_NE(keyDown.delay_time, steps[0].delay_time) << "a new group of its own";
        for (const MacroStep& s : recorded) {
            if (s.type == 4 || s.type == 5) {
                EXPECT_EQ(s.value, 1) << s.desc.GetString();
            }
            if (s.type != 1) continue;
            EXPECT_GE(s.value, 1);
            EXPECT_LE(s.value, 31000);
            EXPECT_EQ(s.desc, CString((L" -   " + std::to_wstring(s.value) + L" ms").c_str()));
        }
        EXPECT_EQ(Get<Kelvo::MControl>(44)->IsEnabled(), 1);
        EXPECT_EQ(Get<Kelvo::MControl>(141)->IsEnabled(), 1);
        EXPECT_EQ(Get<Kelvo::MControl>(163)->IsEnabled(), 0) << "the fixed delay only with its option";
        EXPECT_EQ(Get<Kelvo::MControl>(170)->IsEnabled(), 1) << "the number of plays with its option";
        EXPECT_EQ(Get<Kelvo::MControl>(169)->IsEnabled(), 0);
    }
    EXPECT_EQ(uitest::KeepScreenshot(m_hwnd, L"macro-page.png"), L"");
}

// Hiding the window to the tray ends a recording, which is stored, and frees the page.
TEST_F(MacroPageTest, HidingTheWindowStopsAndStoresTheRecording) {
    ASSERT_NO_FATAL_FAILURE(OpenOn(kF1));
    NewMacro();
    const int macroId = ShownMacro();
    ClickControl(159);  // no delays
    ClickControl(157);
    Tap('A');
    ShowWindow(m_hwnd, SW_HIDE);  // as the close button does
    wintest::Pump(100);
    EXPECT_EQ(TypesOf(StepsOf(macroId)), (std::vector<int>{2, 3}));
    EXPECT_EQ(Get<Kelvo::MControl>(44)->IsEnabled(), 1);
    EXPECT_EQ(Get<Kelvo::MControlFont>(157)->GetTitle(), TextOf(358));
}

// Each editor changes the selected event (or its whole group) and stores the steps.
TEST_F(MacroPageTest, EditingAnEventStoresIt) {
    ASSERT_NO_FATAL_FAILURE(OpenOn(kF1));
    struct Case {
        const char* name;
        int insertItem;
        std::function<void()> edit;
        std::vector<Step> expected;
    };
    const Case cases[] = {
        {"delay typed out of range", 2, [&] { Type(173, L"20000"); }, {{L" -   10000 ms", 1, 10000}}},
        {"key taken from the keyboard", 1,
         [&] {
             ClickControl(173);
             Tap('B');
             Click(CPoint(100 + 20, 75 + 20));  // Enter would be taken as the key
         },
         {{CString(kDown) + L"B", 2, 'B'}, {CString(kUp) + L"B", 3, 'B'}}},
        {"key field closed without a key", 1,
         [&] {
             ClickControl(173);
             Click(CPoint(100 + 20, 75 + 20));  // elsewhere: the field loses the focus
             wintest::Pump(100);
         },
         {{CString(kDown) + L"A", 2, 'A'}, {CString(kUp) + L"A", 3, 'A'}}},
        {"button chosen from the list", 0,
         [&] {
             auto* list = Get<Kelvo::MComboBox>(174);
             ASSERT_NE(list, nullptr);
             ClickControl(174);
             RECT popup{};
             GetWindowRect(list->GetPopup()->GetSafeHwnd(), &popup);
             const int row = 3;  // text 109
             wintest::Click(POINT{(popup.left + popup.right) / 2, popup.top + 6 + Kelvo::MComboBox::kRowHeight * row +
                                                                       Kelvo::MComboBox::kRowHeight / 2});
             wintest::Pump(200);
         },
         {{CString(kDown) + L"Backward", 4, 8}, {CString(kUp) + L"Backward", 5, 8}}},
        {"move left by 5 and down by 7", 3,
         [&] {
             ClickControl(179);
             ClickControl(184);
             Type(181, L"5");
             Type(185, L"7");
         },
         {{L"\u2190  5,\u2193  7", 12, 0x785}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NewMacro();
        const int macroId = ShownMacro();
        Insert(c.insertItem);
        ClickEvent(0);
        c.edit();
        EXPECT_EQ(Plain(macroId), c.expected);
        std::vector<MacroStep> steps = StepsOf(macroId);
        if (steps.size() == 2) {
            EXPECT_EQ(steps[0].delay_time, steps[1].delay_time) << "the pair stays one group";
        }
    }
}

// Inserted events go before a selected single event, a pair after it; move down on the
// last event changes nothing; delete takes the whole group.
TEST_F(MacroPageTest, InsertingReorderingAndDeletingKeepTheGroups) {
    ASSERT_NO_FATAL_FAILURE(OpenOn(kF1));
    NewMacro();
    const int macroId = ShownMacro();
    Insert(2);     // delay
    Insert(2);     // delay, at the end
    ClickEvent(1);
    Insert(1);     // key pair after row 1
    ClickEvent(0);
    Insert(2);     // delay before row 0
    std::vector<int> types = TypesOf(StepsOf(macroId));
    EXPECT_EQ(types, (std::vector<int>{1, 1, 1, 2, 3}));
    std::vector<MacroStep> steps = StepsOf(macroId);
    std::vector<int> stamps;
    for (const MacroStep& s : steps) stamps.push_back(s.delay_time);
    EXPECT_EQ(stamps[3], stamps[4]);
    EXPECT_EQ(std::set<int>(stamps.begin(), stamps.end()).size(), 4u) << "no new stamp joins another group";

    ClickEvent(4);
    ClickControl(177);  // down on the last row
    EXPECT_EQ(TypesOf(StepsOf(macroId)), types);
    ClickEvent(3);
    ClickControl(154);
    EXPECT_EQ(TypesOf(StepsOf(macroId)), (std::vector<int>{1, 1, 1}));
}

// Rename reaches the store, the key page and every profile's buttons that play it;
// delete leaves the other macros' steps as they were and shows the macro now selected.
TEST_F(MacroPageTest, RenameAndDeleteTouchOnlyTheirMacro) {
    ASSERT_NO_FATAL_FAILURE(OpenOn(kF1));
    for (int i = 0; i < 3; ++i) {
        NewMacro();
        Insert(i);
    }
    std::vector<MacroHeader> made = Macros();
    ASSERT_EQ(made.size(), 3u);
    EXPECT_EQ(made[2].name, TextOf(351) + L" 3");
    std::vector<ProfileRecord> profiles;
    Store().ListProfiles(profiles);
    ASSERT_GE(profiles.size(), 2u);
    for (const ProfileRecord& p : {profiles[0], profiles[1]}) {
        KeyAssignment record;
        record.profile = p.profile;
        record.key_code = 2;
        record.macro_type = 4;
        record.macro_value = made[1].macro_id;
        record.macro_desc = made[1].name;
        ASSERT_GT(Store().SaveKeyAssignment(record), 0);
    }

    ClickMacro(1);
    const CRect row = MacroRows().GetItemRect(1);
    const POINT at = wintest::ScreenOf(m_hwnd, CPoint(row.left + 40, row.CenterPoint().y));
    wintest::MoveTo(at);
    wintest::LeftDown();
    wintest::LeftUp();
    wintest::LeftDown();
    wintest::LeftUp();
    ASSERT_TRUE(wintest::PumpUntil([&] { return MacroRows().GetEditWindow() != nullptr; }));
    SetWindowTextW(MacroRows().GetEditWindow(), L"Sprint");
    Tap(VK_RETURN);
    wintest::Pump(200);

    MacroHeader renamed;
    ASSERT_TRUE(Store().GetMacro(made[1].macro_id, renamed));
    EXPECT_EQ(renamed.name, CString(L"Sprint"));
    for (const ProfileRecord& p : {profiles[0], profiles[1]}) {
        KeyAssignment record;
        ASSERT_TRUE(Store().GetKeyAssignment(p.profile, 0, 2, record));
        EXPECT_EQ(record.macro_desc, CString(L"Sprint")) << p.profile;
    }
    auto& buttons = *Get<Kelvo::MouseKeyCtrl>(63);
    for (int index = 0; index < buttons.GetItemCount(); ++index) {
        if (buttons.GetItemKeyValue(index) != 2) continue;
        EXPECT_EQ(buttons.GetItemKeyDesc(index), CString(L"Sprint")) << "the key page names the button's macro anew";
    }
    auto* keyList = Get<Kelvo::MComboBox2>(72);
    ASSERT_NE(keyList, nullptr);
    ASSERT_EQ(keyList->GetItemCount(), 3);
    EXPECT_EQ(keyList->GetItemText(1), CString(L"Sprint"));

    const std::vector<Step> first = Plain(made[0].macro_id);
    const std::vector<Step> third = Plain(made[2].macro_id);
    ClickMacro(2);
    MacroMenu(2, 1);  // delete
    ASSERT_EQ(Macros().size(), 2u);
    EXPECT_EQ(Plain(made[0].macro_id), first);
    EXPECT_EQ(keyList->GetItemCount(), 2);
    EXPECT_EQ(ShownMacro(), made[1].macro_id) << "the previous macro is selected";
    EXPECT_EQ(EventRows().GetItemCount(), static_cast<int>(StepsOf(made[1].macro_id).size()));
    EXPECT_FALSE(third.empty());

    MacroMenu(0, 0);  // copy
    ASSERT_EQ(Macros().size(), 3u);
    EXPECT_EQ(Macros()[2].name, made[0].name + L" " + TextOf(31));
    EXPECT_EQ(Plain(Macros()[2].macro_id), first);
}

// Export into a folder and import the file back: the same macro; hostile files are
// refused (or their absurd values left out) with a message naming the file.
TEST_F(MacroPageTest, ExportedMacrosComeBackAndHostileFilesAreRefused) {
    ASSERT_NO_FATAL_FAILURE(OpenOn(kF1));
    NewMacro();
    Insert(1);
    Insert(3);
    ClickControl(166);
    const int macroId = ShownMacro();
    const std::filesystem::path folder = uitest::ChooserVisibleFolder(L"mirevo-macro-export");
    {
        auto answer = uitest::AnswerNextChooser(folder.wstring());
        AnswerNextBox();
        ClickControl(144);
        ASSERT_TRUE(wintest::PumpUntil([&] { return answer->Answered(); }, kPatienceMs));
    }
    ASSERT_TRUE(BoxAnswered());
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) files.push_back(entry.path());
    ASSERT_EQ(files.size(), 1u);
    EXPECT_NE(m_message->find(files[0].filename().wstring()), std::wstring::npos) << *m_message;
    const std::filesystem::path exported = m_data / files[0].filename();
    std::filesystem::copy_file(files[0], exported);
    std::filesystem::remove_all(folder);

    {
        auto answer = uitest::AnswerNextChooser(exported.wstring());
        AnswerNextBox();
        ClickControl(143);
        ASSERT_TRUE(wintest::PumpUntil([&] { return answer->Answered(); }, kPatienceMs));
    }
    ASSERT_TRUE(BoxAnswered());
    ASSERT_EQ(Macros().size(), 2u);
    const MacroHeader original = Macros()[0], imported = Macros()[1];
    EXPECT_EQ(imported.name, original.name);
    EXPECT_EQ(imported.play_type, 1);
    EXPECT_EQ(Plain(imported.macro_id), Plain(macroId));
    EXPECT_EQ(MacroRows().GetItemCount(), 2);

    // The chooser takes a path of the Windows side: the files are copied there first.
    const std::filesystem::path data =
        std::filesystem::path(testpaths::Source("tests/ui/data/macro"));
    struct Hostile {
        const wchar_t* file;
        int problemText;  // 0: imported without its absurd values
        size_t macrosAfter;
    };
    const Hostile hostile[] = {
        {L"malformed.xml", 773, 2},
        {L"wrong-root.xml", 774, 2},
        {L"absurd-values.xml", 0, 3},
    };
    for (const Hostile& h : hostile) {
        SCOPED_TRACE(testing::Message() << CString(h.file).GetString());
        {
            std::filesystem::copy_file(data / h.file, m_data / h.file);
            auto answer = uitest::AnswerNextChooser((m_data / h.file).wstring());
            AnswerNextBox();
            ClickControl(143);
            ASSERT_TRUE(wintest::PumpUntil([&] { return answer->Answered(); }, kPatienceMs));
        }
        ASSERT_TRUE(BoxAnswered());
        EXPECT_NE(m_message->find(h.file), std::wstring::npos) << *m_message;
        const int reason = h.problemText ? h.problemText : 783;  // imported: "out of range" is listed
        EXPECT_NE(m_message->find(TextOf(reason).GetString()), std::wstring::npos) << *m_message;
        EXPECT_EQ(Macros().size(), h.macrosAfter);
    }
    const MacroHeader absurd = Macros().back();
    EXPECT_EQ(absurd.play_times, 1) << "the absurd number of plays is left out";
    EXPECT_EQ(Plain(absurd.macro_id), (std::vector<Step>{{CString(kDown) + L"A", 2, 65}}));
}

// A macro longer than the mouse holds is stored whole; assigning it tells the user that
// only its first events go to the mouse.
TEST_F(MacroPageTest, AssigningAMacroLongerThanTheMouseHoldsSaysSo) {
    ASSERT_NO_FATAL_FAILURE(OpenOn(kF1));
    const int macroId = Store().AddMacro(L"Long");
    ASSERT_GT(macroId, 0);
    std::vector<MacroStep> steps;
    for (int i = 0; i < 300; ++i) {
        MacroStep step;
        step.macro_id = macroId;
        step.record_index = i;
        step.type = i % 2 ? 3 : 2;
        step.value = 'A';
        step.delay_time = 1000 + i / 2;
        step.desc = CString(i % 2 ? kUp : kDown) + L"A";
        steps.push_back(step);
    }
    ASSERT_TRUE(Store().SaveMacroSteps(steps));
    Click(TabCentre(kKeyTab));
    auto* list = Get<Kelvo::MComboBox2>(72);
    ASSERT_NE(list, nullptr);
    m_window->Devices().Worker().Queue(DeviceTask{kTaskApplyProfile, m_window->CurrentProfile()});
    ASSERT_TRUE(wintest::PumpUntil([&] { return list->GetItemCount() == 1; }, kPatienceMs));
    SelectSecondButton();
    AnswerNextBox();
    ClickControl(72);
    ASSERT_TRUE(list->IsPopupOpen());
    RECT popup{};
    GetWindowRect(list->GetPopup()->GetSafeHwnd(), &popup);
    wintest::Click(POINT{(popup.left + popup.right) / 2, popup.top + 6 + Kelvo::MComboBox::kRowHeight / 2});
    ASSERT_TRUE(BoxAnswered());
    EXPECT_EQ(*m_message, FormatText(TextOf(769), {254}).str());
    EXPECT_EQ(StepsOf(macroId).size(), 300u) << "stored whole";
}

// A macro made on the page and assigned on the key page reaches the mouse's memory in
// each dialect: its key press and release.
TEST_F(MacroPageTest, AnAssignedMacroReachesTheMouse) {
    for (const sim::DeviceSetup* setup : {&kF1, &kR3, &kN2}) {
        SCOPED_TRACE(setup->name);
        TearDown();
        SetUp();
        ASSERT_NO_FATAL_FAILURE(OpenOn(*setup));
        NewMacro();
        Insert(1);  // "A" pressed and released
        Click(TabCentre(kKeyTab));
        const int button = SelectSecondButton();
        auto* list = Get<Kelvo::MComboBox2>(72);
        ASSERT_NE(list, nullptr);
        ClickControl(72);
        ASSERT_TRUE(list->IsPopupOpen());
        RECT popup{};
        GetWindowRect(list->GetPopup()->GetSafeHwnd(), &popup);
        wintest::Click(POINT{(popup.left + popup.right) / 2, popup.top + 6 + Kelvo::MComboBox::kRowHeight / 2});
        wintest::Pump(200);

        sim::MouseMemory* memory = sim::Memory(setup->name);
        ASSERT_NE(memory, nullptr);
        if (setup->family == sim::Family::kNodic) {
            // Key down and key up of usage 0x04 among the table's events.
            auto holds = [&] {
                const std::vector<std::uint8_t>& table =
                    memory->nodic.profiles[static_cast<std::size_t>(memory->currentProfile)].macroTable;
                const std::uint8_t down[] = {0x01, 0x04}, up[] = {0x81, 0x04};
                auto at = std::search(table.begin(), table.end(), std::begin(down), std::end(down));
                return at != table.end() && std::search(at, table.end(), std::begin(up), std::end(up)) != table.end();
            };
            EXPECT_TRUE(wintest::PumpUntil(holds, kPatienceMs));
            continue;
        }
        // Play once (type 0, one time), delay type 1, two events: key down and up of usage 0x04.
        const std::vector<std::uint8_t> body = {1, 1, 0, 0, 0, 2, 0, 0x81, 0x04, 0, 0, 0x01, 0x04, 0};
        auto holds = [&] {
            auto found = memory->Current().macros.find(button);
            return found != memory->Current().macros.end() && found->second.size() >= body.size() &&
                   std::equal(body.begin(), body.end(), found->second.begin());
        };
        EXPECT_TRUE(wintest::PumpUntil(holds, kPatienceMs));
    }
}

}  // namespace
