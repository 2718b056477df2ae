#pragma once

namespace parta {

// The windows an exercise window goes to by name; all others come from its table.
inline constexpr int mainWindowNumber = 1;
inline constexpr int praiseWindowNumber = 20;

// What a window may do to the windows on screen. The program's Shell does it
// for real; a test can stand in for it.
class Navigation {
public:
    virtual ~Navigation() = default;

    // Shows the target, then hides the window it is left from, so that a
    // full-size window is on screen throughout.
    virtual void move(int from, int to) = 0;
    // Hides the window, then shows it: it comes to the front, still one instance.
    virtual void popUp(int number) = 0;
    // Hides every window and ends the program.
    virtual void end() = 0;
};

} // namespace parta
