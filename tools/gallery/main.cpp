// Renders every window of the program to PNG, for looking at: each window in
// the state it is first shown in, and the finished exercise windows loaded and
// after a check that found errors. Usage: parta-gallery [folder] (default: gallery).

#include "common/click.h"
#include "shell/shell.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QTextStream>
#include <QWidget>

namespace {

// Clicks a control the way the mouse does, so that the program reacts as to a pupil.
void click(QWidget *window, const char *name)
{
    if (auto *target = window->findChild<QWidget *>(QString::fromUtf8(name)))
        clickLikeTheMouse(target);
}

bool save(QWidget *window, const QDir &folder, const QString &name)
{
    QApplication::processEvents();
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    return window->grab().save(path);
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

    // The predicate-kinds window with variant 2 loaded, answered partly wrong and checked.
    {
        QWidget *window = shell.window(14);
        window->show();
        if (auto *field = window->findChild<QLineEdit *>(QStringLiteral("Text2")))
            field->setText(QStringLiteral("2"));
        click(window, "Command2(0)");
        const char *const answers[][2] = {{"Text1", "3"}, {"Text3", "2"}, {"Text4", "1"}, {"Text5", "1"},
                                          {"Text6", "3"}, {"Text7", "2"}, {"Text8", "2"}, {"Text9", "1"}};
        for (const auto &answer : answers) {
            if (auto *box = window->findChild<QLineEdit *>(QString::fromUtf8(answer[0])))
                box->setText(QString::fromUtf8(answer[1]));
        }
        written += save(window, folder, window->objectName() + QStringLiteral("-loaded"));
        click(window, "Command4");
        written += save(window, folder, window->objectName() + QStringLiteral("-checked"));
        window->hide();
    }

    QTextStream(stdout) << "wrote " << written << " pictures to " << QDir(folderName).absolutePath() << '\n';
    return 0;
}
