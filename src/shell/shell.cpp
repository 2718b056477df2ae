#include "shell.h"

#include "core/fonts.h"
#include "frame/labelaccessible.h"
#include "windowfactory.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

#include <algorithm>

// The pictures and icons are compiled into the static library; its resources
// are registered by hand.
static void registerResources()
{
    Q_INIT_RESOURCE(assets);
    Q_INIT_RESOURCE(pixels);
    Q_INIT_RESOURCE(information);
}

namespace parta {

Shell::Shell()
{
    registerResources();
    registerFontSubstitutions();
    registerLabelAccessibility();
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
    QWidget *main = window(mainWindowNumber);
    if (!main->testAttribute(Qt::WA_Moved))
        centreOnScreen(main);
    show(mainWindowNumber);
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
    // A full-size window takes exactly the place of the one it replaces, so
    // that the picture does not jump.
    QWidget *source = window(from);
    QWidget *target = window(to);
    if (source && target && source != target && !isPopUpWindow(from) && !isPopUpWindow(to))
        target->move(source->pos());
    show(to);
    hide(from);
}

void Shell::popUp(int number)
{
    QWidget *popUpWindow = window(number);
    // A pop-up comes up over the window it was opened from; one already on
    // screen stays where the pupil put it. The About window places itself.
    if (popUpWindow && !popUpWindow->isVisible() && number != aboutWindowNumber) {
        if (QWidget *opener = fullSizeWindowOnScreen())
            placeOver(popUpWindow, opener);
    }
    hide(number);
    show(number);
}

QWidget *Shell::fullSizeWindowOnScreen() const
{
    for (std::size_t n = 1; n < slots.size(); ++n) {
        if (slots[n] && slots[n]->isVisible() && !isPopUpWindow(static_cast<int>(n)))
            return slots[n].get();
    }
    return nullptr;
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

namespace {

QRect availableGeometry(const QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

// The outer size of a window, title bar and border included. Until the window
// system has framed it once, the frame of a window that has one stands in.
QSize outerSize(const QWidget *window, const QWidget *framed)
{
    const QSize frame = window->frameGeometry().size();
    if (frame != window->size() || !framed)
        return frame;
    return window->size() + (framed->frameGeometry().size() - framed->size());
}

// Keeps a window of that size wholly on the screen, where it fits.
QPoint keptOnScreen(QPoint topLeft, QSize size, const QRect &screen)
{
    if (screen.isEmpty())
        return topLeft;
    topLeft.setX(std::max(screen.left(), std::min(topLeft.x(), screen.right() + 1 - size.width())));
    topLeft.setY(std::max(screen.top(), std::min(topLeft.y(), screen.bottom() + 1 - size.height())));
    return topLeft;
}

} // namespace

void Shell::centreOnScreen(QWidget *w)
{
    const QRect screen = availableGeometry(w);
    if (screen.isEmpty())
        return;
    const QSize size = outerSize(w, nullptr);
    w->move(screen.x() + (screen.width() - size.width()) / 2,
            screen.y() + (screen.height() - size.height()) / 2);
}

void Shell::placeOver(QWidget *popUpWindow, const QWidget *opener)
{
    const QRect over = opener->frameGeometry();
    const QSize size = outerSize(popUpWindow, opener);
    const QPoint centred(over.x() + (over.width() - size.width()) / 2,
                         over.y() + (over.height() - size.height()) / 2);
    popUpWindow->move(keptOnScreen(centred, size, availableGeometry(opener)));
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
