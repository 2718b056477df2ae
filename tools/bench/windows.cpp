// One round of the benchmark's in-process part, on the real platform. Two costs
// that Qt pays once per process are timed apart, so that they do not count as
// the main window's: reading the list of installed fonts, which Qt does the
// first time anything draws text, and starting the platform's accessibility
// bridge (on Linux it asks the session bus whether a screen reader listens),
// which Qt does the first time a label is given its text. Creates every window
// of the program through the Shell, shows it and waits for its first paint,
// timing each. Presses "Проверить" (Command4) once in every window that has it
// and times the check with its repaint. Each measure starts once the X server
// has handled all that came before it, so that none pays for the screen still
// taking the last paint. Prints one line per measure:
//   fonts <ms> <processor ms>
//   accessibility <ms> <processor ms>
//   window Form<n> <create ms> <show and first paint ms> <processor ms of both>
//   check Form<n> <ms> <processor ms> <paints> errors|praise
// The processor time is the main thread's, where Qt builds and paints widgets;
// unlike the time on the clock it hardly depends on the load of the machine.
// Usage: parta-bench-windows (run it in a fresh process for every round).

#include "common/click.h"
#include "shell/shell.h"

#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPushButton>
#include <QTextStream>
#include <QWidget>

#include <cstdlib>
#include <time.h>
#include <xcb/xcb.h>

namespace {

// Counts the paint events of every widget, and notes when a given window has
// been painted.
class PaintWatch : public QObject {
public:
    QWidget *window = nullptr;
    bool windowPainted = false;
    int paints = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
            if (watched == window)
                windowPainted = true;
        }
        return false;
    }
};

double msSince(const QElapsedTimer &timer)
{
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

double threadProcessorMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// Runs the event loop until the window has been painted on screen once.
bool waitForPaint(PaintWatch &watch, QWidget *window)
{
    QElapsedTimer limit;
    limit.start();
    watch.window = window;
    watch.windowPainted = false;
    while (!watch.windowPainted && limit.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    return watch.windowPainted;
}

void settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

// Waits until the X server has handled every request sent so far, such as
// putting the last paint on the screen: a round trip.
void waitForTheServer()
{
    auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return;
    xcb_connection_t *connection = x11->connection();
    free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}

// Times a cost Qt pays once per process, and prints it as "<what> <ms> <processor ms>".
template <typename Step> void timeOnce(QTextStream &out, const char *what, Step step)
{
    const double processorStart = threadProcessorMs();
    QElapsedTimer timer;
    timer.start();
    step();
    out << what << ' ' << msSince(timer) << ' ' << threadProcessorMs() - processorStart << '\n';
}

QPushButton *button(QWidget *window, const char *name)
{
    return window->findChild<QPushButton *>(QString::fromUtf8(name));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    PaintWatch watch;
    app.installEventFilter(&watch);
    QTextStream out(stdout);

    parta::Shell shell;
    timeOnce(out, "fonts", [] { QFontDatabase::families(); });
    timeOnce(out, "accessibility", [] { QAccessible::isActive(); });
    for (int number = 1; number <= parta::Shell::windowCount; ++number) {
        waitForTheServer();
        const double processorStart = threadProcessorMs();
        QElapsedTimer timer;
        timer.start();
        QWidget *window = shell.window(number);
        const double created = msSince(timer);
        timer.start();
        shell.show(number);
        if (!waitForPaint(watch, window)) {
            QTextStream(stderr) << window->objectName() << " was not painted\n";
            return 1;
        }
        out << "window " << window->objectName() << ' ' << created << ' ' << msSince(timer) << ' '
            << threadProcessorMs() - processorStart << '\n';
        settle();
        if (number != 1)
            shell.hide(number);
    }

    // "Проверить" in every window that has it, after "Задание" where that
    // enables it.
    QWidget *praise = shell.window(20);
    for (int number = 1; number <= parta::Shell::windowCount; ++number) {
        QWidget *window = shell.window(number);
        QPushButton *check = button(window, "Command4");
        if (!check || check->text() != QStringLiteral("Проверить"))
            continue;
        shell.show(number);
        waitForPaint(watch, window);
        settle();
        if (!check->isEnabled()) {
            QPushButton *newTask = button(window, "Command2(0)");
            if (!newTask)
                newTask = button(window, "Command2");
            if (newTask)
                clickLikeTheMouse(newTask);
            settle();
        }
        if (!window->isVisible() || !check->isEnabled()) {
            QTextStream(stderr) << window->objectName() << ": no task to check\n";
            continue;
        }
        waitForTheServer();
        watch.paints = 0;
        const double processorStart = threadProcessorMs();
        QElapsedTimer timer;
        timer.start();
        clickLikeTheMouse(check);
        QCoreApplication::processEvents();
        const double ms = msSince(timer);
        out << "check " << window->objectName() << ' ' << ms << ' ' << threadProcessorMs() - processorStart
            << ' ' << watch.paints << ' ' << (praise->isVisible() ? "praise" : "errors") << '\n';
        settle();
        praise->hide();
        shell.hide(number);
    }
    return 0;
}
