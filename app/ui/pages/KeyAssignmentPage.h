#pragma once
// The key assignment page (second tab): the model's buttons as a list and on the mouse
// picture, and the function chosen for the selected button from the category lists, the
// key-combination panel (A), the repeated-key panel (B) or the single fixed function.
// Every choice is stored for the current profile first and then written to the mouse by
// a worker task that names the button, so a later choice never rewrites an earlier one.
#include <array>

#include "DeviceCatalogue.h"
#include "KeyAssignmentPageCapture.h"
#include "PageControls.h"

namespace Kelvo {
class CArea;
class MButton;
class MButton2;
class MButton3;
class MComboBox;
class MComboBox2;
class MControl;
class MEdit;
class MPicture;
class MText;
class MouseCtrl;
class MouseKeyCtrl;
}  // namespace Kelvo

class KeyAssignmentPage : public MainWindowPage {
public:
    explicit KeyAssignmentPage(PageControls& controls) : m_c(controls) {}

    void Create() override;
    void Place() override;
    bool OnNotify(UINT id, UINT code, LRESULT& result) override;
    bool ReloadsOn(DevicePage page) const override { return page == DevicePage::kKeys; }
    void Reload() override;
    void ApplyLanguage() override;
    void OnMacrosChanged() override;

    // A key combination as the button list shows it: the modifiers (mask bits Ctrl 1,
    // Shift 2, Alt 4, Win 8) in the order Shift, Ctrl, Win, Alt, then the key's name.
    static CString KeyCombinationText(int modifiers, int virtualKey);
    // The name of a virtual key from the names of the keys a button can send.
    static CString KeyNameOf(int virtualKey);

    // One function category: its caption and the list or button that chooses it.
    struct Category {
        UINT captionId;
        UINT controlId;
        int type;  // macro_type it assigns
        int textId;
        Kelvo::MText* caption = nullptr;
        Kelvo::MComboBox2* list = nullptr;  // the list categories
        Kelvo::MButton2* button = nullptr;  // the panels and the single fixed function
    };

private:
    // ---- controls (KeyAssignmentPage.cpp, KeyAssignmentPagePanels.cpp) ----
    void CreateButtonColumn();
    void CreateFunctionColumn();
    void CreatePanelA();
    void CreatePanelB();
    void FillCategoryLists();
    void FillMacroList();
    void TellWhenMacroIsCut(int macroId);
    void PlaceButtonColumn(int top);
    void PlaceFunctionColumn(int top);
    void PlacePanels(int left, int top);
    void ApplyPanelLanguage();
    bool ModelHasLight();

    // ---- the model's buttons (KeyAssignmentPageReload.cpp) ----
    void LoadModel();
    void FillButtons();
    void SelectButton(int index);
    void ShowFactoryDescriptions();
    CString FactoryDescription(int keyValue) const;
    CString StoredDescription(const KeyAssignment& record);

    // ---- what the selected button does now (KeyAssignmentPageFunction.cpp) ----
    void ShowKeyFunction();
    void ResetCategoryLists();
    void Highlight(UINT controlId);
    Category* CategoryOf(UINT controlId);
    Category* CategoryOfType(int type);
    void OpenPanelA(int modifiers, int virtualKey);
    void OpenPanelB(const KeyAssignment& record);
    void HidePanels();

    // ---- assignments (KeyAssignmentPageHandlers.cpp) ----
    bool Guard();
    void AssignFromList(Category& category);
    void AssignKeyCombination();
    void AssignRepeat();
    void AssignSingleFunction();
    void Assign(KeyAssignment record);
    KeyAssignment NewRecord(int type) const;
    void RestoreButton();
    void RestoreAllButtons();
    void OpenPanelAByUser();
    void OpenPanelBByUser();
    void ShowRepeatKind();
    void ClampNumber(Kelvo::MEdit* field, int low, int high);
    bool SecondFamily() const;

    // ---- key capture (KeyAssignmentPagePanels.cpp) ----
    void OnKeyField(UINT code, int mode);
    void OnCapturedKey(int mode, int virtualKey);
    void EndCapture();

    PageControls& m_c;
    int m_nSelKey = 0;
    int m_nCapturedKey = 0;
    int m_modelType = -1;  // the model whose buttons the controls show
    ModelDescription m_model;
    KeyCapture m_capture;

    std::array<Kelvo::MPicture*, 3> m_sections{};  // 58, 60, 64
    Kelvo::MText* m_title = nullptr;
    Kelvo::MText* m_listCaption = nullptr;
    Kelvo::MControl* m_restoreAll = nullptr;
    Kelvo::MouseKeyCtrl* m_buttonList = nullptr;
    Kelvo::MText* m_buttonName = nullptr;
    Kelvo::MControl* m_restoreOne = nullptr;
    Kelvo::MControl* m_help = nullptr;
    Kelvo::MouseCtrl* m_picture = nullptr;
    std::array<Category, 9> m_categories{{
        {67, 68, 1, 105},
        {69, 70, 3, 116},
        {71, 72, 4, 125},
        {73, 74, 8, 126},
        {75, 76, 5, 140},
        {77, 78, 6, 150},
        {79, 80, 2, 160},
        {81, 82, 7, 161},
        {84, 85, 9, 139},
    }};

    // Panel A: a keyboard key with modifiers.
    Kelvo::MPicture* m_panelA = nullptr;
    Kelvo::MText* m_panelATitle = nullptr;
    Kelvo::MEdit* m_keyField = nullptr;
    std::array<Kelvo::MButton3*, 4> m_modifiers{};  // Ctrl, Win, Alt, Shift (89 … 92)
    Kelvo::MButton* m_panelAOk = nullptr;

    // Panel B: a mouse button or key repeated.
    Kelvo::MPicture* m_panelB = nullptr;
    Kelvo::MText* m_panelBTitle = nullptr;
    Kelvo::MComboBox* m_repeatKind = nullptr;
    Kelvo::MText* m_repeatButtonCaption = nullptr;
    Kelvo::MComboBox* m_repeatButton = nullptr;
    Kelvo::MEdit* m_repeatKey = nullptr;
    Kelvo::MText* m_countCaption = nullptr;
    Kelvo::MEdit* m_count = nullptr;
    Kelvo::MText* m_intervalCaption = nullptr;
    Kelvo::CArea* m_intervalUnit = nullptr;
    Kelvo::MText* m_intervalNote = nullptr;
    Kelvo::MEdit* m_interval = nullptr;
    Kelvo::MButton* m_panelBOk = nullptr;
};
