// Renders every window of the program to PNG, for looking at: each window in
// the state it is first shown in, and the finished exercise windows loaded and
// after a check that found errors. Usage: parta-gallery [folder] (default: gallery).

#include "shell/shell.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QTextStream>
#include <QWidget>

#include <initializer_list>
#include <utility>

namespace {

// Clicks a control the way the mouse does, so that the program reacts as to a pupil.
void click(QWidget *window, const char *name)
{
    auto *target = window->findChild<QWidget *>(QString::fromUtf8(name));
    if (!target)
        return;
    const QPointF centre = QRectF(target->rect()).center();
    const QPointF global = target->mapToGlobal(centre);
    QMouseEvent press(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
}

// Box names and texts.
using Answers = std::initializer_list<std::pair<const char *, const char *>>;

// Puts each text into the box of its name, as pasting does.
void typeInto(QWidget *window, Answers answers)
{
    for (const auto &[name, text] : answers) {
        if (auto *box = window->findChild<QLineEdit *>(QString::fromUtf8(name)))
            box->setText(QString::fromUtf8(text));
    }
}

bool save(QWidget *window, const QDir &folder, const QString &name)
{
    QApplication::processEvents();
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    return window->grab().save(path);
}

// An in-window exercise with a variant loaded, then answered and checked: a
// picture of each state. Gives the number of pictures written.
int loadedAndChecked(QWidget *window, const QDir &folder, const char *variant, Answers answers)
{
    window->show();
    typeInto(window, {{"Text2", variant}});
    click(window, "Command2(0)");
    int written = save(window, folder, window->objectName() + QStringLiteral("-loaded"));
    typeInto(window, answers);
    click(window, "Command4");
    written += save(window, folder, window->objectName() + QStringLiteral("-checked"));
    window->hide();
    return written;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString folderName = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("gallery");
    QDir folder(folderName);
    if (!folder.mkpath(QStringLiteral("."))) {
        QTextStream(stderr) << "cannot create the folder " << folderName << '\n';
        return 1;
    }

    parta::Shell shell;
    shell.start();
    int written = 0;
    for (int number = 1; number <= parta::Shell::windowCount; ++number) {
        QWidget *window = shell.window(number);
        window->show();
        written += save(window, folder, window->objectName());
        window->hide();
    }

    // The word-connection windows after a check: some phrases right, some wrong, some missed.
    for (int number = 9; number <= 11; ++number) {
        QWidget *window = shell.window(number);
        window->show();
        for (const char *phrase : {"l1", "l2", "l4", "l6", "l10", "l13", "l15"})
            click(window, phrase);
        click(window, "Command4");
        written += save(window, folder, window->objectName() + QStringLiteral("-checked"));
        window->hide();
    }

    // The predicate-kinds window with variant 2, answered partly wrong.
    written += loadedAndChecked(shell.window(14), folder, "2",
                                {{"Text1", "3"},
                                 {"Text3", "2"},
                                 {"Text4", "1"},
                                 {"Text5", "1"},
                                 {"Text6", "3"},
                                 {"Text7", "2"},
                                 {"Text8", "2"},
                                 {"Text9", "1"}});

    // The branches-of-linguistics windows after a check: right, wrong in case, wrong row, empty.
    for (int number = 7; number <= 8; ++number) {
        QWidget *window = shell.window(number);
        window->show();
        typeInto(window, {{"Text1", number == 7 ? "фонетика" : "Лексикология"},
                          {"Text3", "ОРФОГРАФИЯ"},
                          {"Text4", "синтаксис"},
                          {"Text6", number == 7 ? "Пунктуация" : "фонетика"}});
        click(window, "Command4");
        written += save(window, folder, window->objectName() + QStringLiteral("-checked"));
        window->hide();
    }

    // The dash window with variant 1, some sentences edited: right, wrong, one left as it is.
    written += loadedAndChecked(shell.window(23), folder, "1",
                                {{"Text1", "Книга - это источник знаний."},
                                 {"Text3", "Бедность - не порок."},
                                 {"Text5", "Жить- Родине служить."},
                                 {"Text7", "Это был странный человек."},
                                 {"Text8", "Чтение–вот лучшее учение."}});

    QTextStream(stdout) << "wrote " << written << " pictures to " << QDir(folderName).absolutePath() << '\n';
    return 0;
}
