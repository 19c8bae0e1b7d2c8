#pragma once
// A number typed into a single-line rich edit (digits only), with up (ID 30) and down
// (ID 31) buttons at its right edge that step it and wrap around the range (0 … 100
// unless set). A typed text is read as a number (empty: 0) and kept inside the range.
// Each change tells the parent 28.
#include "MRichEdit.h"

namespace Kelvo {

class CImageButton;

class KELVO_API CSpinButton : public MRichEdit {
public:
    static constexpr UINT kUpId = 30;
    static constexpr UINT kDownId = 31;

    CSpinButton(MObject* parent, UINT id, CRect rect, int visible, int enabled);

    const wchar_t* GetClassNameW() override;
    void InitControl(PaintManager* manager) override;
    void SetControlRect(CRect rect) override;
    LRESULT OnMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) override;

    // Sets the text to the number and repaints.
    void SetCurValue(int value);
    int GetCurValue() const { return m_nValue; }
    void SetRange(int minimum, int maximum);
    int GetMinValue() const { return m_nMin; }
    int GetMaxValue() const { return m_nMax; }

protected:
    void OnTextChanged() override;

private:
    void LayOutButtons();
    void StepValue(int delta);

    int m_nValue = 0;
    int m_nMin = 0;
    int m_nMax = 100;
    CImageButton* m_pUp = nullptr;
    CImageButton* m_pDown = nullptr;
};

}  // namespace Kelvo
