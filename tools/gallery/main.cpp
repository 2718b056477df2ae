// Renders every window of the program to PNG, for looking at: each window in
// the state it is first shown in, and the finished exercise windows loaded,
// answered and after a check that found errors. Usage: parta-gallery [folder] (default: gallery).

#include "common/click.h"
#include "shell/shell.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QTextStream>
#include <QWidget>

#include <initializer_list>
#include <utility>
#include <vector>

namespace {

// Clicks a control the way the mouse does, so that the program reacts as to a pupil.
void click(QWidget *window, const char *name)
{
    if (auto *target = window->findChild<QWidget *>(QString::fromUtf8(name)))
        clickLikeTheMouse(target);
}

// Loads a variant of an in-window exercise through its field and "Задание".
void loadVariant(QWidget *window, const char *variant)
{
    if (auto *field = window->findChild<QLineEdit *>(QStringLiteral("Text2")))
        field->setText(QString::fromUtf8(variant));
    click(window, "Command2(0)");
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

// An in-window exercise with the variant loaded by "Задание", then with some
// answers typed in and checked. Gives the number of pictures written.
int saveLoadedAndChecked(parta::Shell &shell, const QDir &folder, int number, const char *variant,
                         Answers answers)
{
    QWidget *window = shell.window(number);
    window->show();
    loadVariant(window, variant);
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

    // The in-window exercises loaded, then partly answered and checked.
    written += saveLoadedAndChecked(shell, folder, 14, "2",
                                    {{"Text1", "3"},
                                     {"Text3", "2"},
                                     {"Text4", "1"},
                                     {"Text5", "1"},
                                     {"Text6", "3"},
                                     {"Text7", "2"},
                                     {"Text8", "2"},
                                     {"Text9", "1"}});
    written += saveLoadedAndChecked(shell, folder, 21, "1",
                                    {{"Text1(0)", "обещанный"},
                                     {"Text1(5)", "уравновеш ен"},
                                     {"Text1(11)", "закле нный"},
                                     {"Text1(1)", "взвешанный"},
                                     {"Text1(4)", "потерянный"},
                                     {"Text1(2)", "вяза нный"},
                                     {"Text1(15)", "Обижен"}});
    written += saveLoadedAndChecked(shell, folder, 25, "2",
                                    {{"Text1(0)", "почтальон"},
                                     {"Text1(4)", "чемп ион"},
                                     {"Text1(5)", "пириод"},
                                     {"Text1(11)", "футбол"},
                                     {"Text1(12)", "чемпион"}});
    written += saveLoadedAndChecked(shell, folder, 26, "1",
                                    {{"Text1(0)", "трамвай"},
                                     {"Text1(3)", "режиссер"},
                                     {"Text1(8)", "исти нный"},
                                     {"Text1(10)", "кампозитор"}});

    // The selecting windows with variant 1 loaded, then some items selected (right
    // and wrong ones, a question of Form18 left unanswered), then checked.
    const struct {
        int number;
        std::vector<const char *> clicks;
    } selecting[] = {
        {16, {"Label7", "Label8", "Label11", "Label13", "Label14"}},
        {18, {"Label8", "Label15", "Label24"}},
    };
    for (const auto &exercise : selecting) {
        QWidget *window = shell.window(exercise.number);
        window->show();
        loadVariant(window, "1");
        written += save(window, folder, window->objectName() + QStringLiteral("-loaded"));
        for (const char *item : exercise.clicks)
            click(window, item);
        written += save(window, folder, window->objectName() + QStringLiteral("-answered"));
        click(window, "Command4");
        written += save(window, folder, window->objectName() + QStringLiteral("-checked"));
        window->hide();
    }

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

    // The comma window with commas typed in some boxes, some of them in the wrong
    // places and one box holding a full stop; then checked.
    {
        QWidget *window = shell.window(13);
        window->show();
        for (const char *name : {"Text3", "Text7", "Text9", "Text10", "Text12", "Text13", "Text17", "Text22",
                                 "Text24", "Text27"}) {
            if (auto *box = window->findChild<QLineEdit *>(QString::fromUtf8(name)))
                box->insert(QStringLiteral(","));
        }
        if (auto *box = window->findChild<QLineEdit *>(QStringLiteral("Text28")))
            box->insert(QStringLiteral("."));
        written += save(window, folder, window->objectName() + QStringLiteral("-typed"));
        click(window, "Command4");
        written += save(window, folder, window->objectName() + QStringLiteral("-checked"));
        window->hide();
    }

    // The dash window with variant 1, some sentences edited: right, wrong, one left as it is.
    written += saveLoadedAndChecked(shell, folder, 23, "1",
                                    {{"Text1", "Книга - это источник знаний."},
                                     {"Text3", "Бедность - не порок."},
                                     {"Text5", "Жить- Родине служить."},
                                     {"Text7", "Это был странный человек."},
                                     {"Text8", "Чтение–вот лучшее учение."}});

    QTextStream(stdout) << "wrote " << written << " pictures to " << QDir(folderName).absolutePath() << '\n';
    return 0;
}
