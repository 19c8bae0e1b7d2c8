// The key page's controls, where they go, and their texts.
#include "KeyAssignmentPage.h"

#include "CHelpButton.h"
#include "CImageButton.h"
#include "MButton2.h"
#include "MComboBox2.h"
#include "MPicture.h"
#include "MText.h"
#include "MouseCtrl.h"
#include "MouseKeyCtrl.h"

namespace {

constexpr int kContainer = 45;
constexpr int kNumberedType = 6;

}  // namespace

void KeyAssignmentPage::Create() {
    CreateButtonColumn();
    CreateFunctionColumn();
    CreatePanelA();
    CreatePanelB();
    LoadModel();
}

void KeyAssignmentPage::CreateButtonColumn() {
    const UINT sectionIds[] = {58, 60, 64};
    for (size_t i = 0; i < m_sections.size(); ++i) {
        auto* picture = m_c.Make<Kelvo::MPicture>(kContainer, L"MPicture", sectionIds[i]);
        m_sections[i] = picture;
        if (!picture) continue;
        picture->SetImage(L"img_area2.png", 1);
        picture->SetShowMode(Kelvo::SHOWMODE_FRAME, 10);
    }
    const CString& font = m_c.Context().FontName();
    if ((m_title = m_c.Make<Kelvo::MText>(kContainer, L"MText", 59))) m_title->SetFontName(font.GetString());
    m_listCaption = m_c.Make<Kelvo::MText>(kContainer, L"MText", 61);
    if (auto* restore = m_c.Make<Kelvo::CImageButton>(kContainer, L"CImageButton", 62)) {
        restore->SetImage(L"btn_reset.png", 4);
        m_restoreAll = restore;
    }
    m_buttonList = m_c.Make<Kelvo::MouseKeyCtrl>(kContainer, L"MouseKeyCtrl", 63);
    m_buttonName = m_c.Make<Kelvo::MText>(kContainer, L"MText", 65);
    if (auto* restore = m_c.Make<Kelvo::CImageButton>(kContainer, L"CImageButton", 66)) {
        restore->SetImage(L"btn_reset.png", 4);
        m_restoreOne = restore;
    }
    if ((m_picture = m_c.Make<Kelvo::MouseCtrl>(kContainer, L"MouseCtrl", 107))) m_picture->SetImage(L"img_key_bkg.png", 2);
}

void KeyAssignmentPage::CreateFunctionColumn() {
    for (Category& category : m_categories) {
        category.caption = m_c.Make<Kelvo::MText>(kContainer, L"MText", category.captionId);
        if (category.type == 2 || category.type == 7 || category.type == 9) {
            category.button = m_c.Make<Kelvo::MButton2>(kContainer, L"MButton2", category.controlId);
            if (category.button) category.button->SetImage(L"img_button2.png", 4);
            continue;
        }
        category.list = m_c.Make<Kelvo::MComboBox2>(kContainer, L"MComboBox2", category.controlId);
        if (category.list) category.list->SetImage(L"img_combobox_drop.png", 4);
    }
    if (auto* help = m_c.Make<Kelvo::CHelpButton>(kContainer, L"CHelpButton", 83)) {
        help->SetImage(L"img_help.png", 4);
        m_help = help;
    }
    FillCategoryLists();
    if (Category* mouse = CategoryOfType(1); mouse && mouse->list) mouse->list->SetCheck(1);
}

// ---- layout -------------------------------------------------------------------------------

bool KeyAssignmentPage::ModelHasLight() {
    LoadModel();
    return m_model.light;
}

void KeyAssignmentPage::Place() {
    const int top = 75 + m_c.S(50);
    PageControls::Place(m_sections[0], CRect(100, 75, 100 + m_c.S(470), 75 + m_c.S(40)));
    PageControls::Place(m_title, CRect(100 + m_c.S(10), 75, 100 + m_c.S(470), 75 + m_c.S(40)));
    if (m_title) m_title->SetFont(m_c.Context().FontName().GetString(), m_c.S(18), 0);
    PlaceButtonColumn(top);
    PlaceFunctionColumn(top);
    PlacePanels(100 + m_c.S(480), top);
}

void KeyAssignmentPage::PlaceButtonColumn(int top) {
    auto S = [this](double v) { return m_c.S(v); };
    const CString& font = m_c.Context().FontName();
    const int rows = static_cast<int>(m_model.buttons.size());
    // The list's own row pitch, so its background ends with its last row.
    const int rowPitch = static_cast<int>(Kelvo::MouseKeyCtrl::kRowHeight * m_c.Context().Scale() + 0.5f) +
                         Kelvo::MouseKeyCtrl::kRowGap;
    PageControls::Place(m_sections[1], CRect(100, top, 100 + S(230), top + rows * rowPitch + S(36)));
    PageControls::Place(m_listCaption, CRect(100 + S(10), top, 100 + S(200), top + S(36)));
    if (m_listCaption) m_listCaption->SetFont(font.GetString(), S(16), 0);
    const int icon = top + (S(36) - 13) / 2;
    PageControls::Place(m_restoreAll, CRect(100 + S(207), icon, 100 + S(207) + 13, icon + 13));
    if (m_buttonList) {
        m_buttonList->SetScaleValue(m_c.Context().Scale());
        m_buttonList->SetFont(font.GetString(), S(14), 0);
    }
    PageControls::Place(m_buttonList, CRect(100 + S(10), top + S(36), 100 + S(220), top + S(36) + rows * rowPitch));

    // The mouse picture's call-outs are drawn over the window's small model picture.
    CRect picture;
    if (Kelvo::MControl* model = m_c.Window().GetControl(32)) picture = model->GetRect();
    if (picture.IsRectEmpty()) picture = CRect(100 + S(720), top, 100 + S(1000), top + S(550));
    if (m_picture) {
        m_picture->SetScaleValue(m_c.Context().Scale());
        m_picture->SetFont(font.GetString(), S(14), 0);
    }
    // The call-outs' points are given from the picture's top-left corner.
    PageControls::Place(m_picture, CRect(picture.left, picture.top, picture.left + S(400), picture.top + S(420)));
}

// The categories in a column, each caption above its list or button; the numbered
// functions take a place only on models with lighting.
void KeyAssignmentPage::PlaceFunctionColumn(int top) {
    auto S = [this](double v) { return m_c.S(v); };
    const CString& font = m_c.Context().FontName();
    const bool light = ModelHasLight();
    const int left = 100 + S(240);
    PageControls::Place(m_sections[2], CRect(left, top, left + S(230), top + S(light ? 605 : 550)));
    PageControls::Place(m_buttonName, CRect(left + S(10), top, left + S(165), top + S(36)));
    if (m_buttonName) m_buttonName->SetFont(font.GetString(), S(16), 0);
    const int help = top + (S(36) - 15) / 2;
    PageControls::Place(m_help, CRect(left + S(170), help, left + S(170) + 15, help + 15));
    const int icon = top + (S(36) - 13) / 2;
    PageControls::Place(m_restoreOne, CRect(left + S(207), icon, left + S(207) + 13, icon + 13));
    int row = 0;
    for (Category& category : m_categories) {
        Kelvo::MControl* control = category.list ? static_cast<Kelvo::MControl*>(category.list) : category.button;
        if (category.type == kNumberedType && !light) {
            PageControls::Place(category.caption, CRect());
            PageControls::Place(control, CRect());
            continue;
        }
        const int y = top + S(36) + S(62 * row++);
        PageControls::Place(category.caption, CRect(left + S(10), y, left + S(210), y + S(28)));
        PageControls::Place(control, CRect(left + S(10), y + S(28), left + S(220), y + S(56)));
        if (category.caption) category.caption->SetFont(font.GetString(), S(14), 0);
        if (auto* text = dynamic_cast<Kelvo::MControlFont*>(control)) text->SetFont(font.GetString(), S(14), 0);
        if (category.list) category.list->SetFontWidth(S(14));
    }
}

// ---- texts --------------------------------------------------------------------------------

void KeyAssignmentPage::ApplyLanguage() {
    PageContext& context = m_c.Context();
    auto title = [&](Kelvo::MControlFont* control, int textId) {
        if (control) control->SetTitle(context.Text(textId).GetString());
    };
    title(m_title, 100);
    title(m_listCaption, 101);
    if (m_restoreAll) m_restoreAll->SetTooltip(context.Text(102).GetString());
    if (m_restoreOne) m_restoreOne->SetTooltip(context.Text(104).GetString());
    if (auto* help = dynamic_cast<Kelvo::MControlFont*>(m_help)) title(help, 168);
    for (Category& category : m_categories) title(category.caption, category.textId);
    if (Category* single = CategoryOfType(9)) title(single->button, 139);
    if (Category* combination = CategoryOfType(2)) title(combination->button, 160);
    if (Category* repeat = CategoryOfType(7)) title(repeat->button, 161);
    ApplyPanelLanguage();
    FillCategoryLists();
    // The buttons' labels and functions are language texts too.
    m_modelType = -1;
    Reload();
}
