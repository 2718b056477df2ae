#pragma once

#include "shell/shell.h"

#include <QHash>
#include <QPointer>
#include <QSet>
#include <QString>

#include <array>

namespace parta::test {

// What must hold of the program between any two events, whatever the pupil did:
// - at most one full-size window on screen, and exactly one while the program
//   has not ended (nothing at all once it has);
// - every error counter empty or a whole number from 0 to its window's number
//   of items;
// - "Проверить" enabled exactly when the exercise protocol says so, followed
//   press by press from the buttons' clicked signals;
// - no control that a window had when it was created gone from it.
class ProgramWatch {
public:
    // Watches a freshly started program; the controls seen in earlier programs
    // stay the reference.
    void follow(Shell &shell);
    // Takes note of the windows created since the last look; then the first
    // broken rule, or an empty text when all hold.
    QString check();
    // How many of the program's windows have been created so far.
    int windowsSeen() const { return static_cast<int>(controlNames.size()); }

private:
    void adopt(int number, QWidget *window);
    QString windowsOnScreen() const;
    QString exerciseFrames() const;
    QString missingControls() const;

    Shell *shell = nullptr;
    std::array<QPointer<QWidget>, Shell::windowCount + 1> known; // slot 0 unused
    // Whether "Проверить" of an exercise window should be enabled now.
    QHash<int, bool> checkEnabled;
    // The names of each window's controls when it was first created.
    QHash<int, QSet<QString>> controlNames;
};

} // namespace parta::test
