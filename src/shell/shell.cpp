#include "shell.h"

#include "core/fonts.h"
#include "windowfactory.h"

#include <QApplication>
#include <QEvent>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

// The pictures and icons are compiled into the static library; its resources
// are registered by hand.
static void registerResources()
{
    Q_INIT_RESOURCE(assets);
    Q_INIT_RESOURCE(information);
}

namespace parta {

Shell::Shell()
{
    registerResources();
    registerFontSubstitutions();
    // One look on every platform: the Fusion style (buttons paint their own faces).
    if (qobject_cast<QApplication *>(QCoreApplication::instance()) &&
        QApplication::style()->name().compare(QStringLiteral("fusion"), Qt::CaseInsensitive) != 0)
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

Shell::~Shell()
{
    for (auto &slot : slots) {
        if (slot)
            slot->removeEventFilter(this);
    }
}

void Shell::start()
{
    ended = false;
    show(1);
}

QWidget *Shell::window(int number)
{
    if (number < 1 || number > windowCount)
        return nullptr;
    auto &slot = slots[static_cast<std::size_t>(number)];
    if (!slot) {
        slot = createWindow(number, *this);
        slot->installEventFilter(this);
    }
    return slot.get();
}

bool Shell::exists(int number) const
{
    return number >= 1 && number <= windowCount && slots[static_cast<std::size_t>(number)] != nullptr;
}

void Shell::show(int number)
{
    if (QWidget *w = window(number)) {
        w->show();
        w->activateWindow();
    }
}

void Shell::hide(int number)
{
    if (QWidget *w = window(number))
        w->hide();
}

void Shell::move(int from, int to)
{
    show(to);
    hide(from);
}

void Shell::popUp(int number)
{
    hide(number);
    show(number);
}

void Shell::end()
{
    ended = true;
    for (auto &slot : slots) {
        if (slot)
            slot->hide();
    }
    QCoreApplication::quit();
}

bool Shell::isPopUpWindow(int number)
{
    switch (number) {
    case 2:
    case 6:
    case 12:
    case 15:
    case 17:
    case 19:
    case 20:
    case 22:
    case 24:
        return true;
    default:
        return number >= 27 && number <= windowCount;
    }
}

int Shell::numberOf(const QObject *window) const
{
    for (std::size_t i = 1; i < slots.size(); ++i) {
        if (slots[i].get() == window)
            return static_cast<int>(i);
    }
    return 0;
}

void Shell::discard(int number)
{
    // The window is in the middle of its own close: let it finish, then delete it.
    QWidget *closing = slots[static_cast<std::size_t>(number)].release();
    closing->removeEventFilter(this);
    closing->hide();
    closing->deleteLater();
}

bool Shell::eventFilter(QObject *watched, QEvent *event)
{
    // The close button of the title bar: a pop-up window is discarded and comes
    // back as new next time; closing a full-size window ends the program, as
    // "Выход" does, so that nothing is left running without a window on screen.
    if (event->type() == QEvent::Close) {
        const int number = numberOf(watched);
        if (number != 0) {
            if (isPopUpWindow(number))
                discard(number);
            else
                end();
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace parta
