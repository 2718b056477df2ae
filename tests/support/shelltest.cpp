#include "support/shelltest.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

namespace parta::test {

QStringList names(std::initializer_list<const char *> list)
{
    QStringList result;
    for (const char *name : list)
        result.append(QString::fromUtf8(name));
    return result;
}

void ShellTest::init()
{
    program = std::make_unique<Shell>();
    program->start();
    missingControl = std::make_unique<QWidget>();
    missingControl->setObjectName(QStringLiteral("missing control"));
}

void ShellTest::cleanup()
{
    program.reset();
    missingControl.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QWidget *ShellTest::control(int number, const QString &name)
{
    QWidget *w = window(number);
    QWidget *found = w ? w->findChild<QWidget *>(name) : nullptr;
    if (found)
        return found;
    QTest::qFail(qPrintable(QStringLiteral("Form%1 has no control %2").arg(number).arg(name)), __FILE__,
                 __LINE__);
    return missingControl.get();
}

void ShellTest::click(int number, const QString &name)
{
    QWidget *target = control(number, name);
    if (target == missingControl.get())
        return;
    if (!target->isVisible()) {
        QTest::qFail(qPrintable(QStringLiteral("%1 of Form%2 is not on screen").arg(name).arg(number)),
                     __FILE__, __LINE__);
        return;
    }
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->rect().center());
}

void ShellTest::type(int number, const QString &name, const QString &value)
{
    constexpr qsizetype longestTyped = 200;
    auto *box = qobject_cast<QLineEdit *>(control(number, name));
    if (!box)
        return;
    if (value.size() > longestTyped) {
        box->setText(value);
        return;
    }
    box->clear();
    // QTest::keyClicks cannot type Cyrillic in Qt 6.4: send each character as the
    // text of its own key press.
    for (QChar character : value)
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(character), Qt::NoModifier);
    if (box->text() != value)
        QTest::qFail(
            qPrintable(
                QStringLiteral("typed \"%1\" into %2 but it shows \"%3\"").arg(value, name, box->text())),
            __FILE__, __LINE__);
}

void ShellTest::paste(int number, const QString &name, const QString &value)
{
    if (auto *box = qobject_cast<QLineEdit *>(control(number, name)))
        box->setText(value);
}

void ShellTest::clickAll(int number, const QStringList &names)
{
    for (const QString &name : names)
        click(number, name);
}

void ShellTest::follow(const Route &route)
{
    for (const auto &[number, name] : route)
        click(number, name);
}

void ShellTest::loadVariant(int number, const QString &field)
{
    if (!isShown(number))
        program->move(1, number);
    type(number, QStringLiteral("Text2"), field);
    click(number, QStringLiteral("Command2(0)"));
}

QString ShellTest::text(int number, const QString &name)
{
    QWidget *target = control(number, name);
    if (auto *box = qobject_cast<QLineEdit *>(target))
        return box->text();
    if (auto *label = qobject_cast<QLabel *>(target))
        return label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(target))
        return button->text();
    return {};
}

bool ShellTest::isShown(int number)
{
    return program->exists(number) && program->window(number)->isVisible();
}

bool ShellTest::isEnabled(int number, const QString &name)
{
    QWidget *target = control(number, name);
    return target != missingControl.get() && target->isEnabled();
}

QStringList ShellTest::focusChain(int number)
{
    QStringList chain;
    QWidget *w = window(number);
    for (QWidget *next = w->nextInFocusChain(); next && next != w; next = next->nextInFocusChain()) {
        if ((next->focusPolicy() & Qt::TabFocus) && next->isEnabled())
            chain.append(next->objectName());
    }
    return chain;
}

QList<int> ShellTest::shownWindows()
{
    QList<int> shown;
    for (int n = 1; n <= Shell::windowCount; ++n) {
        if (isShown(n))
            shown.append(n);
    }
    return shown;
}

QColor ShellTest::background(const QWidget *target)
{
    if (qobject_cast<const QLineEdit *>(target))
        return target->palette().color(QPalette::Base);
    if (qobject_cast<const QAbstractButton *>(target))
        return target->palette().color(QPalette::Button);
    return target->palette().color(QPalette::Window);
}

QColor ShellTest::foreground(const QWidget *target)
{
    if (qobject_cast<const QLineEdit *>(target))
        return target->palette().color(QPalette::Text);
    if (qobject_cast<const QAbstractButton *>(target))
        return target->palette().color(QPalette::ButtonText);
    return target->palette().color(QPalette::WindowText);
}

} // namespace parta::test
