#include "UpgradeDlg.h"

#include <filesystem>
#include <utility>

#include "DialogPlacement.h"
#include "File.h"
#include "MButton.h"
#include "MProgress.h"
#include "MText.h"
#include "UpdaterOutput.h"
#include "UpdaterProcess.h"
#include "XmlDocument.h"

namespace {

// Language ids.
constexpr int kTextCloseTip = 5;
constexpr int kTextOk = 20;
constexpr int kTextMouseTitle = 601;
constexpr int kTextReceiverTitle = 602;
constexpr int kTextUpToDate = 605;
constexpr int kTextNewVersion = 606;
constexpr int kTextClickUpgrade = 607;
constexpr int kTextUpgrade = 610;
constexpr int kTextUpgrading = 611;
constexpr int kTextCompleted = 612;
constexpr int kTextNotStarted = 613;
constexpr int kTextNotInstalled = 614;

constexpr int kTaskRunUpdater = 2;
constexpr UINT kActivated = 2;
constexpr int kTextSize = 16;
constexpr Gdiplus::ARGB kWhite = 0xFFFFFFFF;
constexpr int kWorkerPeriodMs = 30;

// Posted by the worker thread; applied on the UI thread.
constexpr UINT kRunStarted = WM_APP + 0x31;
constexpr UINT kOutput = WM_APP + 0x32;  // wparam: completed; lparam: progress or -1
constexpr UINT kStartFailed = WM_APP + 0x33;
constexpr UINT kRunEnded = WM_APP + 0x34;
constexpr UINT_PTR kSilenceTimer = 0x5111;

bool FileExists(const std::wstring& path) {
    std::error_code ignored;
    return std::filesystem::is_regular_file(std::filesystem::path(path), ignored);
}

}  // namespace

UpgradeDlg::UpgradeDlg(UpgradeSetup setup) : m_setup(std::move(setup)) {}

UpgradeDlg::~UpgradeDlg() { CThreadBasic::Stop(); }

void UpgradeDlg::SetTarget(int target, const CString& modelStem) {
    m_target = target;
    m_modelStem = modelStem;
}

void UpgradeDlg::SetVersions(const CString& mouse, const CString& receiver) {
    m_currentMouse = mouse;
    m_currentReceiver = receiver;
}

int UpgradeDlg::OnInitDialog() {
    m_pm.SetBackColor(0x1A1A1A, 0x969696);
    ReadShippedVersions();
    const int result = MDialog::OnInitDialog();
    m_state = kNothingToDo;
    if (m_target == kUpgradeMouse) Offer(kTextMouseTitle, m_currentMouse, m_shippedMouse);
    if (m_target == kUpgradeReceiver) Offer(kTextReceiverTitle, m_currentReceiver, m_shippedReceiver);
    CThreadBasic::Start(kWorkerPeriodMs, true);
    return result;
}

// A description file that does not load leaves both empty: any version read is then
// offered for upgrade.
void UpgradeDlg::ReadShippedVersions() {
    m_shippedMouse = CString();
    m_shippedReceiver = CString();
    XmlDocument doc;
    const CString path = file::Join(file::Join(m_setup.descriptionFolder, L"device"), m_modelStem + L".xml");
    if (m_modelStem.IsEmpty() || !doc.LoadFromFile(path) || !doc.FindNextElement(L"mouse")) return;
    doc.EnterElement();
    if (doc.FindNextElement(L"mousefirmware")) m_shippedMouse = doc.GetAttribute(L"version");
    if (doc.FindNextElement(L"donglefirmware")) m_shippedReceiver = doc.GetAttribute(L"version");
}

void UpgradeDlg::Offer(int titleId, const CString& current, const CString& shipped) {
    SetText(kTitleId, Text(titleId));
    if (current == shipped) {
        SetText(kMessageId, Text(kTextUpToDate));
        SetText(kActionId, Text(kTextOk));
        return;
    }
    SetText(kMessageId, Text(kTextNewVersion) + shipped + L", " + Text(kTextClickUpgrade));
    SetText(kActionId, Text(kTextUpgrade));
    m_state = kOffered;
}

void UpgradeDlg::InitUI(CRect client) {
    const int w = client.Width();
    const int h = client.Height();
    const int x0 = w / 2;
    if (auto* close = CreateControl(L"CImageButton", kCloseId, CRect(w - 40, 15, w - 21, 34), L"", 1, 1)) {
        static_cast<Kelvo::MControlFont*>(close)->SetImage(L"sysbtn_close.png", 4);
        close->SetTooltip(Text(kTextCloseTip).GetString());
    }
    auto text = [this](UINT id, CRect rect, bool multiLine) {
        auto* label = static_cast<Kelvo::MText*>(CreateControl(L"MText", id, rect, L"", 1, 0));
        if (!label) return;
        label->SetFontWidth(kTextSize);
        label->SetTextColor(kWhite);
        label->SetAlignment(DT_CENTER, multiLine ? DT_VCENTER : DT_TOP);
        label->EnableMultiLine(multiLine ? 1 : 0);
    };
    text(kTitleId, CRect(x0 - 100, 10, x0 + 100, 40), false);
    text(kMessageId, CRect(30, 60, w - 30, 120), true);
    CreateControl(L"MProgress", kProgressId, CRect(x0 - 130, h - 80, x0 + 130, h - 70), L"", 0, 1);
    if (auto* button = static_cast<Kelvo::MButton*>(
            CreateControl(L"MButton", kActionId, CRect(x0 - 80, h - 50, x0 + 80, h - 20), Text(kTextOk).GetString(), 1, 1))) {
        button->SetImage(L"img_button.png", 4);
        button->SetFrameSize(8);
        button->SetFontWidth(kTextSize);
        button->SetTextColor(kWhite);
    }
}

LRESULT UpgradeDlg::OnMessage(UINT id, UINT code, WPARAM, LPARAM) {
    if (code != kActivated) return 0;
    if (id == kCloseId) StopAndClose();
    if (id == kActionId) {
        if (m_state == kOffered) StartUpgrade();
        else StopAndClose();
    }
    return 0;
}

void UpgradeDlg::StopAndClose() {
    // The read loop heeds the stop within a few milliseconds, well inside a second.
    CThreadBasic::Stop();
    ::KillTimer(GetSafeHwnd(), kSilenceTimer);
    DoClose();
}

bool UpgradeDlg::UpdaterInstalled() const {
    const std::wstring folder = m_setup.updaterFolder.str();
    return FileExists(UpdaterExecutable(folder)) && FileExists(FirmwareImage(folder, m_modelStem.str(), m_target));
}

// The updater and its images ship apart from the program: without them nothing runs and
// the user is told what is missing rather than shown a failed start.
void UpgradeDlg::StartUpgrade() {
    if (!UpdaterInstalled()) {
        SetText(kMessageId, Text(kTextNotInstalled));
        return;
    }
    SetButtonsEnabled(false);
    std::lock_guard<std::mutex> guard(m_tasksLock);
    m_tasks.push_back(kTaskRunUpdater);
}

void UpgradeDlg::Run() {
    int task = 0;
    {
        std::lock_guard<std::mutex> guard(m_tasksLock);
        if (m_tasks.empty()) return;
        task = m_tasks.front();
        m_tasks.pop_front();
    }
    if (task == kTaskRunUpdater) RunUpdaterTask();
    Post(kRunEnded);
}

void UpgradeDlg::RunUpdaterTask() {
    const std::wstring line = UpdaterCommandLine(m_target, m_setup.updaterFolder.str(), m_modelStem.str());
    if (line.empty()) return;
    Post(kRunStarted);
    UpdaterOutputScanner scanner(m_setup.updaterFolder.str());
    UpdaterCallbacks callbacks;
    callbacks.onOutput = [this, &scanner](std::string_view bytes) {
        const UpdaterOutputScanner::Findings found = scanner.Take(AnsiToText(bytes));
        Post(kOutput, found.completed ? 1 : 0, found.progress);
        return !found.ended;
    };
    callbacks.stopRequested = [this] { return StopRequested(); };
    callbacks.pause = [](int ms) {
        StopSignal* stop = StopSignal::OfThisThread();
        return stop ? stop->WaitFor(static_cast<std::uint32_t>(ms)) : (::Sleep(static_cast<DWORD>(ms)), false);
    };
    if (!RunUpdater(line, callbacks)) Post(kStartFailed);
}

void UpgradeDlg::Post(UINT msg, WPARAM wparam, LPARAM lparam) { ::PostMessageW(GetSafeHwnd(), msg, wparam, lparam); }

LRESULT UpgradeDlg::OnWindowMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
    switch (msg) {
    case kRunStarted: OnRunStarted(); return 0;
    case kOutput: OnOutput(static_cast<int>(lparam), wparam != 0); return 0;
    case kStartFailed: OnStartFailed(); return 0;
    case kRunEnded: OnRunEnded(); return 0;
    case WM_TIMER:
        if (wparam == kSilenceTimer) {
            OnSilenceCheck();
            return 0;
        }
        break;
    default: break;
    }
    return MDialog::OnWindowMessage(msg, wparam, lparam);
}

LRESULT UpgradeDlg::OnDestroy() {
    CThreadBasic::Stop();
    ::KillTimer(GetSafeHwnd(), kSilenceTimer);
    return MDialog::OnDestroy();
}

void UpgradeDlg::OnRunStarted() {
    m_running = true;
    m_lastOutputTick = ::GetTickCount64();
    if (auto* bar = static_cast<Kelvo::MProgress*>(GetControl(kProgressId))) {
        bar->SetProgress(0);
        bar->SetVisible(1);
    }
    SetText(kMessageId, Text(kTextUpgrading));
    const int limit = m_setup.silenceLimitMs > 0 ? m_setup.silenceLimitMs : 1;
    ::SetTimer(GetSafeHwnd(), kSilenceTimer, static_cast<UINT>(limit < 4000 ? (limit + 3) / 4 : 1000), nullptr);
}

void UpgradeDlg::OnOutput(int progress, bool completed) {
    m_lastOutputTick = ::GetTickCount64();
    if (progress >= 0) {
        if (auto* bar = static_cast<Kelvo::MProgress*>(GetControl(kProgressId))) bar->SetProgress(progress);
    }
    if (completed && m_state != kCompleted) {
        m_state = kCompleted;
        SetText(kMessageId, Text(kTextCompleted));
        SetText(kActionId, Text(kTextOk));
    }
}

void UpgradeDlg::OnStartFailed() {
    m_state = kOffered;
    SetText(kMessageId, Text(kTextNotStarted));
    SetText(kActionId, Text(kTextUpgrade));
}

void UpgradeDlg::OnRunEnded() {
    m_running = false;
    ::KillTimer(GetSafeHwnd(), kSilenceTimer);
    SetButtonsEnabled(true);
}

// An updater that has gone quiet must not hold the program: the dialog may be closed,
// though not asked to start another updater over the running one.
void UpgradeDlg::OnSilenceCheck() {
    if (!m_running) return;
    if (::GetTickCount64() - m_lastOutputTick < static_cast<ULONGLONG>(m_setup.silenceLimitMs)) return;
    ::KillTimer(GetSafeHwnd(), kSilenceTimer);
    if (auto* close = GetControl(kCloseId)) close->SetEnabled(1);
}

void UpgradeDlg::SetText(UINT id, const CString& text) {
    if (auto* control = static_cast<Kelvo::MControlFont*>(GetControl(id))) control->SetTitle(text.GetString());
}

void UpgradeDlg::SetButtonsEnabled(bool enabled) {
    for (UINT id : {kCloseId, kActionId}) {
        if (auto* control = GetControl(id)) control->SetEnabled(enabled ? 1 : 0);
    }
}

void ShowUpgradeDialog(HWND owner, const UpgradeSetup& setup, int target, const CString& modelStem,
                       const CString& mouseVersion, const CString& receiverVersion) {
    UpgradeDlg dialog(setup);
    dialog.SetTarget(target, modelStem);
    dialog.SetVersions(mouseVersion, receiverVersion);
    const CRect rect = CentredOn(owner, UpgradeDlg::kWidth, UpgradeDlg::kHeight);
    if (!dialog.Create(owner, L"UpgradeDlg", kDialogStyle, WS_EX_TOOLWINDOW, rect)) return;
    dialog.ShowModal(SW_SHOW);
    dialog.DestroyWindow();
}
