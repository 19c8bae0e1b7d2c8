#pragma once
// One page of the gallery: a family of controls shown in each of their states, next to
// live samples to try by hand. Pages register themselves (GALLERY_PAGE) and the gallery
// shows them in order, one at a time, below its row of page entries.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "Geometry.h"
#include "MDialog.h"

namespace gallery {

// Page controls take IDs from here on; lower IDs belong to the gallery itself.
constexpr UINT kFirstPageId = 1000;

// Colours the gallery sets where a control's own default would vanish on the dark fill.
constexpr DWORD kCaptionColour = 0xFFB4B4B4;    // labels under and beside the samples
constexpr DWORD kProgressTrackColour = 0xFF3A4049;  // the empty part of a plain progress bar

// A pixel the screen must show for a page's picture to count (client coordinates of the
// gallery window, colour 0xRRGGBB).
struct PixelCheck {
    std::wstring what;
    CPoint client;
    DWORD rgb;
};

class GalleryPage {
public:
    virtual ~GalleryPage() = default;

    // Short name, used in the picture's file name: kelvo-gallery-<name>.png.
    virtual const wchar_t* Name() const = 0;
    // The page's entry in the gallery's row.
    virtual const wchar_t* Title() const = 0;
    // Creates the page's controls on `dialog` inside `area` (client coordinates).
    virtual void Build(Kelvo::MDialog& dialog, CRect area) = 0;
    // Puts the samples into the states the pointer is not showing (hover, pressed,
    // focused ...). Runs after Build, once the window is laid out.
    virtual void ShowStates(Kelvo::MDialog&) {}
    // What the message line says about a notification of one of the page's controls;
    // empty leaves the line alone.
    virtual std::wstring Describe(UINT, UINT, WPARAM, LPARAM) { return {}; }
    // A window message the gallery does not handle itself; true when the page took it.
    virtual bool OnWindowMessage(Kelvo::MDialog&, UINT, WPARAM, LPARAM, std::wstring&) { return false; }
    // Runs before the page's picture is taken; returns further windows to include in it.
    virtual std::vector<HWND> BeforeScreenshot(Kelvo::MDialog&) { return {}; }
    virtual void AfterScreenshot(Kelvo::MDialog&) {}
    // Pixels the picture must show (besides the gallery's own frame).
    virtual std::vector<PixelCheck> Checks(Kelvo::MDialog&) { return {}; }
    // Called when the page goes away, before its controls are removed.
    virtual void Leave(Kelvo::MDialog&) {}
};

using PageMaker = std::unique_ptr<GalleryPage> (*)();

// Adds a page; pages appear in increasing `order`.
struct PageRegistration {
    PageRegistration(int order, PageMaker make);
};

// A new instance of every registered page, in order.
std::vector<std::unique_ptr<GalleryPage>> MakePages();

}  // namespace gallery

#define GALLERY_PAGE(Class, order)                                                              \
    static const gallery::PageRegistration galleryPage##Class(order, []() -> std::unique_ptr<gallery::GalleryPage> { \
        return std::make_unique<Class>();                                                      \
    })
