// The settings page's Windows pointer block and the program settings page as the user
// meets them: the real window with the virtual mouse behind the real worker, tabs and
// controls clicked and typed into where they are drawn; then what Windows keeps, what
// the registry and the store hold, what the mouse heard and what the window shows.
#include <cstring>
#include <functional>
#include <memory>
#include <string>

#include "CCheckButton.h"
#include "CComboBoxWnd.h"
#include "CRadioButton.h"
#include "MComboBox.h"
#include "MSlider.h"
#include "MText.h"
#include "MainWindowFixture.h"
#include "NumberEdit2.h"
#include "SettingsDatabase.h"

namespace {

using namespace mainwindow;

constexpr int kSettingsTab = 5;
constexpr int kProgramTab = 6;

// What Windows keeps of the pointer, for every program.
struct PointerState {
    int speed = 10;
    int mouse[3] = {6, 10, 0};  // thresholds and acceleration
    UINT wheelLines = 3;
    UINT doubleClickMs = 500;

    static PointerState Read() {
        PointerState s;
        SystemParametersInfoW(SPI_GETMOUSESPEED, 0, &s.speed, 0);
        SystemParametersInfoW(SPI_GETMOUSE, 0, s.mouse, 0);
        SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &s.wheelLines, 0);
        s.doubleClickMs = GetDoubleClickTime();
        return s;
    }
    void Write() const {
        int mouseCopy[3] = {mouse[0], mouse[1], mouse[2]};
        SystemParametersInfoW(SPI_SETMOUSESPEED, 0, reinterpret_cast<void*>(static_cast<INT_PTR>(speed)), SPIF_UPDATEINIFILE);
        SystemParametersInfoW(SPI_SETMOUSE, 0, mouseCopy, SPIF_UPDATEINIFILE);
        SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, wheelLines, nullptr, SPIF_UPDATEINIFILE);
        SystemParametersInfoW(SPI_SETDOUBLECLICKTIME, doubleClickMs, nullptr, SPIF_UPDATEINIFILE);
    }
};

PointerState Pointer(int speed, int acceleration, UINT wheelLines, UINT doubleClickMs) {
    PointerState s = PointerState::Read();
    s.speed = speed;
    s.mouse[2] = acceleration;
    s.wheelLines = wheelLines;
    s.doubleClickMs = doubleClickMs;
    return s;
}

// Windows takes the speed of SPI_SETMOUSESPEED from pvParam and wants uiParam zero; Wine
// takes it from uiParam. Under Wine the test process's import of SystemParametersInfoW
// is pointed at a stand-in that does what Windows documents, so a speed passed in the
// wrong parameter fails here as it would on Windows.
using SystemParametersFn = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT);
SystemParametersFn g_platformSystemParameters = nullptr;

BOOL WINAPI DocumentedSystemParameters(UINT action, UINT uiParam, PVOID pvParam, UINT flags) {
    if (action != SPI_SETMOUSESPEED) return g_platformSystemParameters(action, uiParam, pvParam, flags);
    if (uiParam != 0) return FALSE;
    return g_platformSystemParameters(action, static_cast<UINT>(reinterpret_cast<UINT_PTR>(pvParam)), pvParam, flags);
}

void** ImportSlot(const char* dll, const char* function) {
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
    const auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* entry = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress); entry->Name; ++entry) {
        if (_stricmp(reinterpret_cast<char*>(base + entry->Name), dll) != 0) continue;
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + entry->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + entry->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (std::strcmp(reinterpret_cast<char*>(byName->Name), function) == 0)
                return reinterpret_cast<void**>(&slots->u1.Function);
        }
    }
    return nullptr;
}

void FollowWindowsDocumentationOfTheSpeed() {
    if (g_platformSystemParameters || !GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version")) return;
    void** slot = ImportSlot("user32.dll", "SystemParametersInfoW");
    ASSERT_NE(slot, nullptr);
    DWORD protection = 0;
    VirtualProtect(slot, sizeof(void*), PAGE_READWRITE, &protection);
    g_platformSystemParameters = reinterpret_cast<SystemParametersFn>(*slot);
    *slot = reinterpret_cast<void*>(&DocumentedSystemParameters);
    VirtualProtect(slot, sizeof(void*), protection, &protection);
}

std::wstring TitleOf(Kelvo::MControl* control) {
    auto* font = dynamic_cast<Kelvo::MControlFont*>(control);
    return font ? std::wstring(font->GetTitle().GetString()) : L"<none>";
}

std::wstring Shipped(int language, int id) { return uitest::ShippedTexts(language)(id).GetString(); }

class SettingsPagesTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_NO_FATAL_FAILURE(FollowWindowsDocumentationOfTheSpeed());
        m_saved = PointerState::Read();
        m_registry.CreateKey(Preferences::RunKey());
    }
    void TearDown() override {
        MainWindowTest::TearDown();
        m_saved.Write();
    }

    void OpenOnTab(int tab) {
        ASSERT_NO_FATAL_FAILURE(Open({kF1}));
        ASSERT_TRUE(WaitForLabel(51));
        ShowTab(tab);
    }
    // A click where the last one was, within the double-click time, would be a double click.
    void ClickAlone(CPoint client) {
        wintest::Pump(static_cast<int>(GetDoubleClickTime()) + 50);
        Click(client);
    }
    void ShowTab(int tab) {
        ClickAlone(TabCentre(tab));
        ASSERT_EQ(m_window->CurrentPage(), tab + 1);
    }
    template <class T>
    T* Get(UINT id) {
        return dynamic_cast<T*>(m_window->GetControl(id));
    }
    void ClickControl(UINT id) { ClickAlone(m_window->GetControl(id)->GetRect().CenterPoint()); }
    std::wstring DoubleClickLabel() { return TitleOf(m_window->GetControl(252)); }
    // The ends of a slider's line, where a click puts the thumb at its first or last place.
    void ClickSliderEnd(UINT id, bool last) {
        const CRect r = m_window->GetControl(id)->GetRect();
        Click(CPoint(last ? r.right - 1 : r.left, r.CenterPoint().y));
    }
    void TypeWheelLines(const wchar_t* digits) {
        const CRect r = m_window->GetControl(259)->GetRect();
        ClickAlone(CPoint(r.left + r.Width() / 3, r.CenterPoint().y));  // the text, clear of the arrows
        for (const wchar_t* d = digits; *d; ++d) wintest::Key(static_cast<WORD>(*d));
        wintest::Key(VK_RETURN);
        wintest::Pump(100);
    }
    // Chooses entry `row` of drop-down `id` as the user does.
    void Choose(UINT id, int row) {
        auto* combo = Get<Kelvo::MComboBox>(id);
        ASSERT_NE(combo, nullptr);
        Click(combo->GetRect().CenterPoint());
        ASSERT_TRUE(combo->IsPopupOpen() && combo->GetPopup());
        RECT rect{};
        GetWindowRect(combo->GetPopup()->GetSafeHwnd(), &rect);
        const int y = rect.top + 6 + Kelvo::MComboBox::kRowHeight * row + Kelvo::MComboBox::kRowHeight / 2;
        wintest::Click(POINT{(rect.left + rect.right) / 2, y});
        wintest::Pump(200);
    }
    // The next message box is answered by a click at `button` (its client point) once it
    // shows, and what it said is kept; a box that never comes leaves it empty.
    void AnswerNextMessage(CPoint button) {
        m_message = std::make_shared<std::wstring>();
        WatchForMessage(m_message, button, kMessageTries);
    }
    static void WatchForMessage(std::shared_ptr<std::wstring> seen, CPoint button, int triesLeft) {
        uitest::RunSoon([seen, button, triesLeft] {
            HWND box = uitest::FindDialog(L"MessageBox");
            if (!box) {
                if (triesLeft > 0) WatchForMessage(seen, button, triesLeft - 1);
                return;
            }
            *seen = TitleOf(uitest::DialogObject<CUIMessageBox>(box)->GetControl(CUIMessageBox::kMessageId));
            uitest::ClickWithoutPumping(box, button);
        }, 100);
    }
    std::wstring Message() const { return m_message ? *m_message : L"<not watched>"; }
    // The mouse drops out while page 7 still shows: the strip greys only a moment later,
    // so the page's own guard is what meets the click.
    void LoseTheMouseOnProgramTab() {
        ASSERT_NO_FATAL_FAILURE(Open({kF1}));
        ASSERT_TRUE(WaitForLabel(51));
        const std::vector<std::string> paths = sim::PathsOf("f1");
        sim::Unplug("f1");
        for (const std::string& path : paths) {
            std::vector<unsigned char> record = InterfaceRecord(path);
            SendMessageW(m_hwnd, WM_DEVICECHANGE, DBT_DEVICEREMOVECOMPLETE, reinterpret_cast<LPARAM>(record.data()));
        }
        ASSERT_TRUE(WaitForLabel(50));
        ASSERT_TRUE(wintest::PumpUntil([&] { return !Tabs().IsEnabled(); }, kPatienceMs));
        Tabs().SetEnabled(1);
        Tabs().RefreshItemData();
        ShowTab(kProgramTab);
    }
    CString StoredLock() {
        CString value;
        m_window->Devices().Store().GetConfigValue(m_window->CurrentProfile(), L"leftbtn_lock", value);
        return value;
    }

    static inline const CPoint kOk{215, 198};
    static inline const CPoint kYes{145, 198};
    static inline const CPoint kNo{285, 198};

    static constexpr int kMessageTries = 30;
    PointerState m_saved;
    std::shared_ptr<std::wstring> m_message;
};

TEST_F(SettingsPagesTest, PointerBlockShowsWhatWindowsHoldsWhenBuiltAndWhenTheWindowComesBack) {
    struct Case {
        const char* name;
        PointerState windows;
        int speedPosition;
        bool precision, oneScreen;
        std::wstring lines;
        int doubleClickPosition;
        std::wstring doubleClickLabel;
    };
    const Case cases[] = {
        {"built: one screen per notch, a time another program set", Pointer(7, 1, WHEEL_PAGESCROLL, 500), 6, true, true,
         L"0", 0, L"500"},
        {"activated: five lines, a time of the scale", Pointer(12, 0, 5, 620), 11, false, false, L"5", 4, L"620"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.windows.Write();
        if (!m_window) {
            ASSERT_NO_FATAL_FAILURE(OpenOnTab(kSettingsTab));
        } else {
            SendMessageW(m_hwnd, WM_ACTIVATE, WA_ACTIVE, 0);
            wintest::Pump(100);
        }
        EXPECT_EQ(Get<Kelvo::MSlider>(250)->GetProgress(), c.speedPosition);
        EXPECT_EQ(TitleOf(m_window->GetControl(253)), std::to_wstring(c.windows.speed));
        EXPECT_EQ(Get<Kelvo::CCheckButton>(254)->GetCheck(), c.precision ? 1 : 0);
        EXPECT_EQ(Get<Kelvo::CRadioButton>(260)->GetCheck(), c.oneScreen ? 1 : 0);
        EXPECT_EQ(Get<Kelvo::CRadioButton>(261)->GetCheck(), c.oneScreen ? 0 : 1);
        EXPECT_EQ(std::wstring(Get<Kelvo::NumberEdit2>(259)->GetEditText().GetString()), c.lines);
        EXPECT_EQ(m_window->GetControl(259)->IsEnabled(), c.oneScreen ? 0 : 1);
        EXPECT_EQ(Get<Kelvo::MSlider>(263)->GetProgress(), c.doubleClickPosition);
        EXPECT_EQ(DoubleClickLabel(), c.doubleClickLabel);
        EXPECT_EQ(PointerState::Read().wheelLines, c.windows.wheelLines) << "showing changes nothing";
    }
    EXPECT_EQ(TitleOf(m_window->GetControl(260)), Shipped(1033, 537));
    wintest::Pump(300);
    EXPECT_EQ(uitest::KeepScreenshot(m_hwnd, L"settings-page-pointer.png"), L"");
}

TEST_F(SettingsPagesTest, EachPointerChangeGoesToWindowsAtOnce) {
    Pointer(10, 0, 3, 500).Write();
    ASSERT_NO_FATAL_FAILURE(OpenOnTab(kSettingsTab));
    const int thresholds[2] = {PointerState::Read().mouse[0], PointerState::Read().mouse[1]};
    using Read = std::function<UINT(const PointerState&)>;
    const Read speed = [](const PointerState& s) { return static_cast<UINT>(s.speed); };
    const Read acceleration = [](const PointerState& s) { return static_cast<UINT>(s.mouse[2]); };
    const Read lines = [](const PointerState& s) { return s.wheelLines; };
    const Read doubleClick = [](const PointerState& s) { return s.doubleClickMs; };
    struct Step {
        const char* name;
        std::function<void()> act;
        Read read;
        UINT expected;
        std::function<std::wstring()> shown;
        std::wstring expectedShown;
    };
    auto text = [this](UINT id) { return [this, id] { return TitleOf(m_window->GetControl(id)); }; };
    auto linesField = [this] { return std::wstring(Get<Kelvo::NumberEdit2>(259)->GetEditText().GetString()); };
    auto doubleClickLabel = [this] { return DoubleClickLabel(); };
    const Step steps[] = {
        {"speed to the fast end", [&] { ClickSliderEnd(250, true); }, speed, 20, text(253), L"20"},
        {"speed to the slow end", [&] { ClickSliderEnd(250, false); }, speed, 1, text(253), L"1"},
        {"precision on", [&] { ClickControl(254); }, acceleration, 1, text(254), Shipped(1033, 534)},
        {"precision off", [&] { ClickControl(254); }, acceleration, 0, text(254), Shipped(1033, 534)},
        {"one screen per notch", [&] { ClickControl(260); }, lines, WHEEL_PAGESCROLL, linesField, L"0"},
        {"back to lines", [&] { ClickControl(261); }, lines, 3, linesField, L"3"},
        {"35 typed", [&] { TypeWheelLines(L"35"); }, lines, 20, linesField, L"20"},
        {"0 typed", [&] { TypeWheelLines(L"0"); }, lines, 1, linesField, L"1"},
        {"the up arrow",
         [&] {
             const CRect r = m_window->GetControl(259)->GetRect();
             Click(CPoint(r.right - 8, r.CenterPoint().y - 5));
         },
         lines, 2, linesField, L"2"},
        {"double-click at the fast end", [&] { ClickSliderEnd(263, true); }, doubleClick, 200, doubleClickLabel, L"200"},
        {"double-click at the slow end", [&] { ClickSliderEnd(263, false); }, doubleClick, 900, doubleClickLabel, L"900"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        step.act();
        const PointerState now = PointerState::Read();
        EXPECT_EQ(step.read(now), step.expected);
        EXPECT_EQ(step.shown(), step.expectedShown);
        EXPECT_EQ(now.mouse[0], thresholds[0]) << "the thresholds travel unchanged";
        EXPECT_EQ(now.mouse[1], thresholds[1]);
    }
    EXPECT_EQ(GetDoubleClickTime(), 900u);
}

TEST_F(SettingsPagesTest, AutorunWritesAndRemovesTheQuotedRunValue) {
    ASSERT_NO_FATAL_FAILURE(OpenOnTab(kProgramTab));
    EXPECT_EQ(Get<Kelvo::CRadioButton>(287)->GetCheck(), 1) << "nothing in the Run key: off";
    const CString command = Preferences::AutorunCommand(m_window->Devices().ProgramFolder());
    ASSERT_EQ(command.Left(1), CString(L"\""));

    ClickControl(286);
    EXPECT_EQ(m_registry.Text(Preferences::RunKey(), L"Corvane"), command);
    ClickControl(287);
    EXPECT_EQ(m_registry.Text(Preferences::RunKey(), L"Corvane"), CString(L"<none>"));
    ClickControl(286);
    m_window.reset();
    sim::Unplug("f1");

    // Built again, the page shows what the registry holds.
    ASSERT_NO_FATAL_FAILURE(OpenOnTab(kProgramTab));
    EXPECT_EQ(Get<Kelvo::CRadioButton>(286)->GetCheck(), 1);
    EXPECT_EQ(Get<Kelvo::CRadioButton>(287)->GetCheck(), 0);
    EXPECT_EQ(Get<Kelvo::CRadioButton>(296)->GetCheck(), 1) << "the lock of a fresh store is on";
    wintest::Pump(300);
    EXPECT_EQ(uitest::KeepScreenshot(m_hwnd, L"settings-page-program.png"), L"");
}

TEST_F(SettingsPagesTest, ChoosingTheOtherLanguageSavesItAndRetitlesTheWindowAtOnce) {
    ASSERT_NO_FATAL_FAILURE(OpenOnTab(kProgramTab));
    auto* selector = Get<Kelvo::MComboBox>(290);
    ASSERT_EQ(selector->GetItemCount(), 2);
    EXPECT_EQ(selector->GetItemText(0), CString(L"English"));
    EXPECT_EQ(selector->GetItemData(1), 1055u);
    EXPECT_EQ(selector->GetCurData(), 1033u);

    ASSERT_NO_FATAL_FAILURE(Choose(290, 1));
    EXPECT_EQ(CurrentLanguage.load(), 1055);
    EXPECT_EQ(m_registry.Text(Preferences::ProductKey(), L"LCID"), CString(L"1055"));
    EXPECT_EQ(std::wstring(Tabs().GetItemInfo(0)->text.GetString()), Shipped(1055, 71));
    EXPECT_EQ(TitleOf(m_window->GetControl(285)), Shipped(1055, 554));
    EXPECT_NE(Shipped(1055, 554), Shipped(1033, 554));
    EXPECT_EQ(selector->GetCurData(), 1055u);

    ASSERT_NO_FATAL_FAILURE(Choose(290, 0));
    EXPECT_EQ(m_registry.Text(Preferences::ProductKey(), L"LCID"), CString(L"1033"));
    EXPECT_EQ(TitleOf(m_window->GetControl(285)), Shipped(1033, 554));
}

TEST_F(SettingsPagesTest, LanguageAndLeftLockAreRefusedWithoutAMouse) {
    ASSERT_NO_FATAL_FAILURE(LoseTheMouseOnProgramTab());
    ASSERT_FALSE(m_window->DeviceOnline());
    const CString savedLanguage = m_registry.Text(Preferences::ProductKey(), L"LCID");
    struct Case {
        const char* name;
        std::function<void()> act;
    };
    const Case cases[] = {
        {"the second language", [&] { Choose(290, 1); }},
        {"the lock off", [&] { ClickControl(297); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        uitest::ModalGuard guard(L"MessageBox");
        AnswerNextMessage(kOk);
        c.act();
        EXPECT_EQ(Message(), Shipped(1033, 57));
        EXPECT_FALSE(guard.Fired()) << "the click on OK did not answer it";
        EXPECT_EQ(Get<Kelvo::MComboBox>(290)->GetCurData(), 1033u) << "the current language is chosen again";
        EXPECT_EQ(CurrentLanguage.load(), 1033);
        EXPECT_EQ(m_registry.Text(Preferences::ProductKey(), L"LCID"), savedLanguage);
        EXPECT_EQ(Get<Kelvo::CRadioButton>(296)->GetCheck(), 1) << "the lock shows on again";
        EXPECT_EQ(Get<Kelvo::CRadioButton>(297)->GetCheck(), 0);
        EXPECT_EQ(m_window->LeftLock(), 1);
        EXPECT_NE(StoredLock(), CString(L"0"));
    }
}

TEST_F(SettingsPagesTest, TurningTheLeftLockOffAsksAndNoLeavesItOn) {
    ASSERT_NO_FATAL_FAILURE(OpenOnTab(kProgramTab));
    struct Step {
        const char* name;
        UINT radio;
        const CPoint* answer;  // null: no question expected
        int lock;
    };
    const Step steps[] = {
        {"off, answered no", 297, &kNo, 1},
        {"off, answered yes", 297, &kYes, 0},
        {"on again, without a question", 296, nullptr, 1},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        uitest::ModalGuard guard(L"MessageBox");
        if (step.answer) AnswerNextMessage(*step.answer);
        ClickControl(step.radio);
        if (step.answer) {
            EXPECT_EQ(Message(), Shipped(1033, 575));
        }
        EXPECT_FALSE(guard.Fired());
        EXPECT_EQ(Get<Kelvo::CRadioButton>(296)->GetCheck(), step.lock);
        EXPECT_EQ(Get<Kelvo::CRadioButton>(297)->GetCheck(), 1 - step.lock);
        EXPECT_EQ(m_window->LeftLock(), step.lock);
        EXPECT_EQ(StoredLock(), CString(step.lock ? L"1" : L"0"));
    }
}

TEST_F(SettingsPagesTest, FactoryResetSendsTheResetRefillsTheStoreAndReadsTheMouseAgain) {
    ASSERT_NO_FATAL_FAILURE(OpenOnTab(kProgramTab));
    {
        uitest::ModalGuard guard(L"MessageBox");
        AnswerNextMessage(kYes);
        ClickControl(297);  // the lock off, in the store too, so the reset has something to restore
        ASSERT_EQ(m_window->LeftLock(), 0);
        ASSERT_EQ(StoredLock(), CString(L"0"));
    }
    sim::ClearLog();
    const int busyBefore = m_window->BusyDialogsShown();
    {
        uitest::ModalGuard question(L"MessageBox");
        uitest::ModalGuard busy(L"WaitDlg");
        AnswerNextMessage(kYes);
        ClickControl(293);
        EXPECT_EQ(Message(), Shipped(1033, 571));
        EXPECT_TRUE(wintest::PumpUntil([&] { return uitest::FindDialog(L"WaitDlg") == nullptr; }, kPatienceMs));
        EXPECT_FALSE(busy.Fired()) << "the busy dialog closed when the mouse had been read";
    }
    EXPECT_EQ(m_window->BusyDialogsShown(), busyBefore + 1);

    bool resetSent = false;
    int transfersAfter = 0;
    for (const sim::LogRecord& r : sim::Log()) {
        if (r.device != "f1") continue;
        if (resetSent) ++transfersAfter;
        resetSent = resetSent || (r.bytes.size() >= 3 && r.bytes[0] == 0x51 && r.bytes[1] == 0x0B && r.bytes[2] == 0xAA);
    }
    EXPECT_TRUE(resetSent) << "the mouse heard the factory reset";
    EXPECT_GT(transfersAfter, 5) << "and was read again";
    EXPECT_EQ(StoredLock(), CString(L"1")) << "the store holds the defaults again";
    EXPECT_EQ(Get<Kelvo::CRadioButton>(296)->GetCheck(), 1) << "the page follows the refilled store";
    EXPECT_EQ(m_window->LeftLock(), 1) << "and so does the lock the key page reads";
}

}  // namespace
