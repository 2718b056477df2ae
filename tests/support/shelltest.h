#pragma once

#include "shell/shell.h"

#include <QColor>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <initializer_list>
#include <memory>

namespace parta::test {

// Control names written as UTF-8 literals, for the rows of a test table.
QStringList names(std::initializer_list<const char *> list);

// A way from window to window: each step a control clicked on its window.
using Route = QList<std::pair<int, QString>>;

// A fresh program for every test function, and the few things a pupil does
// with it: click a control, type into a box, look at colours and windows.
class ShellTest : public QObject {
    Q_OBJECT
protected:
    Shell &shell() { return *program; }
    QWidget *window(int number) { return program->window(number); }
    // The control of a window by its name. When it is not there the test fails,
    // and a stand-in widget that is on no window comes back, so that the rest
    // of the test function runs on without a crash.
    QWidget *control(int number, const QString &name);

    // A left click on a visible control, as the pupil makes it.
    void click(int number, const QString &name);
    // Empties a text box and types the text into it key by key, as the pupil
    // does; a long text is pasted instead.
    void type(int number, const QString &name, const QString &text);
    // Replaces the text of a text box at once, as pasting does.
    void paste(int number, const QString &name, const QString &text);
    // Clicks the controls of a window one after the other.
    void clickAll(int number, const QStringList &names);
    // Clicks along the route, step by step.
    void follow(const Route &route);
    // An in-window exercise: puts it on screen (from the main window) unless it
    // is there, types the text into its variant field and presses "Задание".
    void loadVariant(int number, const QString &field);
    QString text(int number, const QString &name);
    bool isShown(int number);
    bool isEnabled(int number, const QString &name);
    // The enabled controls of a window that the Tab key visits, in its order.
    QStringList focusChain(int number);
    // The numbers of the windows on screen, in ascending order.
    QList<int> shownWindows();

    // The colours a control paints its face and its text with.
    static QColor background(const QWidget *control);
    static QColor foreground(const QWidget *control);

protected Q_SLOTS:
    void init();
    void cleanup();

private:
    std::unique_ptr<Shell> program;
    std::unique_ptr<QWidget> missingControl;
};

} // namespace parta::test

Q_DECLARE_METATYPE(parta::test::Route)
