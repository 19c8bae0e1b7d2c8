#pragma once
// The firmware upgrade dialog: compares the version the user's mouse or receiver runs
// with the one the shipped updater carries, offers the upgrade, runs the updater on the
// dialog's own worker thread and shows the progress and outcome it prints.
//
// Threads: the worker thread only runs the updater and reads its output; everything it
// learns reaches the controls as messages posted to the dialog, which the UI thread
// applies. The state below is the UI thread's alone.
#include <windows.h>

#include <deque>
#include <mutex>

#include "CString.h"
#include "CThreadBasic.h"
#include "CUIMessageBox.h"
#include "MDialog.h"
#include "UpdaterCommand.h"

// Where the dialog finds what it needs; the folders end in a backslash or not.
struct UpgradeSetup {
    CString descriptionFolder;  // holds device\<model stem>.xml with the shipped versions
    CString updaterFolder;      // holds firmwareupgrade\ (the updater and the model's images)
    TextById texts = CurrentLanguageText;
    // After this long without a word from the updater the dialog may be closed again
    // (the updater is left to finish).
    int silenceLimitMs = 120000;
};

class UpgradeDlg : public Kelvo::MDialog, public CThreadBasic {
public:
    enum ControlId : UINT { kCloseId = 30, kTitleId = 31, kMessageId = 32, kProgressId = 33, kActionId = 34 };
    enum State { kNothingToDo = 0, kOffered = 1, kCompleted = 2 };
    static constexpr int kWidth = 360;
    static constexpr int kHeight = 200;

    explicit UpgradeDlg(UpgradeSetup setup);
    ~UpgradeDlg() override;

    void SetTarget(int target, const CString& modelStem);
    void SetVersions(const CString& mouse, const CString& receiver);

    int OnInitDialog() override;
    void InitUI(CRect client) override;
    void UISize(CRect) override {}
    LRESULT OnMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) override;
    LRESULT OnWindowMessage(UINT msg, WPARAM wparam, LPARAM lparam) override;
    LRESULT OnDestroy() override;
    // Stops the worker and closes the dialog.
    virtual void StopAndClose();

    int CurrentState() const { return m_state; }
    const CString& ShippedMouseVersion() const { return m_shippedMouse; }
    const CString& ShippedReceiverVersion() const { return m_shippedReceiver; }

protected:
    void Run() override;

private:
    void ReadShippedVersions();
    void Offer(int titleId, const CString& current, const CString& shipped);
    void StartUpgrade();
    bool UpdaterInstalled() const;
    void RunUpdaterTask();
    // UI thread: what the worker posted.
    void OnRunStarted();
    void OnOutput(int progress, bool completed);
    void OnStartFailed();
    void OnRunEnded();
    void OnSilenceCheck();

    void SetText(UINT id, const CString& text);
    void SetButtonsEnabled(bool enabled);
    CString Text(int id) const { return m_setup.texts ? m_setup.texts(id) : CString(); }
    void Post(UINT msg, WPARAM wparam = 0, LPARAM lparam = 0);

    UpgradeSetup m_setup;
    int m_target = 0;
    CString m_modelStem;
    CString m_currentMouse;
    CString m_currentReceiver;
    CString m_shippedMouse;
    CString m_shippedReceiver;
    int m_state = kNothingToDo;
    bool m_running = false;
    ULONGLONG m_lastOutputTick = 0;
    std::mutex m_tasksLock;
    std::deque<int> m_tasks;  // task 2: run the updater
};

// The dialog for one press of an upgrade button, modal over `owner`, centred on it.
// Returns once it has closed.
void ShowUpgradeDialog(HWND owner, const UpgradeSetup& setup, int target, const CString& modelStem,
                       const CString& mouseVersion, const CString& receiverVersion);
