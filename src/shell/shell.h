#pragma once

#include <QObject>

#include <array>
#include <memory>

class QWidget;

namespace parta {

// The program: the registry of its 41 windows and the steps that change which
// of them are on screen. Every window is created the first time something needs
// it and lives until the Shell is destroyed, keeping its state while hidden.
class Shell : public QObject {
    Q_OBJECT
public:
    static constexpr int windowCount = 41;

    Shell();
    ~Shell() override;
    Shell(const Shell &) = delete;
    Shell &operator=(const Shell &) = delete;

    // Creates the main window and shows it.
    void start();

    // The window Form<number>, created on first use; null for a number outside 1..41.
    QWidget *window(int number);
    bool exists(int number) const;

    void show(int number);
    void hide(int number);
    // Shows the target, then hides the window it is left from, so that a
    // full-size window is on screen throughout.
    void move(int from, int to);
    // Hides the window, then shows it: it comes to the front, still one instance.
    void popUp(int number);
    // Hides every window and asks the event loop to quit.
    void end();
    bool hasEnded() const { return ended; }

    static bool isPopUpWindow(int number);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void discard(int number);
    int numberOf(const QObject *window) const;

    std::array<std::unique_ptr<QWidget>, windowCount + 1> slots; // slot 0 unused
    bool ended = false;
};

} // namespace parta
