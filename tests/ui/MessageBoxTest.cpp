// The message box as the user meets it: the title, the message and the button texts
// of the language file, its buttons where they belong, and the answer of the button
// clicked with real input.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CUIMessageBox.h"
#include "DialogTestSupport.h"
#include "MControlFont.h"
#include "WindowTestSupport.h"

namespace {

using uitest::DialogObject;
using uitest::FindDialog;

constexpr int kTitleNotice = 576;
constexpr int kMessageNoMouse = 57;

struct Case {
    const char* name;
    int language;
    int type;
    CPoint click;  // where the user clicks, in the dialog's client area
    std::wstring title, message;
    std::vector<std::wstring> buttons;  // texts of 33 and 34
    UINT answer;
    const wchar_t* screenshot;  // kept for the first case of each look
};

struct Seen {
    bool found = false;
    CRect window;
    LONG_PTR exStyle = 0;
    bool ownerDisabled = false;
    std::wstring title, message;
    std::vector<std::wstring> buttons;
    std::wstring shotError;
    DWORD accentLine = 0, corner = 0;
};

constexpr DWORD kAccent = 0x3768FA;      // the background's line along the top edge
constexpr DWORD kOwnerFill = 0x808080;   // the owner window, through the rounded corner

std::wstring TitleOf(CUIMessageBox& box, UINT id) {
    auto* control = static_cast<Kelvo::MControlFont*>(box.GetControl(id));
    return control ? std::wstring(control->GetTitle().GetString()) : L"<none>";
}

TEST(MessageBoxDialog, ShowsItsTextsAndAnswersWithTheButtonClicked) {
    const std::wstring noMouse = L"No mouse is connected. Connect the mouse or wake it up, then try again.";
    const std::wstring noMouseZh =
        L"\u672A\u8FDE\u63A5\u9F20\u6807\u3002\u8BF7\u8FDE\u63A5\u6216\u5524\u9192\u9F20\u6807\u540E\u91CD\u8BD5\u3002";
    const Case cases[] = {
        {"notice", 1033, CUIMessageBox::kNotice, {215, 198}, L"Notice", noMouse, {L"OK"}, 1,
         L"ui-messagebox-notice.png"},
        {"question answered yes", 1033, CUIMessageBox::kQuestion, {145, 198}, L"Notice", noMouse, {L"Yes", L"No"}, 1,
         L"ui-messagebox-question.png"},
        {"question answered no", 1033, CUIMessageBox::kQuestion, {285, 198}, L"Notice", noMouse, {L"Yes", L"No"}, 2,
         nullptr},
        {"question in the second language, no", 1055, CUIMessageBox::kQuestion, {285, 198}, L"\u63D0\u793A",
         noMouseZh, {L"\u662F", L"\u5426"}, 2, nullptr},
    };
    const CRect ownerRect(50, 50, 650, 450);
    wintest::OwnerWindow owner(ownerRect);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TextById texts = uitest::ShippedTexts(c.language);
        Seen seen;
        uitest::RunSoon([&] {
            HWND window = FindDialog(L"MessageBox");
            if (!window) return;
            seen.found = true;
            seen.window = wintest::WindowRect(window);
            seen.exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
            seen.ownerDisabled = !IsWindowEnabled(owner.Handle());
            auto& box = *DialogObject<CUIMessageBox>(window);
            seen.title = TitleOf(box, CUIMessageBox::kTitleId);
            seen.message = TitleOf(box, CUIMessageBox::kMessageId);
            for (UINT id = CUIMessageBox::kFirstButtonId; id <= CUIMessageBox::kSecondButtonId; ++id)
                if (box.GetControl(id)) seen.buttons.push_back(TitleOf(box, id));
            wintest::Pump(300);  // painted on screen
            seen.accentLine = uitest::ScreenRgb(window, CPoint(215, 1));
            seen.corner = uitest::ScreenRgb(window, CPoint(0, 0));
            if (c.screenshot) seen.shotError = uitest::KeepScreenshot(window, c.screenshot);
            uitest::ClickWithoutPumping(window, c.click);
        });
        uitest::ModalGuard guard(L"MessageBox");
        const UINT answer = ShowMessage(texts(kMessageNoMouse), owner.Handle(), texts(kTitleNotice), c.type, texts);

        ASSERT_TRUE(seen.found) << "no window captioned MessageBox";
        EXPECT_EQ(answer, c.answer);
        EXPECT_EQ(seen.title, c.title);
        EXPECT_EQ(seen.message, c.message);
        EXPECT_EQ(seen.buttons, c.buttons);
        EXPECT_EQ(seen.window.Size(), CSize(430, 230));
        EXPECT_EQ(seen.window.CenterPoint(), ownerRect.CenterPoint()) << "centred over the main window";
        EXPECT_TRUE(seen.exStyle & WS_EX_TOOLWINDOW);
        EXPECT_TRUE(seen.exStyle & WS_EX_TOPMOST);
        EXPECT_TRUE(seen.ownerDisabled) << "modal over its owner";
        EXPECT_EQ(seen.accentLine, kAccent) << "the skinned background is not on screen";
        EXPECT_EQ(seen.corner, kOwnerFill) << "the corner is not see-through";
        EXPECT_TRUE(seen.shotError.empty()) << std::string(seen.shotError.begin(), seen.shotError.end());
        EXPECT_FALSE(guard.Fired()) << "the click did not answer it";
        EXPECT_EQ(FindDialog(L"MessageBox"), nullptr) << "destroyed after answering";
        EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
    }
}

}  // namespace
