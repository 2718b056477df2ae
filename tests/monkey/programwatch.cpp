#include "programwatch.h"

#include <QAbstractButton>
#include <QLabel>
#include <QWidget>

#include <algorithm>

namespace parta::test {

namespace {

// An exercise window as the monkey sees it.
struct ExerciseWindow {
    int number;
    int items;           // the most errors a check can find
    const char *counter; // the error counter
    const char *newTask; // "Задание", or "Выполнить заново" in Form13
    const char *mainWindow;
    const char *nextTask; // null where the button in its place is "Выход"
    // "Проверить" is enabled when the window is first shown and after the
    // window is left (window-switching exercises and the comma exercise); in
    // the in-window exercises it is disabled then, until "Задание".
    bool checkEnabledAtRest;
};

const std::array<ExerciseWindow, 13> exerciseWindows = {{
    {7, 5, "Lbl", "Command2(0)", "Command1(1)", "Command3", true},
    {8, 5, "Lbl", "Command2(0)", "Command1(1)", "Command3", true},
    {9, 16, "Label4", "Command2", "Command1(0)", "Command3", true},
    {10, 16, "Label4", "Command2(0)", "Command1(0)", "Command3", true},
    {11, 16, "Label4", "Command2(0)", "Command1(0)", "Command3", true},
    {13, 27, "Lbl", "Command2(0)", "Command1(1)", "Command3", true},
    {14, 10, "Label4", "Command2(0)", "Command1(0)", "Command3", false},
    {16, 12, "Lbl", "Command2(0)", "Command1(1)", "Command3", false},
    {18, 4, "Label4", "Command2(0)", "Command1(0)", "Command3", false},
    {21, 18, "Label4", "Command2(0)", "Command1(0)", "Command3", false},
    {23, 12, "Lbl", "Command2(0)", "Command1(1)", "Command3", false},
    {25, 15, "Label4", "Command2(0)", "Command1(0)", nullptr, false},
    {26, 15, "Label4", "Command2(0)", "Command1(0)", nullptr, false},
}};

const char *const checkButton = "Command4";

const ExerciseWindow *exerciseWindow(int number)
{
    const auto found = std::find_if(exerciseWindows.begin(), exerciseWindows.end(),
                                    [number](const ExerciseWindow &w) { return w.number == number; });
    return found != exerciseWindows.end() ? &*found : nullptr;
}

QAbstractButton *button(QWidget *window, const char *name)
{
    return name ? window->findChild<QAbstractButton *>(QString::fromUtf8(name)) : nullptr;
}

QSet<QString> namesOfControls(const QWidget *window)
{
    QSet<QString> names;
    for (const QWidget *child : window->findChildren<QWidget *>()) {
        if (!child->objectName().isEmpty())
            names.insert(child->objectName());
    }
    return names;
}

// An error count as the counter shows it: decimal digits without sign or
// leading zeros.
bool isWholeNumberUpTo(const QString &text, int most)
{
    if (text.isEmpty() || text.size() > 3 || (text.size() > 1 && text.front() == u'0'))
        return false;
    if (!std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return false;
    return text.toInt() <= most;
}

} // namespace

void ProgramWatch::follow(Shell &shell_)
{
    shell = &shell_;
    known.fill(nullptr);
    checkEnabled.clear();
}

QString ProgramWatch::check()
{
    for (int n = 1; n <= Shell::windowCount; ++n) {
        if (shell->exists(n) && known[static_cast<std::size_t>(n)] != shell->window(n))
            adopt(n, shell->window(n));
    }
    for (const QString &broken : {windowsOnScreen(), exerciseFrames(), missingControls()}) {
        if (!broken.isEmpty())
            return broken;
    }
    return {};
}

void ProgramWatch::adopt(int number, QWidget *window)
{
    known[static_cast<std::size_t>(number)] = window;
    if (!controlNames.contains(number))
        controlNames.insert(number, namesOfControls(window));

    const ExerciseWindow *exercise = exerciseWindow(number);
    if (!exercise)
        return;
    checkEnabled[number] = exercise->checkEnabledAtRest;
    // A missing button is reported as a missing control; the rest is followed.
    auto onClick = [this, window, number](const char *name, auto effect) {
        if (QAbstractButton *b = button(window, name))
            QObject::connect(b, &QAbstractButton::clicked, window,
                             [this, number, effect] { effect(number); });
    };
    onClick(exercise->newTask, [this](int n) { checkEnabled[n] = true; });
    onClick(checkButton, [this](int n) { checkEnabled[n] = false; });
    const bool atRest = exercise->checkEnabledAtRest;
    onClick(exercise->mainWindow, [this, atRest](int n) { checkEnabled[n] = atRest; });
    onClick(exercise->nextTask, [this, atRest](int n) { checkEnabled[n] = atRest; });
}

QString ProgramWatch::windowsOnScreen() const
{
    QList<int> fullSize;
    QList<int> popUps;
    for (int n = 1; n <= Shell::windowCount; ++n) {
        if (shell->exists(n) && shell->window(n)->isVisible())
            (Shell::isPopUpWindow(n) ? popUps : fullSize).append(n);
    }
    auto list = [](const QList<int> &numbers) {
        QStringList names;
        for (int n : numbers)
            names.append(QStringLiteral("Form%1").arg(n));
        return names.isEmpty() ? QStringLiteral("none") : names.join(u", ");
    };
    if (shell->hasEnded()) {
        if (!fullSize.isEmpty() || !popUps.isEmpty())
            return QStringLiteral("the program has ended but windows are on screen: %1")
                .arg(list(fullSize + popUps));
        return {};
    }
    if (fullSize.size() != 1)
        return QStringLiteral("%1 full-size windows on screen instead of one: %2")
            .arg(fullSize.size())
            .arg(list(fullSize));
    return {};
}

QString ProgramWatch::exerciseFrames() const
{
    for (const ExerciseWindow &exercise : exerciseWindows) {
        if (!shell->exists(exercise.number))
            continue;
        QWidget *window = shell->window(exercise.number);
        const QString name = window->objectName();
        if (auto *counter = window->findChild<QLabel *>(QString::fromUtf8(exercise.counter))) {
            const QString text = counter->text();
            if (!text.isEmpty() && !isWholeNumberUpTo(text, exercise.items))
                return QStringLiteral(
                           "the error counter %1.%2 shows \"%3\", not a number of errors from 0 to %4")
                    .arg(name, counter->objectName(), text)
                    .arg(exercise.items);
        }
        if (QAbstractButton *check = button(window, checkButton)) {
            const bool expected = checkEnabled.value(exercise.number);
            if (check->isEnabled() != expected)
                return QStringLiteral("\"Проверить\" of %1 is %2 but should be %3")
                    .arg(name, check->isEnabled() ? QStringLiteral("enabled") : QStringLiteral("disabled"),
                         expected ? QStringLiteral("enabled") : QStringLiteral("disabled"));
        }
    }
    return {};
}

QString ProgramWatch::missingControls() const
{
    for (int n = 1; n <= Shell::windowCount; ++n) {
        if (!shell->exists(n))
            continue;
        QWidget *window = shell->window(n);
        if (window->objectName() != QStringLiteral("Form%1").arg(n))
            return QStringLiteral("window %1 is named \"%2\"").arg(n).arg(window->objectName());
        const QSet<QString> now = namesOfControls(window);
        for (const QString &name : controlNames.value(n)) {
            if (!now.contains(name))
                return QStringLiteral("the control %1 of Form%2 is gone").arg(name).arg(n);
        }
    }
    return {};
}

} // namespace parta::test
