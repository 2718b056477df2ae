#include "randomevents.h"

#include "dice.h"
#include "shell/shell.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include <array>

namespace parta::test {

namespace {

// Where the characters a pupil types come from: each pool is picked as often as
// the others, whatever its size.
const std::array<QString, 8> characterPools = {
    QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ!\"#$%&'()*/:;<=>?@[\\]^_`{|}~"),
    QStringLiteral("абвгдеёжзийклмнопрстуфхцчшщъыьэюяАБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ"),
    QStringLiteral("0123456789"),
    QStringLiteral("0123456789+-., "),
    // Control characters, the tab, the line feed and the carriage return among them.
    QStringLiteral("\x01\x02\x07\x08\t\n\x0b\x0c\r\x1b\x7f"),
    // Emoji, each a pair of UTF-16 units (the pool is read in pairs).
    QStringLiteral("\U0001F600\U0001F44D\U0001F4A9\U0001F1F7\U0001F1FA"),
    // Right-to-left and left-to-right marks and overrides, a zero-width joiner, a
    // no-break space, a byte order mark, a combining acute accent, Hebrew and Arabic.
    QStringLiteral("\u200f\u200e\u202e\u202d\u200d\u00a0\ufeff\u0301\u05d0\u0627"),
    // What the variant field and the answer boxes are for.
    QStringLiteral("123,"),
};
constexpr std::size_t emojiPool = 5;

// What a pupil types over the whole variant field or an answer box: the
// variant numbers, the forms the two readings of a number tell apart, a comma.
const std::array<const char *, 16> shortAnswers = {
    "1", "2", "3", "4", "0", " 2", "2 ", "+2", "02", "-1", "1.5", "2abc", "1 2", "2,5", ",", "",
};

struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char *name;
};

const std::array<Key, 16> keys = {{
    {Qt::Key_Tab, Qt::NoModifier, "Tab"},
    {Qt::Key_Backtab, Qt::ShiftModifier, "Shift+Tab"},
    {Qt::Key_Return, Qt::NoModifier, "Enter"},
    {Qt::Key_Enter, Qt::KeypadModifier, "keypad Enter"},
    {Qt::Key_Escape, Qt::NoModifier, "Escape"},
    {Qt::Key_Space, Qt::NoModifier, "Space"},
    {Qt::Key_Backspace, Qt::NoModifier, "Backspace"},
    {Qt::Key_Delete, Qt::NoModifier, "Delete"},
    {Qt::Key_Left, Qt::NoModifier, "Left"},
    {Qt::Key_Right, Qt::NoModifier, "Right"},
    {Qt::Key_Home, Qt::NoModifier, "Home"},
    {Qt::Key_End, Qt::ShiftModifier, "Shift+End"},
    {Qt::Key_Up, Qt::NoModifier, "Up"},
    {Qt::Key_A, Qt::ControlModifier, "Ctrl+A"},
    {Qt::Key_X, Qt::ControlModifier, "Ctrl+X"},
    {Qt::Key_Z, Qt::ControlModifier, "Ctrl+Z"},
}};

// The full-size window on screen and the pop-up windows on screen.
struct WindowsOnScreen {
    QWidget *fullSize = nullptr;
    QList<QWidget *> popUps;
};

WindowsOnScreen windowsOnScreen(Shell &shell)
{
    WindowsOnScreen shown;
    for (int n = 1; n <= Shell::windowCount; ++n) {
        if (!shell.exists(n) || !shell.window(n)->isVisible())
            continue;
        if (Shell::isPopUpWindow(n))
            shown.popUps.append(shell.window(n));
        else
            shown.fullSize = shell.window(n);
    }
    return shown;
}

// The kinds of control, each chosen as often as the others, so that the few
// buttons of a window full of items are pressed often enough.
int kindOf(const QWidget *control)
{
    if (qobject_cast<const QAbstractButton *>(control))
        return 0;
    if (qobject_cast<const QLineEdit *>(control))
        return 1;
    if (qobject_cast<const QLabel *>(control))
        return 2;
    return 3;
}
constexpr int kindsOfControl = 4;

QString nameOf(const QWidget *window, const QWidget *target)
{
    if (target == window)
        return window->objectName();
    return window->objectName() + u'.' + target->objectName();
}

// The text as a line of the report: what cannot be printed as \uXXXX, a long
// text by its length and its beginning.
QString quoted(const QString &text)
{
    constexpr qsizetype shown = 40;
    QString line = QStringLiteral("\"");
    for (QChar c : text.left(shown)) {
        if (c.isPrint() && c != u'\\' && !c.isSurrogate())
            line += c;
        else
            line += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
    line += u'"';
    if (text.size() > shown)
        line += QStringLiteral("... (%1 characters)").arg(text.size());
    return line;
}

} // namespace

RandomEvents::RandomEvents(Dice &dice_) : dice(dice_) {}

RandomEvent RandomEvents::next(Shell &shell)
{
    // The full-size window as often as all the pop-up windows together.
    const WindowsOnScreen shown = windowsOnScreen(shell);
    QWidget *window = shown.fullSize;
    if (!shown.popUps.isEmpty() && (!window || dice.percent(50)))
        window = dice.pick(shown.popUps);
    if (!window)
        return {QStringLiteral("nothing on screen to act on"), [] {}};
    const int roll = dice.below(100);
    if (roll < 60)
        return click(window, Clicks::Single);
    if (roll < 68)
        return click(window, Clicks::Double);
    if (roll < 80)
        return type(window);
    if (roll < 84)
        return paste(window);
    if (roll < 99)
        return pressKey(window);
    return close(window);
}

QWidget *RandomEvents::anyControl(QWidget *window)
{
    std::array<QList<QWidget *>, kindsOfControl> controls;
    for (QWidget *child : window->findChildren<QWidget *>()) {
        if (child->isVisible())
            controls[static_cast<std::size_t>(kindOf(child))].append(child);
    }
    QList<int> present;
    for (int kind = 0; kind < kindsOfControl; ++kind) {
        if (!controls[static_cast<std::size_t>(kind)].isEmpty())
            present.append(kind);
    }
    if (present.isEmpty())
        return window;
    return dice.pick(controls[static_cast<std::size_t>(dice.pick(present))]);
}

QWidget *RandomEvents::typingTarget(QWidget *window)
{
    // Mostly where the keyboard focus is, as for a pupil; else any text box.
    auto *focused = qobject_cast<QLineEdit *>(window->focusWidget());
    if (focused && focused->isVisible() && dice.percent(50))
        return focused;
    QList<QWidget *> boxes;
    for (QLineEdit *box : window->findChildren<QLineEdit *>()) {
        if (box->isVisible())
            boxes.append(box);
    }
    if (boxes.isEmpty() || dice.percent(10))
        return anyControl(window);
    return dice.pick(boxes);
}

QPoint RandomEvents::pointIn(const QWidget *target)
{
    return {dice.below(std::max(1, target->width())), dice.below(std::max(1, target->height()))};
}

RandomEvent RandomEvents::click(QWidget *window, Clicks clicks)
{
    QWidget *target = anyControl(window);
    const QPoint at = pointIn(target);
    const bool twice = clicks == Clicks::Double;
    return {QStringLiteral("%1 %2 at %3,%4")
                .arg(twice ? QStringLiteral("double click") : QStringLiteral("click"), nameOf(window, target))
                .arg(at.x())
                .arg(at.y()),
            [target, at, twice] {
                if (twice)
                    QTest::mouseDClick(target, Qt::LeftButton, Qt::NoModifier, at);
                else
                    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, at);
            }};
}

QString RandomEvents::randomText(int length)
{
    QString text;
    while (text.size() < length) {
        const std::size_t pool =
            static_cast<std::size_t>(dice.below(static_cast<int>(characterPools.size())));
        const QString &characters = characterPools[pool];
        if (pool == emojiPool) {
            const qsizetype pair = 2 * dice.below(static_cast<int>(characters.size() / 2));
            text += characters.mid(pair, 2);
        } else {
            text += characters[dice.below(static_cast<int>(characters.size()))];
        }
    }
    return text;
}

RandomEvent RandomEvents::type(QWidget *window)
{
    QWidget *target = typingTarget(window);
    // Half the time over all of the box: this is how the variant numbers and
    // the answers come about often enough to reach every window.
    const bool overAll = dice.percent(50);
    const QString text =
        overAll ? QString::fromUtf8(dice.pick(shortAnswers)) : randomText(dice.between(1, 12));
    return {QStringLiteral("%1 %2 into %3")
                .arg(overAll ? QStringLiteral("select all and type") : QStringLiteral("type"), quoted(text),
                     nameOf(window, target)),
            [target, text, overAll] {
                if (overAll)
                    QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
                // One key press per character (an emoji is one press of two
                // UTF-16 units), as QTest::keyClicks cannot type Cyrillic.
                for (qsizetype i = 0; i < text.size(); ++i) {
                    const qsizetype units = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
                    QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, text.mid(i, units),
                                        Qt::NoModifier);
                    i += units - 1;
                }
            }};
}

RandomEvent RandomEvents::paste(QWidget *window)
{
    QWidget *target = typingTarget(window);
    // Mostly a long mixed text; sometimes a long run of digits, the kind of text
    // that tests how a number is read.
    const int length = dice.between(50, 5000);
    const QString text = dice.percent(25) ? QString(length, u'9') : randomText(length);
    return {QStringLiteral("paste %1 into %2").arg(quoted(text), nameOf(window, target)), [target, text] {
                QGuiApplication::clipboard()->setText(text);
                QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
            }};
}

RandomEvent RandomEvents::pressKey(QWidget *window)
{
    // Keys go where the keyboard focus of the window is, as they do for a pupil.
    QWidget *focused = window->focusWidget();
    QWidget *target = focused && focused->isVisible() ? focused : window;
    const Key &key = dice.pick(keys);
    return {QStringLiteral("key %1 to %2").arg(QString::fromUtf8(key.name), nameOf(window, target)),
            [target, key] { QTest::keyClick(target, key.key, key.modifiers); }};
}

RandomEvent RandomEvents::close(QWidget *window)
{
    return {QStringLiteral("close %1 with the title-bar button").arg(window->objectName()),
            [window] { window->close(); }};
}

} // namespace parta::test
