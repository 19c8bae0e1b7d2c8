// The performance page and the device settings of the settings page, as a user meets
// them: the real window with the virtual mouse behind the real worker, real clicks at
// the places the page puts its controls, then what the mouse holds, what the store
// holds and what the page shows after the next read.
#include "CCheckButton.h"
#include "CComboBoxWnd.h"
#include "CEditWnd.h"
#include "CRadioButton.h"
#include "ColorButtonEx.h"
#include "DPIButtonEx.h"
#include "DPISlider.h"
#include "MComboBox.h"
#include "MainWindowFixture.h"
#include "NumberEdit.h"
#include "SettingsDatabase.h"

namespace {

using namespace mainwindow;

constexpr int kPerformanceTab = 2;
constexpr int kSettingsTab = 5;
const CPoint kYes{145, 198};
const CPoint kNo{285, 198};

class PerformancePageTest : public MainWindowTest {
protected:
    // Opens the window on `device`, waits for the first read and shows `tab`.
    void OpenOn(const sim::DeviceSetup& device, int tab) {
        ASSERT_NO_FATAL_FAILURE(Open({device}));
        ASSERT_TRUE(WaitForLabel(51));
        ASSERT_TRUE(wintest::PumpUntil([&] { return m_window->Devices().Worker().FirstReadDone(); }, kPatienceMs));
        m_mouse = device.name;
        Click(TabCentre(tab));
    }
    // The page's control of this ID, of the class the page makes there.
    template <class T>
    T* Get(UINT id) {
        Kelvo::MControl* control = m_window->GetControl(id);
        EXPECT_NE(control, nullptr) << "no control " << id;
        return static_cast<T*>(control);
    }
    void ClickControl(Kelvo::MControl* control) {
        ASSERT_NE(control, nullptr);
        Click(control->GetRect().CenterPoint());
    }
    int StoredValue(const wchar_t* key) {
        int value = -1;
        m_window->Devices().Store().GetConfigInt(m_window->CurrentProfile(), CString(key), value);
        return value;
    }
    sim::ProfileMemory& Mouse() { return sim::Memory(m_mouse)->Current(); }
    bool MouseHas(const std::function<bool(const sim::ProfileMemory&)>& check) {
        return wintest::PumpUntil([&] { return check(Mouse()); }, kPatienceMs);
    }
    // Answers the message box that the next click brings up.
    void AnswerNextBox(CPoint button) {
        uitest::RunSoon([button] {
            if (HWND box = uitest::FindDialog(L"MessageBox")) uitest::ClickWithoutPumping(box, button);
        }, 400);
    }
    // The worker's next full read (a reload of every page from the store).
    void ReadAgain() {
        m_window->Devices().Worker().Queue(DeviceTask{kTaskApplyProfile, m_window->CurrentProfile()});
        wintest::Pump(1500);
    }
    Kelvo::DPIButtonEx* Level(int k) { return Get<Kelvo::DPIButtonEx>(114 + k); }

    std::string m_mouse;
};

// Level 3 dragged to the slider's right end with X-Y off shows 26000 on both axes and
// stores nothing; Apply stores and sends it rounded to a multiple of 50.
TEST_F(PerformancePageTest, ALevelIsDraggedAppliedStoredAndSent) {
    ASSERT_NO_FATAL_FAILURE(OpenOn(kF1, kPerformanceTab));
    ClickControl(Level(2));
    EXPECT_EQ(Level(2)->GetCheck(), 1);
    auto* slider = Get<Kelvo::DPISlider>(119);
    // The track is in the slider's own coordinates; the drag ends past its right end.
    const CRect track = slider->GetTrackRect();
    const CPoint end(slider->GetRect().left + track.right + 30, slider->GetThumbRect().CenterPoint().y);
    wintest::DragOnThread(wintest::ScreenOf(m_hwnd, slider->GetThumbRect().CenterPoint()), wintest::ScreenOf(m_hwnd, end));
    wintest::Pump(300);
    EXPECT_EQ(Level(2)->GetDPIXValue(), 26000);
    EXPECT_EQ(Level(2)->GetDPIYValue(), 26000) << "X-Y off: both axes follow";
    EXPECT_EQ(Get<Kelvo::DPISlider>(120)->GetProgress(), 260);
    EXPECT_EQ(StoredValue(L"dpi_x_group2_value"), 1600) << "nothing stored before Apply";

    ClickControl(Get<Kelvo::MControl>(121));
    EXPECT_EQ(StoredValue(L"dpi_x_group2_value"), 26000);
    EXPECT_EQ(StoredValue(L"dpi_y_group2_value"), 26000);
    EXPECT_EQ(StoredValue(L"dpi_index"), 2);
    EXPECT_TRUE(MouseHas([](const sim::ProfileMemory& m) { return m.dpiX[2] == 26000 && m.dpiIndex == 2; }));

    // Dragging another level and leaving it drops its unapplied value.
    ClickControl(Level(0));
    const CPoint thumb = slider->GetThumbRect().CenterPoint();
    wintest::DragOnThread(wintest::ScreenOf(m_hwnd, thumb), wintest::ScreenOf(m_hwnd, CPoint(thumb.x + 60, thumb.y)));
    wintest::Pump(200);
    EXPECT_NE(Level(0)->GetDPIXValue(), StoredValue(L"dpi_x_group0_value"));
    ClickControl(Level(1));
    EXPECT_EQ(Level(0)->GetDPIXValue(), StoredValue(L"dpi_x_group0_value"));
    EXPECT_EQ(Level(0)->GetDPIYValue(), StoredValue(L"dpi_y_group0_value"));
    EXPECT_EQ(uitest::KeepScreenshot(m_hwnd, L"performance-page.png"), L"");
}

TEST_F(PerformancePageTest, FewerLevelsMoveTheSelectionAndDisableTheRest) {
    ASSERT_NO_FATAL_FAILURE(OpenOn(kF1, kPerformanceTab));
    ClickControl(Level(3));
    ClickControl(Get<Kelvo::MControl>(121));  // level 4 becomes the mouse's current
    auto* count = Get<Kelvo::MComboBox>(123);
    ClickControl(count);
    ASSERT_TRUE(count->IsPopupOpen());
    RECT popup{};
    GetWindowRect(count->GetPopup()->GetSafeHwnd(), &popup);
    wintest::Click(POINT{(popup.left + popup.right) / 2, popup.top + 6 + Kelvo::MComboBox::kRowHeight * 1 +
                                                           Kelvo::MComboBox::kRowHeight / 2});
    wintest::Pump(200);
    EXPECT_EQ(StoredValue(L"dpi_count"), 2);
    EXPECT_EQ(StoredValue(L"dpi_index"), 1);
    EXPECT_EQ(Level(1)->GetCheck(), 1);
    for (int k = 0; k < 5; ++k) EXPECT_EQ(Level(k)->IsEnabled() != 0, k < 2) << "level " << k + 1;
    EXPECT_TRUE(MouseHas([](const sim::ProfileMemory& m) { return m.dpiCount == 2 && m.dpiIndex == 1; }));
}

// Restore asks first: "no" keeps everything, "yes" stores and sends the defaults.
TEST_F(PerformancePageTest, RestoringTheDefaultsAsksFirst) {
    ASSERT_NO_FATAL_FAILURE(OpenOn(kF1, kPerformanceTab));
    m_window->Devices().Store().SetConfigValue(m_window->CurrentProfile(), CString(L"dpi_x_group0_value"), 1000);
    AnswerNextBox(kNo);
    ClickControl(Get<Kelvo::MControl>(113));
    EXPECT_EQ(StoredValue(L"dpi_x_group0_value"), 1000);
    AnswerNextBox(kYes);
    ClickControl(Get<Kelvo::MControl>(113));
    const int defaults[] = {400, 800, 1600, 3200, 4800};
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(StoredValue(CString((L"dpi_x_group" + std::to_wstring(k) + L"_value").c_str()).GetString()), defaults[k]);
        EXPECT_EQ(Level(k)->GetDPIXValue(), defaults[k]);
    }
    EXPECT_EQ(StoredValue(L"dpi_index"), 1);
    EXPECT_EQ(Level(1)->GetCheck(), 1);
    EXPECT_TRUE(MouseHas([](const sim::ProfileMemory& m) { return m.dpiX[4] == 4800 && m.dpiIndex == 1; }));
}

// The rate buttons per dialect: the code each stores and the mouse receives, and the
// e-sports radios that the output dialect locks at 2000 Hz and above.
TEST_F(PerformancePageTest, ReportRatesPerDialect) {
    struct Case {
        const char* name;
        const sim::DeviceSetup* device;
        int visibleButtons;
        UINT button;
        int storedCode;
        bool esportsEnabled;
    };
    const Case cases[] = {
        {"feature dialect, 500 Hz", &kF1, 3, 131, 1, true},
        {"output dialect, 4000 Hz", &kR3, 6, 134, 4, false},
        {"output dialect, back to 1000 Hz", &kR3, 6, 132, 2, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (!m_window || m_mouse != c.device->name) {
            m_window.reset();
            sim::Reset();
            ASSERT_NO_FATAL_FAILURE(OpenOn(*c.device, kPerformanceTab));
        }
        int visible = 0;
        for (UINT id : {129u, 131u, 132u, 133u, 134u, 135u}) visible += Get<Kelvo::MControl>(id)->IsVisible() != 0;
        EXPECT_EQ(visible, c.visibleButtons);
        ClickControl(Get<Kelvo::MControl>(c.button));
        EXPECT_EQ(StoredValue(L"report_rate"), c.storedCode);
        EXPECT_TRUE(MouseHas([&](const sim::ProfileMemory& m) { return m.rateCode == c.storedCode; }));
        EXPECT_EQ(Get<Kelvo::CRadioButton>(238)->IsEnabled() != 0, c.esportsEnabled);
        if (!c.esportsEnabled) {
            EXPECT_EQ(StoredValue(L"e-sports_flag"), 1);
            EXPECT_EQ(Get<Kelvo::CRadioButton>(239)->GetCheck(), 1) << "the radio shows the stored flag";
        }
    }
}

// The device settings of the settings page: each control stores its value and sends it,
// and a read of the mouse shows the stored values again.
TEST_F(PerformancePageTest, DeviceSettingsAreStoredSentAndShownAfterARead) {
    ASSERT_NO_FATAL_FAILURE(OpenOn(kR3, kSettingsTab));
    auto* liftOffHigh = Get<Kelvo::CRadioButton>(224);
    ClickControl(liftOffHigh);
    EXPECT_EQ(StoredValue(L"liftoff_height"), 2);
    EXPECT_TRUE(MouseHas([](const sim::ProfileMemory& m) { return m.liftOff == 2; }));

    auto* reversed = Get<Kelvo::CRadioButton>(234);
    ClickControl(reversed);
    EXPECT_EQ(StoredValue(L"scroll_flag"), 2);
    EXPECT_TRUE(MouseHas([](const sim::ProfileMemory& m) { return m.scrollFlag == 2; }));

    // A response time typed beyond its range shows and stores 20.
    auto* response = Get<Kelvo::NumberEdit>(242);
    ClickControl(response);
    wintest::Pump(100);
    ASSERT_NE(response->GetEditWnd(), nullptr);
    SetWindowTextW(response->GetEditWnd()->GetSafeHwnd(), L"35");
    wintest::Key(VK_RETURN);
    wintest::Pump(200);
    EXPECT_EQ(response->GetEditText(), CString(L"20"));
    EXPECT_EQ(StoredValue(L"button_respondtime"), 20);
    EXPECT_TRUE(MouseHas([](const sim::ProfileMemory& m) { return m.responseTime == 20; }));
    EXPECT_EQ(uitest::KeepScreenshot(m_hwnd, L"settings-page.png"), L"");

    // What the page shows comes from the store: change it behind the page and read again.
    SettingsDatabase& store = m_window->Devices().Store();
    store.SetConfigValue(m_window->CurrentProfile(), CString(L"liftoff_height"), 1);
    store.SetConfigValue(m_window->CurrentProfile(), CString(L"button_respondtime"), 7);
    ReadAgain();
    EXPECT_TRUE(wintest::PumpUntil([&] { return response->GetEditText() == CString(L"7"); }, kPatienceMs));
    EXPECT_EQ(Get<Kelvo::CRadioButton>(223)->GetCheck(), 1);
    EXPECT_EQ(liftOffHigh->GetCheck(), 0);
}

// The rest of the settings page's controls on the output dialect, and the rate restore.
TEST_F(PerformancePageTest, SensorSleepAngleAndRateRestore) {
    ASSERT_NO_FATAL_FAILURE(OpenOn(kR3, kSettingsTab));
    auto* first = Get<Kelvo::CCheckButton>(228);  // the first box of the three
    SettingsDatabase& store = m_window->Devices().Store();
    store.SetConfigValue(m_window->CurrentProfile(), CString(L"sensor_flag"), 33);  // bits no box shows
    ReadAgain();
    const int before = StoredValue(L"sensor_flag");
    ClickControl(first);
    EXPECT_EQ(StoredValue(L"sensor_flag"), before ^ 4) << "the first box owns bit 4 alone";
    // The mouse keeps the three switches' bits.
    EXPECT_TRUE(MouseHas([&](const sim::ProfileMemory& m) { return m.sensorFlags == ((before ^ 4) & 0x1C); }));

    auto* sleep = Get<Kelvo::MComboBox>(245);
    ASSERT_TRUE(sleep->IsVisible()) << "the output dialect has a sleep time";
    ClickControl(sleep);
    ASSERT_TRUE(sleep->IsPopupOpen());
    RECT popup{};
    GetWindowRect(sleep->GetPopup()->GetSafeHwnd(), &popup);
    wintest::Click(POINT{(popup.left + popup.right) / 2, popup.top + 6 + Kelvo::MComboBox::kRowHeight * 2 +
                                                           Kelvo::MComboBox::kRowHeight / 2});
    wintest::Pump(200);
    EXPECT_EQ(StoredValue(L"sleep_light"), 10) << "the third entry, 10 minutes";
    EXPECT_TRUE(MouseHas([](const sim::ProfileMemory& m) { return m.sleepTime == 10; }));

    auto* snapping = Get<Kelvo::MControl>(269);
    const int switchBefore = StoredValue(L"angle_tunability_switch");
    ClickControl(snapping);
    EXPECT_EQ(StoredValue(L"angle_tunability_switch"), switchBefore == 1 ? 0 : 1);
    EXPECT_EQ(StoredValue(L"angle_tunability"), 0);

    Click(TabCentre(kPerformanceTab));
    ClickControl(Get<Kelvo::MControl>(134));  // 4000 Hz
    ASSERT_EQ(StoredValue(L"report_rate"), 4);
    AnswerNextBox(kYes);
    ClickControl(Get<Kelvo::MControl>(128));
    EXPECT_EQ(StoredValue(L"report_rate"), 2) << "1000 Hz in the output dialect's coding";
    EXPECT_EQ(Get<Kelvo::ColorButtonEx>(132)->GetCheck(), 1);
    EXPECT_TRUE(MouseHas([](const sim::ProfileMemory& m) { return m.rateCode == 2; }));
}

// The second chip family: the rates the mouse says it offers (all six here, 8000 Hz in a
// second row), its own rate coding, and sliders up to 30000.
TEST_F(PerformancePageTest, SecondFamilyRatesAndRange) {
    ASSERT_NO_FATAL_FAILURE(OpenOn(kN2, kPerformanceTab));
    EXPECT_TRUE(wintest::PumpUntil([&] { return Get<Kelvo::MControl>(135)->IsVisible() != 0; }, kPatienceMs));
    EXPECT_GT(Get<Kelvo::MControl>(135)->GetRect().top, Get<Kelvo::MControl>(134)->GetRect().top);
    EXPECT_EQ(Get<Kelvo::DPISlider>(119)->GetMaxProgress(), 300);
    ClickControl(Get<Kelvo::MControl>(133));  // 2000 Hz: code 4 in this family
    EXPECT_EQ(StoredValue(L"report_rate"), 4);
    EXPECT_TRUE(wintest::PumpUntil(
        [&] {
            const sim::MouseMemory& m = *sim::Memory("n2");
            return m.nodic.profiles[static_cast<std::size_t>(m.currentProfile)].system[8 - 4] == 4;
        },
        kPatienceMs));
    EXPECT_EQ(Get<Kelvo::CRadioButton>(238)->IsEnabled(), 0) << "no e-sports mode at 2000 Hz and above";
}

// The X-Y setting shows the Y slider and both values on every level.
TEST_F(PerformancePageTest, TheXYSettingShowsTheSecondAxis) {
    ASSERT_NO_FATAL_FAILURE(OpenOn(kF1, kPerformanceTab));
    auto* y = Get<Kelvo::DPISlider>(120);
    EXPECT_FALSE(y->IsVisible());
    ClickControl(Get<Kelvo::MControl>(124));
    EXPECT_TRUE(y->IsVisible());
    for (int k = 0; k < 5; ++k) EXPECT_EQ(Level(k)->IsXYShown(), 1);
    // The Y slider moves only Y.
    const CPoint thumb = y->GetThumbRect().CenterPoint();
    wintest::DragOnThread(wintest::ScreenOf(m_hwnd, thumb), wintest::ScreenOf(m_hwnd, CPoint(thumb.x + 50, thumb.y)));
    EXPECT_NE(Level(1)->GetDPIYValue(), Level(1)->GetDPIXValue());
    ClickControl(Get<Kelvo::MControl>(121));
    EXPECT_EQ(StoredValue(L"dpi_y_group1_value"), Level(1)->GetDPIYValue() / 50 * 50);
    EXPECT_EQ(StoredValue(L"dpi_x_group1_value"), Level(1)->GetDPIXValue() / 50 * 50);
}

// A DPI button pressed on the mouse moves the page's selected level.
TEST_F(PerformancePageTest, ALevelChangedOnTheMouseMovesThePage) {
    ASSERT_NO_FATAL_FAILURE(OpenOn(kF1, kPerformanceTab));
    ASSERT_EQ(Level(1)->GetCheck(), 1);
    ASSERT_TRUE(sim::PressButton("f1", 0));  // the mouse steps to its next level
    EXPECT_TRUE(wintest::PumpUntil([&] { return Level(2)->GetCheck() == 1; }, kPatienceMs));
    EXPECT_EQ(Level(1)->GetCheck(), 0);
    EXPECT_EQ(StoredValue(L"dpi_index"), 2);
    EXPECT_EQ(Get<Kelvo::DPISlider>(119)->GetProgress(), Level(2)->GetDPIXValue() / 100);
}

}  // namespace
