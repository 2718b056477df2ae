#include "support/shelltest.h"

#include <QTest>
#include <QWidget>

using namespace parta;

namespace {

QString phrase(int index)
{
    return QStringLiteral("l%1").arg(index);
}

const QColor teal(0, 128, 128);
const QColor yellow(255, 255, 0);
const QColor black(0, 0, 0);
const QColor green(0, 255, 0);
const QColor red(255, 0, 0);

// The phrases of Form9, Form10 and Form11, l1 to l16, exactly as shown.
const char *const captions[3][16] = {
    {" первая группа", " уехал учиться", " очень хороший", " прекрасная погода ", " хороший учитель",
     " встретил друга", " новая работа", " проявить заботу", " умножить на два", " справедливое решение",
     " громким голосом", " суп с фасолью ", " истинная храбрость", " бегать по трассе", " гулять беседуя",
     " взволнованная речь"},
    {" руководить хором", " уехал в деревню", " новое шоссе", " тихо спустился  ", " уверенность в успехе",
     " рыболовный крючок", " ягоды крыжовника", " быстро бегать", " приехал неожиданно",
     " сходить за багажом", " предостеречь от ошибки", " храбрый человек", " серый пиджак",
     " возвращаться ночью", " внимание к людям", " совершить прыжок "},
    {" тревожиться за брата", " талантливый скульптор", " поздно ночью", " говорил улыбаясь",
     " вскипяченное молоко", " очень хорошо", " идти по площади", " упорно тренироваться",
     " приехал погостить", " опускаться на парашюте", " синеватый отсвет", " внезапно остановиться",
     " очень быстро", " учить работать", " развивать способности", " деревенская усадьба"},
};

// The key phrases of each window by label number: agreement, government, adjacency.
const QList<int> keyPhrases[3] = {
    {1, 4, 5, 7, 10, 11, 13, 16},
    {1, 2, 5, 7, 10, 11, 15, 16},
    {3, 4, 6, 8, 9, 12, 13, 14},
};

// Which phrases the pupil selects before a check.
enum class Selection { KeyOnly, Nothing, All, OthersOnly };

} // namespace

Q_DECLARE_METATYPE(Selection)

class WordConnectionTest : public test::ShellTest {
    Q_OBJECT
private Q_SLOTS:
    void captionsAreTheVariantsPhrases_data();
    void captionsAreTheVariantsPhrases();
    void clickTogglesTheBackgroundOnly();
    void check_data();
    void check();
    void afterCheckClicksChangeOnlyBackgrounds();
    void checkReadsTheWindowNotTheField_data();
    void checkReadsTheWindowNotTheField();
    void newTask_data();
    void newTask();
    void leaving_data();
    void leaving();
    void leftFieldComesBackAndIsCorrectedLater();
    void siblingIsFoundReset();
    void praiseStaysThroughANewTask();
    void chooser_data();
    void chooser();
    void anyFieldTextIsSafe_data();
    void anyFieldTextIsSafe();
    void firstFocus_data();
    void firstFocus();
    void helpLabelLiesAboveTheHeader_data();
    void helpLabelLiesAboveTheHeader();

private:
    void open(int number) { shell().move(1, number); }
    void select(int number, int index) { click(number, phrase(index)); }
    static bool isKey(int number, int index) { return keyPhrases[number - 9].contains(index); }
};

void WordConnectionTest::captionsAreTheVariantsPhrases_data()
{
    QTest::addColumn<int>("number");
    QTest::newRow("Form9") << 9;
    QTest::newRow("Form10") << 10;
    QTest::newRow("Form11") << 11;
}

void WordConnectionTest::captionsAreTheVariantsPhrases()
{
    QFETCH(int, number);
    static const char *const tasks[3] = {
        "   Выберите словосочетания, которые связаны согласованием.",
        "   Выберите словосочетания, которые связаны управлением.",
        "   Выберите словосочетания, которые связаны примыканием.",
    };
    QCOMPARE(text(number, QStringLiteral("Label1")), QStringLiteral("Задание:"));
    QCOMPARE(text(number, QStringLiteral("Label2")), QString::fromUtf8(tasks[number - 9]));
    for (int i = 1; i <= 16; ++i) {
        QCOMPARE(text(number, phrase(i)), QString::fromUtf8(captions[number - 9][i - 1]));
        QCOMPARE(background(control(number, phrase(i))), yellow);
        QCOMPARE(foreground(control(number, phrase(i))), black);
    }
    QCOMPARE(text(number, QStringLiteral("Label4")), QString());
    QVERIFY(isEnabled(number, QStringLiteral("Command4")));
    QCOMPARE(text(number, QStringLiteral("Text2")), QString::number(number - 8));
}

void WordConnectionTest::clickTogglesTheBackgroundOnly()
{
    open(10);
    select(10, 4);
    QCOMPARE(background(control(10, phrase(4))), teal);
    QCOMPARE(foreground(control(10, phrase(4))), black);
    select(10, 4);
    QCOMPARE(background(control(10, phrase(4))), yellow);
    // Unselected again: it counts as not selected.
    click(10, QStringLiteral("Command4"));
    QCOMPARE(foreground(control(10, phrase(4))), black); // not a key phrase of variant II
    QCOMPARE(text(10, QStringLiteral("Label4")), QStringLiteral("8"));
}

void WordConnectionTest::check_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<Selection>("selection");
    QTest::addColumn<QString>("errors");

    for (int number = 9; number <= 11; ++number) {
        QTest::addRow("Form%d, exactly the key", number)
            << number << Selection::KeyOnly << QStringLiteral("0");
        QTest::addRow("Form%d, nothing", number) << number << Selection::Nothing << QStringLiteral("8");
        QTest::addRow("Form%d, all sixteen", number) << number << Selection::All << QStringLiteral("8");
        QTest::addRow("Form%d, only the others", number)
            << number << Selection::OthersOnly << QStringLiteral("16");
    }
}

void WordConnectionTest::check()
{
    QFETCH(int, number);
    QFETCH(Selection, selection);
    QFETCH(QString, errors);

    open(number);
    for (int i = 1; i <= 16; ++i) {
        const bool key = isKey(number, i);
        if (selection == Selection::All || (selection == Selection::KeyOnly && key) ||
            (selection == Selection::OthersOnly && !key))
            select(number, i);
    }
    click(number, QStringLiteral("Command4"));

    for (int i = 1; i <= 16; ++i) {
        const QWidget *label = control(number, phrase(i));
        const bool key = isKey(number, i);
        const bool selected = background(label) == teal;
        const QColor expected = key ? (selected ? green : red) : (selected ? red : black);
        QCOMPARE(foreground(label), expected);
    }
    QCOMPARE(text(number, QStringLiteral("Label4")), errors);
    QVERIFY(!isEnabled(number, QStringLiteral("Command4")));
    QCOMPARE(isShown(20), errors == QStringLiteral("0"));
}

void WordConnectionTest::afterCheckClicksChangeOnlyBackgrounds()
{
    open(9);
    select(9, 1);
    click(9, QStringLiteral("Command4"));
    QCOMPARE(text(9, QStringLiteral("Label4")), QStringLiteral("7"));
    select(9, 1);
    select(9, 2);
    QCOMPARE(background(control(9, phrase(1))), yellow);
    QCOMPARE(foreground(control(9, phrase(1))), green);
    QCOMPARE(background(control(9, phrase(2))), teal);
    QCOMPARE(foreground(control(9, phrase(2))), black);
    QCOMPARE(text(9, QStringLiteral("Label4")), QStringLiteral("7"));
    QVERIFY(!isEnabled(9, QStringLiteral("Command4")));
    click(9, QStringLiteral("Command4")); // disabled: nothing happens
    QCOMPARE(text(9, QStringLiteral("Label4")), QStringLiteral("7"));
}

void WordConnectionTest::checkReadsTheWindowNotTheField_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("fieldAfter");
    QTest::newRow("Form9 keeps what was typed") << 9 << "3"
                                                << "3";
    QTest::newRow("Form10 keeps what was typed") << 10 << "abc"
                                                 << "abc";
    QTest::newRow("Form11 puts its number back") << 11 << "1"
                                                 << "3";
}

void WordConnectionTest::checkReadsTheWindowNotTheField()
{
    QFETCH(int, number);
    QFETCH(QString, typed);
    QFETCH(QString, fieldAfter);
    open(number);
    for (int i = 1; i <= 16; ++i) {
        if (isKey(number, i))
            select(number, i);
    }
    type(number, QStringLiteral("Text2"), typed);
    click(number, QStringLiteral("Command4"));
    QCOMPARE(text(number, QStringLiteral("Label4")), QStringLiteral("0"));
    QCOMPARE(text(number, QStringLiteral("Text2")), fieldAfter);
    QVERIFY(isShown(20));
}

void WordConnectionTest::newTask_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("onScreen");

    const struct {
        const char *name;
        const char *typed;
        int variant; // 0: no variant, the window stays
    } cases[] = {
        {"1", "1", 1},       {"2", "2", 2},
        {"3", "3", 3},       {"empty", "", 1},
        {"zero", "0", 1},    {"minus one", "-1", 1},
        {"four", "4", 1},    {"letters", "abc", 1},
        {"1 2", "1 2", 1},   {"blank then 2", " 2", 2},
        {"plus 3", "+3", 3}, {"02", "02", 2},
        {"2abc", "2abc", 0}, {"2,5", "2,5", 0},
        {"2.5", "2.5", 0},   {"2.0", "2.0", 2},
    };
    for (int number = 9; number <= 11; ++number) {
        for (const auto &c : cases) {
            const int target = c.variant == 0 ? number : 8 + c.variant;
            QTest::addRow("Form%d, %s", number, c.name) << number << QString::fromUtf8(c.typed) << target;
        }
    }
}

void WordConnectionTest::newTask()
{
    QFETCH(int, number);
    QFETCH(QString, typed);
    QFETCH(int, onScreen);

    open(number);
    select(number, 1);
    click(number, QStringLiteral("Command4"));
    type(number, QStringLiteral("Text2"), typed);
    click(number, QStringLiteral("Command2") + (number == 9 ? QString() : QStringLiteral("(0)")));

    QCOMPARE(shownWindows(), QList<int>{onScreen});
    // The window whose "Задание" was pressed is reset, with its own number in the field.
    QCOMPARE(text(number, QStringLiteral("Text2")), QString::number(number - 8));
    QCOMPARE(background(control(number, phrase(1))), yellow);
    QCOMPARE(foreground(control(number, phrase(1))), black);
    QCOMPARE(text(number, QStringLiteral("Label4")), QString());
    QVERIFY(isEnabled(number, QStringLiteral("Command4")));
}

void WordConnectionTest::leaving_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("target");
    QTest::addColumn<QString>("fieldAfter");

    QTest::newRow("Form9, main window") << 9 << "Command1(0)" << 1 << "1";
    QTest::newRow("Form9, next task") << 9 << "Command3" << 14 << "1";
    QTest::newRow("Form10, main window") << 10 << "Command1(0)" << 1 << "2";
    QTest::newRow("Form10, next task") << 10 << "Command3" << 14 << "2";
    QTest::newRow("Form11, main window") << 11 << "Command1(0)" << 1 << "3";
    QTest::newRow("Form11, next task") << 11 << "Command3" << 14 << "7";
}

void WordConnectionTest::leaving()
{
    QFETCH(int, number);
    QFETCH(QString, button);
    QFETCH(int, target);
    QFETCH(QString, fieldAfter);

    open(number);
    select(number, 2);
    click(number, QStringLiteral("Command4"));
    type(number, QStringLiteral("Text2"), QStringLiteral("7"));
    click(number, button);

    QCOMPARE(shownWindows(), QList<int>{target});
    QCOMPARE(text(number, QStringLiteral("Text2")), fieldAfter);
    QCOMPARE(background(control(number, phrase(2))), yellow);
    QCOMPARE(foreground(control(number, phrase(2))), black);
    QCOMPARE(text(number, QStringLiteral("Label4")), QString());
    QVERIFY(isEnabled(number, QStringLiteral("Command4")));
}

void WordConnectionTest::leftFieldComesBackAndIsCorrectedLater()
{
    open(11);
    type(11, QStringLiteral("Text2"), QStringLiteral("9"));
    click(11, QStringLiteral("Command3"));
    QCOMPARE(shownWindows(), QList<int>{14});
    shell().move(14, 5);
    type(5, QStringLiteral("Text2"), QStringLiteral("3"));
    click(5, QStringLiteral("Command2(0)"));
    QCOMPARE(shownWindows(), QList<int>{11});
    QCOMPARE(text(11, QStringLiteral("Text2")), QStringLiteral("9"));
    click(11, QStringLiteral("Command2(0)"));
    QCOMPARE(shownWindows(), QList<int>{9});
    QCOMPARE(text(11, QStringLiteral("Text2")), QStringLiteral("3"));
}

void WordConnectionTest::siblingIsFoundReset()
{
    open(9);
    select(9, 1);
    select(9, 5);
    type(9, QStringLiteral("Text2"), QStringLiteral("2"));
    click(9, QStringLiteral("Command2"));
    QCOMPARE(shownWindows(), QList<int>{10});
    type(10, QStringLiteral("Text2"), QStringLiteral("1"));
    click(10, QStringLiteral("Command2(0)"));
    QCOMPARE(shownWindows(), QList<int>{9});
    for (int i = 1; i <= 16; ++i)
        QCOMPARE(background(control(9, phrase(i))), yellow);
    QCOMPARE(text(10, QStringLiteral("Text2")), QStringLiteral("2"));
}

void WordConnectionTest::praiseStaysThroughANewTask()
{
    open(10);
    for (int i = 1; i <= 16; ++i) {
        if (isKey(10, i))
            select(10, i);
    }
    click(10, QStringLiteral("Command4"));
    QCOMPARE(shownWindows(), (QList<int>{10, 20}));
    click(10, QStringLiteral("Command2(0)"));
    QCOMPARE(shownWindows(), (QList<int>{10, 20}));
    click(20, QStringLiteral("Command1"));
    QCOMPARE(shownWindows(), QList<int>{10});
}

void WordConnectionTest::chooser_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("onScreen");
    QTest::addColumn<QString>("fieldAfter");

    QTest::newRow("1") << "1" << 9 << "1";
    QTest::newRow("2") << "2" << 10 << "2";
    QTest::newRow("3") << "3" << 11 << "3";
    QTest::newRow("blanks around 3") << " 3 " << 11 << " 3 ";
    QTest::newRow("empty") << "" << 9 << "1";
    QTest::newRow("letters") << "abc" << 9 << "1";
    QTest::newRow("zero") << "0" << 9 << "1";
    QTest::newRow("four") << "4" << 9 << "1";
    QTest::newRow("1 2") << "1 2" << 9 << "1";
    QTest::newRow("2abc moves nowhere") << "2abc" << 5 << "2abc";
    QTest::newRow("1.5 moves nowhere") << "1.5" << 5 << "1.5";
}

void WordConnectionTest::chooser()
{
    QFETCH(QString, typed);
    QFETCH(int, onScreen);
    QFETCH(QString, fieldAfter);

    open(5);
    type(5, QStringLiteral("Text2"), typed);
    click(5, QStringLiteral("Command2(0)"));
    QCOMPARE(shownWindows(), QList<int>{onScreen});
    QCOMPARE(text(5, QStringLiteral("Text2")), fieldAfter);
}

void WordConnectionTest::anyFieldTextIsSafe_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("typed");

    const QString hostile[] = {
        QString(1 << 20, u'9'),
        QString(1 << 20, u'2'),
        QStringLiteral("2") + QString(100000, u' '),
        QStringLiteral("1e999"),
        QStringLiteral("-0"),
        QStringLiteral("+"),
        QStringLiteral("."),
        QStringLiteral("\x01\x7f\x1b"),
        QString::fromUtf8("\u0662"),
        QString::fromUtf8("\u0032\u0301"),
        QString(QChar(0xDC00)),
    };
    for (int number : {5, 9, 10, 11}) {
        int row = 0;
        for (const QString &text : hostile)
            QTest::addRow("Form%d, input %d", number, ++row) << number << text;
    }
}

void WordConnectionTest::anyFieldTextIsSafe()
{
    QFETCH(int, number);
    QFETCH(QString, typed);
    open(number);
    paste(number, QStringLiteral("Text2"), typed);
    QCOMPARE(text(number, QStringLiteral("Text2")).size(), typed.size());
    const QString newTask = number == 9 ? QStringLiteral("Command2") : QStringLiteral("Command2(0)");
    click(number, newTask);
    const QList<int> shown = shownWindows();
    QCOMPARE(shown.size(), 1);
    QVERIFY(shown[0] == number || (shown[0] >= 9 && shown[0] <= 11));
}

void WordConnectionTest::firstFocus_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("focus");
    QTest::newRow("Form5") << 5 << "Text2";
    QTest::newRow("Form9") << 9 << "Command1(0)";
    QTest::newRow("Form10") << 10 << "Text2";
    QTest::newRow("Form11") << 11 << "Text2";
}

void WordConnectionTest::firstFocus()
{
    QFETCH(int, number);
    QFETCH(QString, focus);
    open(number);
    QVERIFY(window(number)->focusWidget());
    QCOMPARE(window(number)->focusWidget()->objectName(), focus);
}

void WordConnectionTest::helpLabelLiesAboveTheHeader_data()
{
    captionsAreTheVariantsPhrases_data();
}

void WordConnectionTest::helpLabelLiesAboveTheHeader()
{
    QFETCH(int, number);
    open(number);
    QWidget *help = control(number, QStringLiteral("Label13"));
    QWidget *header = control(number, QStringLiteral("OLE1"));
    QVERIFY(header->geometry().contains(help->geometry()));
    QCOMPARE(window(number)->childAt(help->geometry().center()), help);
    click(number, QStringLiteral("Label13"));
    QCOMPARE(shownWindows().size(), 2);
}

QTEST_MAIN(WordConnectionTest)
#include "tst_wordconnection.moc"
