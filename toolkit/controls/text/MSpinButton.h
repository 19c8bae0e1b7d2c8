#pragma once
// A skinned number spinner: the value written in the panel, an up button (ID 30) and a
// down button (ID 31) stacked at the right edge. The buttons, and while focused Up,
// Down, numeric-pad + and − and the wheel, step the value and wrap around the range;
// digits typed while focused append to the value (starting afresh when it would grow
// past the maximum number of digits) and Backspace drops its last digit. Each change
// tells the parent 28.
#include <windows.h>

#include "MPanel.h"
#include "TextNotifications.h"

namespace Kelvo {

class CImageButton;

class KELVO_API MSpinButton : public MPanel {
public:
    static constexpr UINT kUpId = 30;
    static constexpr UINT kDownId = 31;

    MSpinButton(MObject* parent, UINT id, CRect rect, int visible, int enabled);

    const wchar_t* GetClassNameW() override;
    void InitControl(PaintManager* manager) override;
    void SetControlRect(CRect rect) override;
    void DrawControl(HDC dc, const CRect& clip) override;
    LRESULT OnMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) override;
    int OnControlKeyDown(UINT key, UINT repeat, UINT modifiers) override;
    int OnControlScroll(int bar, int direction, CPoint point) override;

    void SetCurValue(int value);
    int GetCurValue() const { return m_nValue; }
    void SetRange(int minimum, int maximum);
    int GetMinValue() const { return m_nMin; }
    int GetMaxValue() const { return m_nMax; }
    // 1 … 9 digits: a longer value could not be held.
    void SetLimitLength(int digits) { m_nDigits = digits < 1 ? 1 : digits > 9 ? 9 : digits; }
    int GetLimitLength() const { return m_nDigits; }

    // One step up (+1) or down (−1), wrapping around the range; tells the parent 28.
    void StepValue(int delta);
    // A digit typed at the end of the value; tells the parent 28.
    void TypeDigit(int digit);
    // Drops the last digit; tells the parent 28 when the value changed.
    void DropDigit();

private:
    void LayOutButtons();
    // Stores the value; a repaint when it changed.
    bool ChangeValue(int value);

    int m_nValue = 0;
    int m_nMin = 1;
    int m_nMax = 100;
    int m_nDigits = 3;
    CImageButton* m_pUp = nullptr;
    CImageButton* m_pDown = nullptr;
};

}  // namespace Kelvo
