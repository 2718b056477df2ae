#include "support/shelltest.h"

#include <QTest>
#include <QWidget>

using namespace parta;

namespace {

constexpr int form = 16;

// The twelve items in the order the check examines them: pair after pair, left member first.
const QStringList items = test::names({"Label2", "Label7", "Label8", "Label9", "Label10", "Label11",
                                       "Label12", "Label13", "Label14", "Label15", "Label16", "Label17"});

// Item backgrounds as letters, one per item in the order above.
struct Look {
    QChar letter;
    QColor background;
};
const Look looks[] = {
    {u'm', QColor(255, 0, 255)},   // not selected
    {u's', QColor(128, 128, 128)}, // selected
    {u'g', QColor(0, 255, 0)},     // right
    {u'r', QColor(255, 0, 0)},     // wrong
};

QChar letterOf(const QColor &background)
{
    for (const Look &look : looks) {
        if (look.background == background)
            return look.letter;
    }
    return u'?';
}

// The key of variant 1: Label7, Label8, Label10, Label13, Label15, Label16.
const QStringList keyOfVariant1 =
    test::names({"Label7", "Label8", "Label10", "Label13", "Label15", "Label16"});
// The key of variant 2: Label2, Label9, Label10, Label13, Label15, Label17.
const QStringList keyOfVariant2 =
    test::names({"Label2", "Label9", "Label10", "Label13", "Label15", "Label17"});

// The first and the last caption of each variant identify it on screen.
const QString firstCaptions[] = {QString(), QStringLiteral(" Незакончившееся вовремя собрание."),
                                 QStringLiteral(" непрояснившийся небосклон"),
                                 QStringLiteral(" не обдуманный поступок")};
const QString lastCaptions[] = {QString(), QStringLiteral(" неоглянувшись"),
                                QStringLiteral(" Ещё не вспаханное поле."),
                                QStringLiteral(" Неответив, он ушел.")};

// The window's state before an item is clicked.
enum class State { FirstShown, Loaded, Checked };

} // namespace

Q_DECLARE_METATYPE(State)

class NegationTest : public test::ShellTest {
    Q_OBJECT
private Q_SLOTS:
    void firstShown();
    void loadedVariants_data();
    void loadedVariants();
    void check_data();
    void check();
    void toggle_data();
    void toggle();
    void newTaskClearsTheMarks();
    void checkUsesTheLoadedVariant();
    void variantField_data();
    void variantField();
    void nonWholeVariantBeforeAnyLoad();
    void comingBack_data();
    void comingBack();
    void focusOrderWhenLoaded();

private:
    void open()
    {
        if (!isShown(form))
            shell().move(1, form);
    }
    void load(const QString &field) { loadVariant(form, field); }
    QString backgrounds()
    {
        QString letters;
        for (const QString &item : items)
            letters += letterOf(background(control(form, item)));
        return letters;
    }
};

void NegationTest::firstShown()
{
    open();
    for (const QString &item : items) {
        QCOMPARE(text(form, item), QString());
        QCOMPARE(background(control(form, item)), QColor(255, 0, 255));
        QCOMPARE(foreground(control(form, item)), QColor(0, 0, 64));
    }
    QCOMPARE(text(form, QStringLiteral("Lbl")), QString());
    QVERIFY(!isEnabled(form, QStringLiteral("Command4")));
    QCOMPARE(text(form, QStringLiteral("Text2")), QStringLiteral("1"));
    QCOMPARE(text(form, QStringLiteral("Label18")), QStringLiteral("1"));
    QCOMPARE(window(form)->focusWidget()->objectName(), QStringLiteral("Command3"));
}

void NegationTest::loadedVariants_data()
{
    QTest::addColumn<int>("variant");
    QTest::newRow("1") << 1;
    QTest::newRow("2") << 2;
    QTest::newRow("3") << 3;
}

void NegationTest::loadedVariants()
{
    QFETCH(int, variant);
    load(QString::number(variant));
    QCOMPARE(text(form, QStringLiteral("Label2")), firstCaptions[variant]);
    QCOMPARE(text(form, QStringLiteral("Label17")), lastCaptions[variant]);
    for (const QString &item : items) {
        // Every caption begins with exactly one blank.
        QVERIFY2(text(form, item).startsWith(u' ') && text(form, item).at(1) != u' ', qPrintable(item));
        QCOMPARE(background(control(form, item)), QColor(255, 0, 255));
    }
    QCOMPARE(text(form, QStringLiteral("Label18")), QString::number(variant));
    QVERIFY(isEnabled(form, QStringLiteral("Command4")));
    QCOMPARE(text(form, QStringLiteral("Lbl")), QString());
}

void NegationTest::check_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("marks"); // Label2, Label7, Label8, … Label17
    QTest::addColumn<QString>("errors");

    // Variant 1; its key selects Label7, Label8, Label10, Label13, Label15, Label16.
    QTest::newRow("exactly the key") << keyOfVariant1 << "mggmgmmgmggm"
                                     << "0";
    QTest::newRow("nothing") << QStringList() << "mrrmrmmrmrrm"
                             << "6";
    QTest::newRow("all twelve") << items << "rggrgrrgrggr"
                                << "6";
    QTest::newRow("only the wrong six")
        << test::names({"Label2", "Label9", "Label11", "Label12", "Label14", "Label17"}) << "rrrrrrrrrrrr"
        << "12";
    QTest::newRow("both members of one pair") << keyOfVariant1 + test::names({"Label2"}) << "rggmgmmgmggm"
                                              << "1";
    QTest::newRow("a key item clicked twice") << keyOfVariant1 + test::names({"Label7"}) << "mrgmgmmgmggm"
                                              << "1";
    QTest::newRow("another item clicked twice")
        << keyOfVariant1 + test::names({"Label9", "Label9"}) << "mggmgmmgmggm"
        << "0";
}

void NegationTest::check()
{
    QFETCH(QStringList, clicks);
    QFETCH(QString, marks);
    QFETCH(QString, errors);

    load(QStringLiteral("1"));
    clickAll(form, clicks);
    click(form, QStringLiteral("Command4"));
    QCOMPARE(backgrounds(), marks);
    for (const QString &item : items)
        QCOMPARE(foreground(control(form, item)), QColor(0, 0, 64));
    QCOMPARE(text(form, QStringLiteral("Lbl")), errors);
    QVERIFY(!isEnabled(form, QStringLiteral("Command4")));
    QCOMPARE(isShown(20), errors == QStringLiteral("0"));
}

void NegationTest::toggle_data()
{
    QTest::addColumn<State>("state");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("afterOneClick"); // of that item's background
    QTest::addColumn<QString>("afterTwoClicks");

    // In the checked state variant 1 was checked with Label7 and Label9 selected:
    // Label7 is green, Label8 red (missed), Label9 red (wrongly selected), Label2 untouched.
    QTest::newRow("empty label before a task") << State::FirstShown << "Label2"
                                               << "s"
                                               << "m";
    QTest::newRow("loaded item") << State::Loaded << "Label9"
                                 << "s"
                                 << "m";
    QTest::newRow("right mark") << State::Checked << "Label7"
                                << "s"
                                << "m";
    QTest::newRow("missed mark") << State::Checked << "Label8"
                                 << "s"
                                 << "m";
    QTest::newRow("wrongly selected mark") << State::Checked << "Label9"
                                           << "s"
                                           << "m";
    QTest::newRow("unmarked after a check") << State::Checked << "Label2"
                                            << "s"
                                            << "m";
}

void NegationTest::toggle()
{
    QFETCH(State, state);
    QFETCH(QString, item);
    QFETCH(QString, afterOneClick);
    QFETCH(QString, afterTwoClicks);

    open();
    if (state != State::FirstShown)
        load(QStringLiteral("1"));
    if (state == State::Checked) {
        clickAll(form, test::names({"Label7", "Label9"}));
        click(form, QStringLiteral("Command4"));
    }
    const QString before = backgrounds();
    const QString counter = text(form, QStringLiteral("Lbl"));
    const bool checkEnabled = isEnabled(form, QStringLiteral("Command4"));
    const qsizetype at = items.indexOf(item);

    click(form, item);
    QString expected = before;
    expected[at] = afterOneClick.at(0);
    QCOMPARE(backgrounds(), expected); // the other member of the pair is not touched
    click(form, item);
    expected[at] = afterTwoClicks.at(0);
    QCOMPARE(backgrounds(), expected);

    QCOMPARE(foreground(control(form, item)), QColor(0, 0, 64));
    QCOMPARE(text(form, QStringLiteral("Lbl")), counter);
    QCOMPARE(isEnabled(form, QStringLiteral("Command4")), checkEnabled);
}

void NegationTest::newTaskClearsTheMarks()
{
    load(QStringLiteral("1"));
    clickAll(form, test::names({"Label7", "Label9"}));
    click(form, QStringLiteral("Command4"));
    QCOMPARE(text(form, QStringLiteral("Lbl")), QStringLiteral("6"));
    click(form, QStringLiteral("Command2(0)"));
    QCOMPARE(backgrounds(), QStringLiteral("mmmmmmmmmmmm"));
    QCOMPARE(text(form, QStringLiteral("Lbl")), QString());
    QVERIFY(isEnabled(form, QStringLiteral("Command4")));
    QCOMPARE(text(form, QStringLiteral("Label2")), firstCaptions[1]);
}

void NegationTest::checkUsesTheLoadedVariant()
{
    load(QStringLiteral("2"));
    clickAll(form, keyOfVariant2);
    type(form, QStringLiteral("Text2"), QStringLiteral("3"));
    click(form, QStringLiteral("Command4"));
    QCOMPARE(text(form, QStringLiteral("Lbl")), QStringLiteral("0"));
    QCOMPARE(text(form, QStringLiteral("Text2")), QStringLiteral("3"));
    QCOMPARE(shownWindows(), (QList<int>{form, 20}));
}

void NegationTest::variantField_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("onScreen"); // variant 3 was loaded before
    QTest::addColumn<QString>("fieldAfter");

    QTest::newRow("2") << "2" << 2 << "2";
    QTest::newRow("blank then 2") << " 2" << 2 << " 2";
    QTest::newRow("2abc") << "2abc" << 2 << "2abc";
    QTest::newRow("2,9: the comma ends the number") << "2,9" << 2 << "2,9";
    QTest::newRow("1 2 reads 12") << "1 2" << 1 << "1";
    QTest::newRow("2.9 loads nothing") << "2.9" << 3 << "2.9";
    QTest::newRow("2.5 loads nothing") << "2.5" << 3 << "2.5";
    QTest::newRow("2.0") << "2.0" << 2 << "2.0";
    QTest::newRow("4") << "4" << 1 << "1";
    QTest::newRow("3.5") << "3.5" << 1 << "1";
    QTest::newRow("0.5") << "0.5" << 1 << "1";
    QTest::newRow("0") << "0" << 1 << "1";
    QTest::newRow("minus one") << "-1" << 1 << "1";
    QTest::newRow("letters") << "abc" << 1 << "1";
    QTest::newRow("empty") << "" << 1 << "1";
    QTest::newRow("pasted megabyte of 2") << QString(1 << 20, u'2') << 1 << "1";
}

void NegationTest::variantField()
{
    QFETCH(QString, typed);
    QFETCH(int, onScreen);
    QFETCH(QString, fieldAfter);

    load(QStringLiteral("3"));
    clickAll(form, test::names({"Label2", "Label7"}));
    click(form, QStringLiteral("Command4"));
    load(typed);
    QCOMPARE(text(form, QStringLiteral("Label2")), firstCaptions[onScreen]);
    QCOMPARE(text(form, QStringLiteral("Label17")), lastCaptions[onScreen]);
    QCOMPARE(text(form, QStringLiteral("Label18")), QString::number(onScreen));
    QCOMPARE(text(form, QStringLiteral("Text2")), fieldAfter);
    QCOMPARE(backgrounds(), QStringLiteral("mmmmmmmmmmmm"));
    QCOMPARE(text(form, QStringLiteral("Lbl")), QString());
    QVERIFY(isEnabled(form, QStringLiteral("Command4")));
    QCOMPARE(shownWindows(), QList<int>{form});
}

void NegationTest::nonWholeVariantBeforeAnyLoad()
{
    load(QStringLiteral("1.5"));
    QCOMPARE(text(form, QStringLiteral("Label2")), QString());
    QCOMPARE(text(form, QStringLiteral("Label18")), QStringLiteral("1"));
    QVERIFY(isEnabled(form, QStringLiteral("Command4")));
    click(form, QStringLiteral("Command4")); // the key of variant 1, on empty labels
    QCOMPARE(backgrounds(), QStringLiteral("mrrmrmmrmrrm"));
    QCOMPARE(text(form, QStringLiteral("Lbl")), QStringLiteral("6"));
}

void NegationTest::comingBack_data()
{
    QTest::addColumn<QString>("leave");
    QTest::addColumn<int>("target");
    QTest::addColumn<test::Route>("back");

    QTest::newRow("after the main window, through the grade-7 menu")
        << "Command1(1)" << 1
        << test::Route{{1, QStringLiteral("Command1")}, {3, QStringLiteral("Command4")}};
    QTest::newRow("after the next task, through the comma window")
        << "Command3" << 21
        << test::Route{{21, QStringLiteral("Command1(0)")},
                       {1, QStringLiteral("Command1")},
                       {3, QStringLiteral("Command3")},
                       {13, QStringLiteral("Command3")}};
}

void NegationTest::comingBack()
{
    QFETCH(QString, leave);
    QFETCH(int, target);
    QFETCH(test::Route, back);

    load(QStringLiteral("2"));
    clickAll(form, test::names({"Label2", "Label7"}));
    click(form, QStringLiteral("Command4"));
    type(form, QStringLiteral("Text2"), QStringLiteral("7"));
    click(form, leave);
    QCOMPARE(shownWindows(), QList<int>{target});

    follow(back);
    QCOMPARE(shownWindows(), QList<int>{form});
    for (const QString &item : items)
        QCOMPARE(text(form, item), QString());
    QCOMPARE(backgrounds(), QStringLiteral("mmmmmmmmmmmm"));
    QCOMPARE(text(form, QStringLiteral("Lbl")), QString());
    QVERIFY(!isEnabled(form, QStringLiteral("Command4")));
    QCOMPARE(text(form, QStringLiteral("Label18")), QStringLiteral("2"));
    QCOMPARE(text(form, QStringLiteral("Text2")), QStringLiteral("7"));
}

void NegationTest::focusOrderWhenLoaded()
{
    load(QStringLiteral("1"));
    // The listed controls, then the labels a click does something to: the items and "Справка".
    QCOMPARE(focusChain(form),
             test::names({"Command4", "Command3", "Command1(1)", "Text2", "Command2(0)", "Command5"}) +
                 items + test::names({"Lbl19"}));
}

QTEST_MAIN(NegationTest)
#include "tst_negation.moc"
