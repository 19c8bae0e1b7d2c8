#pragma once
// The press cycle every button follows, apart from what each class adds: the pointer over
// the button shows it hovered, a press inside shows it pressed, and a release inside after
// a press on it completes a click. Moves while pressed change nothing, so a press dragged
// outside and released there ends without a click. Some buttons take any release inside
// as a click, wherever the press began (anyRelease).
namespace Kelvo {

struct PressCycle {
    enum State : int { kNormal = 0, kHover = 1, kPressed = 2 };

    int state = kNormal;

    // Each returns true when the state changed.
    bool Move(bool inside);
    bool Down(bool inside);
    struct Release {
        bool changed = false;
        bool clicked = false;  // inside, and the button was pressed (or anyRelease)
    };
    Release Up(bool inside, bool anyRelease = false);
};

}  // namespace Kelvo
