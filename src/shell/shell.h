#pragma once

#include "frame/navigation.h"

#include <QObject>

#include <array>
#include <memory>

class QWidget;

namespace parta {

// The program: the registry of its 41 windows and the steps that change which
// of them are on screen. Every window is created the first time something needs
// it and lives until the Shell is destroyed, keeping its state while hidden.
class Shell : public QObject, public Navigation {
    Q_OBJECT
public:
    static constexpr int windowCount = 41;
    // The About window, which centres itself on the screen.
    static constexpr int aboutWindowNumber = 2;

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
    void move(int from, int to) override;
    void popUp(int number) override;
    // Hides every window and asks the event loop to quit; never exits the process.
    void end() override;
    bool hasEnded() const { return ended; }

    static bool isPopUpWindow(int number);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void discard(int number);
    QWidget *fullSizeWindowOnScreen() const;
    static void centreOnScreen(QWidget *window);
    static void placeOver(QWidget *popUpWindow, const QWidget *opener);
    int numberOf(const QObject *window) const;

    std::array<std::unique_ptr<QWidget>, windowCount + 1> slots; // slot 0 unused
    bool ended = false;
};

} // namespace parta
