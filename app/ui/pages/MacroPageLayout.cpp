// Where the macro page's controls go: the title row, then three columns from 50·s under
// its top, and the two edit panels sharing the space under the option column.
#include "MacroPage.h"

#include "CArea.h"
#include "CIconButton.h"
#include "CRadioButton.h"
#include "CRecordList.h"
#include "MButton.h"
#include "MComboBox.h"
#include "MEdit.h"
#include "MPicture.h"
#include "MText.h"
#include "MacroList.h"

void MacroPage::Place() {
    auto S = [this](double v) { return m_c.S(v); };
    PageControls::Place(m_titleBackground, CRect(100, 75, 100 + S(830), 75 + S(40)));
    PageControls::Place(m_title, CRect(100 + S(10), 75, 100 + S(830), 75 + S(40)));
    const int top = 75 + S(50);
    PlaceMacroColumn(top);
    PlaceEventColumn(top);
    PlaceOptionColumn(top);
    PlaceEditPanels(75 + S(425));
    SetFonts();
}

void MacroPage::PlaceMacroColumn(int top) {
    auto S = [this](double v) { return m_c.S(v); };
    PageControls::Place(m_macroBackground, CRect(100, top, 100 + S(200), top + S(510)));
    PageControls::Place(m_macroCaption, CRect(100 + S(10), top, 100 + S(190), top + S(36)));
    const CRect list(100 + S(10), top + S(36), 100 + S(190), top + S(436));
    PageControls::Place(m_macroFrame, list);
    if (m_macros) m_macros->SetScaleValue(m_c.Context().Scale());
    PageControls::Place(m_macros, list);
    Kelvo::MButton* buttons[] = {m_new, m_import, m_export};
    for (int i = 0; i < 3; ++i) {
        const int left = 100 + S(10) + S(60 * i);
        PageControls::Place(buttons[i], CRect(left, top + S(456), left + S(55), top + S(484)));
    }
}

void MacroPage::PlaceEventColumn(int top) {
    auto S = [this](double v) { return m_c.S(v); };
    const int left = 100 + S(210);
    PageControls::Place(m_eventBackground, CRect(left, top, left + S(380), top + S(510)));
    PageControls::Place(m_eventCaption, CRect(left + S(10), top, left + S(370), top + S(36)));
    PageControls::Place(m_eventFrame, CRect(left + S(10), top + S(36), left + S(370), top + S(406)));
    PageControls::Place(m_eventHeader, CRect(left + S(10), top + S(36), left + S(370), top + S(66)));
    const int columns[] = {10, 60, 140, 370};
    for (size_t i = 0; i < m_columnCaptions.size(); ++i) {
        PageControls::Place(m_columnCaptions[i], CRect(left + S(columns[i] + 5), top + S(36), left + S(columns[i + 1]),
                                                       top + S(66)));
    }
    if (m_events) m_events->SetScaleValue(m_c.Context().Scale());
    PageControls::Place(m_events, CRect(left + S(10), top + S(66), left + S(370), top + S(406)));
    PageControls::Place(m_insert, CRect(left + S(240), top + S(416), left + S(300), top + S(444)));
    PageControls::Place(m_delete, CRect(left + S(310), top + S(416), left + S(370), top + S(444)));
}

// The record button, then the delay and playback options, one radio every 30·s, each
// number field to the right of its radio.
void MacroPage::PlaceOptionColumn(int top) {
    auto S = [this](double v) { return m_c.S(v); };
    const int left = 100 + S(600);
    PageControls::Place(m_optionBackground, CRect(left, top, left + S(230), top + S(365)));
    PageControls::Place(m_record, CRect(left + S(35), top + S(15), left + S(195), top + S(43)));
    if (m_record) {
        const int iconTop = (S(28) - 12) / 2;
        m_record->SetTextRect(CRect(S(30), 0, S(160), S(28)), CRect(S(14), iconTop, S(14) + 12, iconTop + 12));
    }
    PageControls::Place(m_delayCaption, CRect(left + S(10), top + S(55), left + S(220), top + S(80)));
    for (size_t i = 0; i < m_delayOptions.size(); ++i) {
        const int y = top + S(85) + S(30 * static_cast<int>(i));
        const int right = i == 2 ? left + S(135) : left + S(225);
        PageControls::Place(m_delayOptions[i], CRect(left + S(10), y, right, y + S(24)));
    }
    const int fixedTop = top + S(145);
    const CRect fixed(left + S(140), fixedTop, left + S(195), fixedTop + S(24));
    PageControls::Place(m_fixedDelayFrame, fixed);
    PageControls::Place(m_fixedDelay, fixed);
    PageControls::Place(m_fixedDelayUnit, CRect(left + S(198), fixedTop, left + S(225), fixedTop + S(24)));
    PageControls::Place(m_playCaption, CRect(left + S(10), top + S(180), left + S(220), top + S(205)));
    for (size_t i = 0; i < m_playOptions.size(); ++i) {
        const int y = top + S(210) + S(30 * static_cast<int>(i));
        const int right = i == 3 ? left + S(135) : left + S(225);
        PageControls::Place(m_playOptions[i], CRect(left + S(10), y, right, y + S(24)));
    }
    const int playsTop = top + S(300);
    PageControls::Place(m_plays, CRect(left + S(140), playsTop, left + S(195), playsTop + S(24)));
}

void MacroPage::PlaceEditPanels(int top) {
    auto S = [this](double v) { return m_c.S(v); };
    const int left = 100 + S(600);
    PageControls::Place(m_panelBackground, CRect(left, top, left + S(230), top + S(135)));
    PageControls::Place(m_kindCaption, CRect(left + S(10), top + S(12), left + S(80), top + S(40)));
    PageControls::Place(m_kind, CRect(left + S(85), top + S(12), left + S(220), top + S(40)));
    PageControls::Place(m_valueCaption, CRect(left + S(10), top + S(52), left + S(80), top + S(80)));
    const CRect value(left + S(85), top + S(52), left + S(220), top + S(80));
    PageControls::Place(m_value, value);
    PageControls::Place(m_buttons, value);
    PageControls::Place(m_up, CRect(left + S(120), top + S(94), left + S(148), top + S(122)));
    PageControls::Place(m_down, CRect(left + S(158), top + S(94), left + S(186), top + S(122)));
    auto row = [&](int y, Kelvo::MText* caption, std::array<Kelvo::CRadioButton*, 2>& radios, Kelvo::MEdit* field) {
        PageControls::Place(caption, CRect(left + S(10), y, left + S(30), y + S(28)));
        PageControls::Place(radios[0], CRect(left + S(32), y + S(2), left + S(92), y + S(26)));
        PageControls::Place(radios[1], CRect(left + S(95), y + S(2), left + S(160), y + S(26)));
        PageControls::Place(field, CRect(left + S(165), y, left + S(220), y + S(28)));
    };
    row(top + S(22), m_xCaption, m_xDirection, m_xDistance);
    row(top + S(72), m_yCaption, m_yDirection, m_yDistance);
}

void MacroPage::SetFonts() {
    const CString& font = m_c.Context().FontName();
    auto S = [this](double v) { return m_c.S(v); };
    auto size = [&](Kelvo::MControlFont* control, int points) {
        if (control) control->SetFont(font.GetString(), S(points), 0);
    };
    size(m_title, 18);
    size(m_macroCaption, 16);
    size(m_eventCaption, 16);
    size(m_macros, 14);
    size(m_events, 14);
    for (Kelvo::MText* caption : m_columnCaptions) size(caption, 13);
    Kelvo::MControlFont* fourteen[] = {m_new, m_import, m_export, m_insert, m_delete, m_record, m_delayCaption,
                                       m_playCaption, m_fixedDelay, m_plays, m_kindCaption, m_valueCaption, m_kind,
                                       m_buttons, m_value, m_xCaption, m_yCaption, m_xDistance, m_yDistance};
    for (Kelvo::MControlFont* control : fourteen) size(control, 14);
    for (Kelvo::CRadioButton* radio : m_delayOptions) size(radio, 13);
    for (Kelvo::CRadioButton* radio : m_playOptions) size(radio, 13);
    for (auto* radio : {m_xDirection[0], m_xDirection[1], m_yDirection[0], m_yDirection[1]}) size(radio, 13);
    size(m_fixedDelayUnit, 12);
}
