#pragma once
// The settings page's block of Windows pointer settings: pointer speed, pointer
// precision, wheel scrolling and double-click speed. They belong to Windows and to every
// program, so the block keeps nothing: it shows what Windows reports when it is built
// and whenever the window comes back to the front on this page, and hands each change
// to Windows at once. Nothing of it goes into the store.
#include "PageControls.h"

namespace Kelvo {
class CCheckButton;
class CRadioButton;
class MPicture;
class MSlider;
class MText;
class NumberEdit2;
}  // namespace Kelvo

class PointerSettingsBlock : public MainWindowPage {
public:
    explicit PointerSettingsBlock(PageControls& controls) : m_controls(controls) {}

    void Create() override;
    void Place() override;
    bool OnNotify(UINT id, UINT code, LRESULT& result) override;
    void ApplyLanguage() override;
    void OnWindowActivated(int shownPage) override;

    // Shows what Windows holds now.
    void ReloadPointerSettings();

private:
    Kelvo::MText* MakeText(UINT id);
    Kelvo::MSlider* MakeSlider(UINT id, int positions);
    void StyleTexts();

    void OnPointerSpeed(UINT code);
    void OnPointerPrecision();
    void OnWheelMode();
    void OnWheelLines(UINT code);
    void OnDoubleClickSpeed();

    void ShowSpeed(int speed);
    void ShowWheelLines(UINT lines);
    void ShowDoubleClickTime(UINT milliseconds);

    PageControls& m_controls;
    Kelvo::MPicture* m_background = nullptr;
    Kelvo::MText* m_title = nullptr;
    Kelvo::MText* m_speedTitle = nullptr;
    Kelvo::MSlider* m_speed = nullptr;
    Kelvo::MText* m_speedSlow = nullptr;
    Kelvo::MText* m_speedFast = nullptr;
    Kelvo::MText* m_speedValue = nullptr;
    Kelvo::CCheckButton* m_precision = nullptr;
    Kelvo::MText* m_wheelTitle = nullptr;
    Kelvo::NumberEdit2* m_wheelLines = nullptr;
    Kelvo::CRadioButton* m_oneScreen = nullptr;
    Kelvo::CRadioButton* m_byLines = nullptr;
    Kelvo::MText* m_doubleClickTitle = nullptr;
    Kelvo::MSlider* m_doubleClick = nullptr;
    Kelvo::MText* m_doubleClickSlow = nullptr;
    Kelvo::MText* m_doubleClickFast = nullptr;
    Kelvo::MText* m_doubleClickValue = nullptr;
};
