#pragma once
// The macro page (fourth tab): the model's macros, the events of the selected one with
// their editors, recording from the real keyboard and mouse, the playback options, and
// macro files. Every change is stored at once; nothing here talks to the mouse (a macro
// reaches it when a button that plays it is written).
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "FileOutcome.h"
#include "MacroPageCapture.h"
#include "MacroRecording.h"
#include "MacroRecords.h"
#include "PageControls.h"

namespace Kelvo {
class CArea;
class CIconButton;
class CRadioButton;
class CRecordList;
class MButton;
class MComboBox;
class MControl;
class MEdit;
class MPicture;
class MText;
class MacroList;
}  // namespace Kelvo

class MacroPage : public MainWindowPage {
public:
    explicit MacroPage(PageControls& controls) : m_c(controls) {}

    void Create() override;
    void Place() override;
    bool OnNotify(UINT id, UINT code, LRESULT& result) override;
    bool ReloadsOn(DevicePage page) const override { return page == DevicePage::kMacros; }
    void Reload() override;
    void ApplyLanguage() override;
    void OnShownPageChanged(int shownPage) override;
    bool OnWindowMessage(UINT msg, WPARAM wparam, LPARAM lparam) override;

    // A stored macro name as the lists show it in the interface's language.
    CString LocalizeMacroName(const CString& stored);

private:
    // ---- controls (MacroPage.cpp, MacroPageLayout.cpp) ----
    void CreateMacroColumn();
    void CreateEventColumn();
    void CreateOptionColumn();
    void CreateEditPanels();
    void PlaceMacroColumn(int top);
    void PlaceEventColumn(int top);
    void PlaceOptionColumn(int top);
    void PlaceEditPanels(int top);
    void SetFonts();

    // ---- the macros (MacroPageMacros.cpp) ----
    void ReloadMacroPage();
    void ShowMacro(int macroId);
    int SelectedMacro() const;
    void NewMacro();
    void CopyMacro();
    void DeleteMacro();
    void RenameMacro();
    void RenameInAssignments(int macroId, const CString& name);
    void RelabelMacros();

    // ---- the options (MacroPageOptions.cpp) ----
    void ShowOptions(const MacroHeader& header);
    void SaveMacroSettings();
    void OnDelayOption(UINT id);
    void OnPlaybackOption(UINT id);
    void OnFixedDelayTyped();
    void OnPlaysTyped();
    void ApplyOptionRules();

    // ---- the events (MacroPageEvents.cpp, MacroPageEventEdit.cpp) ----
    void SaveMacroEvents();
    void ShowEvent();
    void HideEditPanels();
    void PrepareValueField(int kind);
    int ChosenKind() const;
    void OnKindChosen();
    void OnValueField(UINT code);
    void OnCapturedKey(const InputEvent& event);
    void CommitCapturedKey();
    void CommitNumber(int kind);
    void OnButtonChosen();
    void OnMoveChanged();
    void OpenInsertMenu();
    void Insert(UINT command);
    void Reorder(UINT command);
    void DeleteEventGroup();
    int UnusedStamp(std::uint32_t wanted);
    int RecordCount();

    // ---- recording (MacroPageRecording.cpp) ----
    void ToggleRecording();
    void StartRecording();
    void StopRecording();
    void OnRecordedEvent(const InputEvent& event);
    void SetRecordingLock(bool recording);

    // ---- files (MacroPageFiles.cpp) ----
    void ExportMacro();
    void ImportMacro();
    CString ImportReport(const FileOutcome& outcome, const MacroHeader& added);
    CString ProblemReport(int textId, const FileOutcome& outcome);

    // ---- menus (MacroPageMenus.cpp) ----
    void OpenMenu(CPoint at, UINT message, int width, const std::vector<std::pair<int, UINT>>& items);
    void OpenMacroMenu();
    void OpenEventMenu();

    PageControls& m_c;

    // Recording.
    bool m_bRecording = false;
    int m_nRecordLimit = kRecordLimit;
    int m_nRecordDelayMode = 1;
    std::unique_ptr<MacroRecording> m_recording;
    bool m_reloadWaiting = false;  // a reload came while recording
    std::vector<Kelvo::MControl*> m_lockedByRecording;

    // The value field's key capture.
    int m_nCapturedKey = 0;
    CString m_strCapturedKeyName;
    int m_nCaptureMode = kCaptureNone;
    MacroEventCapture m_capture;

    // Title and macro column.
    Kelvo::MPicture* m_titleBackground = nullptr;  // 136
    Kelvo::MText* m_title = nullptr;               // 137
    Kelvo::MPicture* m_macroBackground = nullptr;  // 138
    Kelvo::MText* m_macroCaption = nullptr;        // 139
    Kelvo::CArea* m_macroFrame = nullptr;          // 140
    Kelvo::MacroList* m_macros = nullptr;          // 141
    Kelvo::MButton* m_new = nullptr;               // 142
    Kelvo::MButton* m_import = nullptr;            // 143
    Kelvo::MButton* m_export = nullptr;            // 144

    // Event column.
    Kelvo::MPicture* m_eventBackground = nullptr;  // 145
    Kelvo::MText* m_eventCaption = nullptr;        // 146
    Kelvo::CArea* m_eventFrame = nullptr;          // 147
    Kelvo::CArea* m_eventHeader = nullptr;         // 148
    std::array<Kelvo::MText*, 3> m_columnCaptions{};  // 149 … 151
    Kelvo::CRecordList* m_events = nullptr;        // 152
    Kelvo::MButton* m_insert = nullptr;            // 153
    Kelvo::MButton* m_delete = nullptr;            // 154

    // Option column.
    Kelvo::MPicture* m_optionBackground = nullptr;  // 155
    Kelvo::CIconButton* m_record = nullptr;          // 157
    Kelvo::MText* m_delayCaption = nullptr;          // 158
    std::array<Kelvo::CRadioButton*, 3> m_delayOptions{};  // 159, 160, 161
    Kelvo::CArea* m_fixedDelayFrame = nullptr;       // 162
    Kelvo::MEdit* m_fixedDelay = nullptr;            // 163
    Kelvo::MText* m_fixedDelayUnit = nullptr;        // 164
    Kelvo::MText* m_playCaption = nullptr;           // 165
    std::array<Kelvo::CRadioButton*, 4> m_playOptions{};   // 166, 167, 169, 168 as shown
    Kelvo::MEdit* m_plays = nullptr;                 // 170

    // Event edit panel and move panel.
    Kelvo::MPicture* m_panelBackground = nullptr;  // 156
    Kelvo::MText* m_kindCaption = nullptr;         // 171
    Kelvo::MComboBox* m_kind = nullptr;            // 172
    Kelvo::MEdit* m_value = nullptr;               // 173
    Kelvo::MComboBox* m_buttons = nullptr;         // 174
    Kelvo::MText* m_valueCaption = nullptr;        // 175
    Kelvo::MButton* m_up = nullptr;                // 176
    Kelvo::MButton* m_down = nullptr;              // 177
    Kelvo::MText* m_xCaption = nullptr;            // 178
    std::array<Kelvo::CRadioButton*, 2> m_xDirection{};  // 179 left, 180 right
    Kelvo::MEdit* m_xDistance = nullptr;           // 181
    Kelvo::MText* m_yCaption = nullptr;            // 182
    std::array<Kelvo::CRadioButton*, 2> m_yDirection{};  // 183 up, 184 down
    Kelvo::MEdit* m_yDistance = nullptr;           // 185
};
