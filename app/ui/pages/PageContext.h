#pragma once
// What a page of the main window may use of the window: the store and the task queue of
// the current model, the window's state, its texts and fonts, and its message box. The
// main window implements it; every call is made on the UI thread.
#include <windows.h>

#include "CString.h"
#include "DeviceCatalogue.h"
#include "DeviceEvents.h"
#include "DeviceTask.h"

class SettingsDatabase;
class Registry;

class PageContext {
public:
    virtual ~PageContext() = default;

    // ---- the model and its store --------------------------------------------------------
    virtual SettingsDatabase& Store() = 0;
    virtual int CurrentProfile() const = 0;
    virtual int DeviceType() const = 0;
    // The model has lighting (its catalogue entry shows the lighting tab).
    virtual bool HasLight() const = 0;
    // The current model's description (its buttons and their factory functions, lighting).
    virtual ModelDescription DeviceDescription() const = 0;
    // A mouse that can be configured answers (cable or receiver with its mouse).
    virtual bool DeviceOnline() const = 0;
    virtual bool Bluetooth() const = 0;
    // The connection mode the mouse last reported (0 cable, 1/3/4 receiver, 2 Bluetooth);
    // -1 before the first report.
    virtual int ConnectionMode() const = 0;
    // The highest report-rate code a mouse of the second chip family says it offers
    // (0 until it has been read).
    virtual int HighestRateCode() const = 0;
    // Queues a device task for the current profile; false when it was not queued.
    virtual bool Queue(int taskNumber) = 0;
    // The same with what the task concerns (a button, a lighting mode, a restore mask);
    // a profile of 0 is the current one.
    virtual bool Queue(DeviceTask task) = 0;
    // The factory reset: one worker task that resets the mouse, empties and refills the
    // store and reads the mouse again, with the busy dialog up until that read ends.
    virtual void FactoryReset() = 0;
    // The firmware upgrade dialog for `target` (2 mouse, 3 receiver) with the versions the
    // labels show, modal over the window; the worker leaves the mouse to the updater
    // until it has closed.
    virtual void RunUpgrade(int target, const CString& mouseVersion, const CString& receiverVersion) = 0;

    // ---- the window ---------------------------------------------------------------------
    virtual CString Text(int id) const = 0;
    // The skinned message box over the window, with the worker's events held while it
    // shows: 1 for the first button (OK, yes), 2 for the second (no).
    virtual UINT Ask(int titleId, int messageId, int type) = 0;
    // The same with a message made by the page (a file's name, what an import left out).
    virtual UINT AskText(int titleId, const CString& message, int type) = 0;
    // The store's macros were added, renamed or removed: every page that lists them
    // follows (MainWindowPage::OnMacrosChanged).
    virtual void MacrosChanged() = 0;
    // The height scale of the window (1 at 1121 x 780) and the two font faces.
    virtual float Scale() const = 0;
    virtual const CString& FontName() const = 0;
    virtual const CString& FontName2() const = 0;
    // The left-button lock the key page's guard reads (1 on).
    virtual int LeftLock() const = 0;
    virtual void SetLeftLock(int locked) = 0;
    // Writes the preferred language and re-titles the whole window at once.
    virtual void ChangeLanguage(int lcid) = 0;
    // The program's preferences (autorun, language) and its folder (the autorun command).
    virtual Registry& PreferenceRegistry() = 0;
    virtual CString ProgramFolder() const = 0;
};

// One page's share of the main window's controls. The window creates every page once,
// lays it out when the window's size changes, routes the notifications of the IDs the
// page owns to it, and asks it to show the store's values when the worker says so.
class MainWindowPage {
public:
    virtual ~MainWindowPage() = default;
    // Creates the page's controls into their page containers.
    virtual void Create() = 0;
    // Places the controls for the window's current scale.
    virtual void Place() = 0;
    // True when the page handled the notification; `result` is what the window returns.
    virtual bool OnNotify(UINT id, UINT code, LRESULT& result) = 0;
    // Shows what the store holds for the current profile; run when the worker asks for
    // a reload of one of the pages this one follows.
    virtual bool ReloadsOn(DevicePage) const { return false; }
    virtual void Reload() {}
    // Re-reads every text the page shows from the language file.
    virtual void ApplyLanguage() {}
    // The window became active; `shownPage` is the page it shows (MainPage's number).
    virtual void OnWindowActivated(int /*shownPage*/) {}
    // The worker's firmware check has run.
    virtual void ShowFirmware(const FirmwareVersions&) {}
    // The window shows another page (MainPage's number), or -1 when it was hidden.
    virtual void OnShownPageChanged(int /*shownPage*/) {}
    // A window message of the page's own (a menu's choice); true when it was handled.
    virtual bool OnWindowMessage(UINT /*msg*/, WPARAM /*wparam*/, LPARAM /*lparam*/) { return false; }
    // Another page added, renamed or removed a macro in the store.
    virtual void OnMacrosChanged() {}
};
