#pragma once

#include <QPoint>
#include <QString>

#include <functional>

class QWidget;

namespace parta {
class Shell;
}

namespace parta::test {

class Dice;

// One thing to do to the program, chosen but not done yet: what it is, in a
// line for the report of a failure, and the doing of it.
struct RandomEvent {
    QString what;
    std::function<void()> perform;
};

// What the monkey does to the program: clicks, double clicks, typing, pasting,
// the keys that move and press, and the close button of the title bar, each on a
// window on screen and one of its controls, all chosen by the dice.
class RandomEvents {
public:
    explicit RandomEvents(Dice &dice);

    // Chooses the next thing to do to one of the windows on screen; it is to
    // be done at once, while the windows are as they were.
    RandomEvent next(Shell &shell);

private:
    enum class Clicks { Single, Double };
    RandomEvent click(QWidget *window, Clicks clicks);
    RandomEvent type(QWidget *window);
    RandomEvent paste(QWidget *window);
    RandomEvent pressKey(QWidget *window);
    RandomEvent close(QWidget *window);

    QWidget *anyControl(QWidget *window);
    // The text box with the keyboard focus, or another one on screen, or now
    // and then any control.
    QWidget *typingTarget(QWidget *window);
    QPoint pointIn(const QWidget *target);
    QString randomText(int length);

    Dice &dice;
};

} // namespace parta::test
