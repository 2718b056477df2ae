#include "support/shelltest.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <span>

using namespace parta;

namespace {

constexpr int form = 18;

const QStringList questions = test::names({"Label7", "Label12", "Label17", "Label22"});
// The options а) to г) of questions 1 to 4, in the order the check examines them.
const QStringList options =
    test::names({"Label8", "Label9", "Label10", "Label11", "Label13", "Label14", "Label15", "Label16",
                 "Label18", "Label19", "Label20", "Label21", "Label23", "Label24", "Label25", "Label26"});

const QColor yellow(255, 255, 0);
const QColor olive(128, 128, 0);
const QColor black(0, 0, 0);

// An option's colour as a letter: its background ("o" selected, "-" not) or its
// text ("k" black, "g" green, "r" red).
struct Look {
    QChar letter;
    QColor colour;
};
const Look backgroundLooks[] = {{u'-', yellow}, {u'o', olive}};
const Look textLooks[] = {{u'k', black}, {u'g', QColor(0, 255, 0)}, {u'r', QColor(255, 0, 0)}};

// The options of each question as four letters, the questions apart by a blank.
QString letters(std::span<const Look> looks, QColor (*colourOf)(const QWidget *), QWidget *w)
{
    QString result;
    for (qsizetype i = 0; i < options.size(); ++i) {
        if (i > 0 && i % 4 == 0)
            result += u' ';
        const QColor colour = colourOf(w->findChild<QWidget *>(options[i]));
        QChar letter = u'?';
        for (const Look &look : looks) {
            if (look.colour == colour)
                letter = look.letter;
        }
        result += letter;
    }
    return result;
}

// The first question and the last option of each variant identify it on screen.
const QString firstQuestions[] = {QString(), QStringLiteral("1) Выберите назывное предложение."),
                                  QStringLiteral("1) Выберите определённо-личное преложение."),
                                  QStringLiteral("1) Выберите неопределённо-личное предложение.")};
const QString lastOptions[] = {QString(), QStringLiteral("г) Вот серый старый дом."),
                               QStringLiteral("г) Вот пермские дремучие места."),
                               QStringLiteral("г) Завтра сходишь в библиотеку.")};

// The right options: variant 1 а, г, в, б; variant 3 г, а, б, г.
const QStringList keyOfVariant1 = test::names({"Label8", "Label16", "Label20", "Label24"});
const QStringList keyOfVariant3 = test::names({"Label11", "Label13", "Label19", "Label26"});

enum class State { FirstShown, Loaded, Checked };

} // namespace

Q_DECLARE_METATYPE(State)

class OneMemberSentencesTest : public test::ShellTest {
    Q_OBJECT
private Q_SLOTS:
    void firstShown();
    void loadedVariants_data();
    void loadedVariants();
    void selectionRule_data();
    void selectionRule();
    void check_data();
    void check();
    void afterCheckClicksChangeOnlyBackgrounds();
    void checkUsesTheLoadedVariant();
    void variantField_data();
    void variantField();
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
    QString selected() { return letters(backgroundLooks, &background, window(form)); }
    QString marks() { return letters(textLooks, &foreground, window(form)); }
};

void OneMemberSentencesTest::firstShown()
{
    open();
    for (const QString &question : questions) {
        QCOMPARE(text(form, question), QString());
        QCOMPARE(background(control(form, question)), QColor(255, 128, 128));
    }
    for (const QString &option : options) {
        QCOMPARE(text(form, option), QString());
        QCOMPARE(background(control(form, option)), yellow);
        // The system's label text colour, until a new task paints it black.
        QCOMPARE(foreground(control(form, option)), QApplication::palette().color(QPalette::WindowText));
    }
    QCOMPARE(text(form, QStringLiteral("Label4")), QString());
    QVERIFY(!isEnabled(form, QStringLiteral("Command4")));
    QCOMPARE(text(form, QStringLiteral("Text2")), QStringLiteral("1"));
    QCOMPARE(text(form, QStringLiteral("Label27")), QStringLiteral("1"));
    QCOMPARE(window(form)->focusWidget()->objectName(), QStringLiteral("Text2"));
}

void OneMemberSentencesTest::loadedVariants_data()
{
    QTest::addColumn<int>("variant");
    QTest::newRow("1") << 1;
    QTest::newRow("2") << 2;
    QTest::newRow("3") << 3;
}

void OneMemberSentencesTest::loadedVariants()
{
    QFETCH(int, variant);
    load(QString::number(variant));
    QCOMPARE(text(form, QStringLiteral("Label7")), firstQuestions[variant]);
    QCOMPARE(text(form, QStringLiteral("Label26")), lastOptions[variant]);
    for (qsizetype q = 0; q < questions.size(); ++q) {
        // Captions begin with their number or letter, without a blank.
        QVERIFY(text(form, questions[q]).startsWith(QString::number(q + 1) + u')'));
        for (qsizetype i = 0; i < 4; ++i)
            QVERIFY(text(form, options[4 * q + i]).startsWith(QStringLiteral("абвг").mid(i, 1) + u')'));
    }
    QCOMPARE(selected(), QStringLiteral("---- ---- ---- ----"));
    QCOMPARE(marks(), QStringLiteral("kkkk kkkk kkkk kkkk"));
    QCOMPARE(text(form, QStringLiteral("Label27")), QString::number(variant));
    QVERIFY(isEnabled(form, QStringLiteral("Command4")));
}

void OneMemberSentencesTest::selectionRule_data()
{
    QTest::addColumn<State>("state");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("expected"); // the backgrounds afterwards

    const struct {
        const char *name;
        const char *clicks; // the options clicked, in order, apart by blanks
        const char *expected;
    } sequences[] = {
        {"select", "Label8", "o--- ---- ---- ----"},
        {"try another of the same question", "Label8 Label9", "o--- ---- ---- ----"},
        {"deselect", "Label8 Label8", "---- ---- ---- ----"},
        {"reselect another after deselecting", "Label8 Label9 Label8 Label9", "-o-- ---- ---- ----"},
        {"questions are independent", "Label11 Label13 Label21 Label26", "---o o--- ---o ---o"},
        {"a blocked click leaves other questions alone", "Label19 Label23 Label18 Label25",
         "---- ---- -o-- o---"},
    };
    const std::pair<State, const char *> states[] = {
        {State::FirstShown, "first shown"}, {State::Loaded, "loaded"}, {State::Checked, "checked"}};
    for (const auto &[state, stateName] : states) {
        for (const auto &sequence : sequences)
            QTest::addRow("%s, %s", stateName, sequence.name)
                << state << QString::fromUtf8(sequence.clicks).split(u' ')
                << QString::fromUtf8(sequence.expected);
    }
}

void OneMemberSentencesTest::selectionRule()
{
    QFETCH(State, state);
    QFETCH(QStringList, clicks);
    QFETCH(QString, expected);

    open();
    if (state != State::FirstShown)
        load(QStringLiteral("1"));
    if (state == State::Checked)
        click(form, QStringLiteral("Command4")); // nothing selected: no marks, four errors
    const QString marksBefore = marks();
    const QString counter = text(form, QStringLiteral("Label4"));

    clickAll(form, clicks);
    QCOMPARE(selected(), expected);
    QCOMPARE(marks(), marksBefore);
    QCOMPARE(text(form, QStringLiteral("Label4")), counter);
    QCOMPARE(isEnabled(form, QStringLiteral("Command4")), state == State::Loaded);
}

void OneMemberSentencesTest::check_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("expectedMarks");
    QTest::addColumn<QString>("errors");

    // Variant 1; its right options are а), г), в), б).
    QTest::newRow("the key") << keyOfVariant1 << "gkkk kkkg kkgk kgkk"
                             << "0";
    QTest::newRow("nothing") << QStringList() << "kkkk kkkk kkkk kkkk"
                             << "4";
    QTest::newRow("one wrong answer, three unanswered") << test::names({"Label9"}) << "krkk kkkk kkkk kkkk"
                                                        << "4";
    QTest::newRow("three right, one unanswered")
        << test::names({"Label8", "Label16", "Label20"}) << "gkkk kkkg kkgk kkkk"
        << "1";
    QTest::newRow("two right, two wrong")
        << test::names({"Label8", "Label13", "Label20", "Label26"}) << "gkkk rkkk kkgk kkkr"
        << "2";
    QTest::newRow("a right option deselected again")
        << keyOfVariant1 + test::names({"Label24"}) << "gkkk kkkg kkgk kkkk"
        << "1";
}

void OneMemberSentencesTest::check()
{
    QFETCH(QStringList, clicks);
    QFETCH(QString, expectedMarks);
    QFETCH(QString, errors);

    load(QStringLiteral("1"));
    clickAll(form, clicks);
    const QString selectedBefore = selected();
    click(form, QStringLiteral("Command4"));
    QCOMPARE(marks(), expectedMarks);
    QCOMPARE(selected(), selectedBefore); // the check leaves the backgrounds
    QCOMPARE(text(form, QStringLiteral("Label4")), errors);
    QVERIFY(!isEnabled(form, QStringLiteral("Command4")));
    QCOMPARE(isShown(20), errors == QStringLiteral("0"));
}

void OneMemberSentencesTest::afterCheckClicksChangeOnlyBackgrounds()
{
    load(QStringLiteral("1"));
    clickAll(form, test::names({"Label8", "Label13"}));
    click(form, QStringLiteral("Command4"));
    QCOMPARE(marks(), QStringLiteral("gkkk rkkk kkkk kkkk"));
    QCOMPARE(text(form, QStringLiteral("Label4")), QStringLiteral("3"));

    clickAll(form, test::names({"Label8", "Label13", "Label16", "Label23"}));
    QCOMPARE(selected(), QStringLiteral("---- ---o ---- o---"));
    QCOMPARE(marks(), QStringLiteral("gkkk rkkk kkkk kkkk"));
    QCOMPARE(text(form, QStringLiteral("Label4")), QStringLiteral("3"));
    QVERIFY(!isEnabled(form, QStringLiteral("Command4")));

    click(form, QStringLiteral("Command2(0)"));
    QCOMPARE(selected(), QStringLiteral("---- ---- ---- ----"));
    QCOMPARE(marks(), QStringLiteral("kkkk kkkk kkkk kkkk"));
    QCOMPARE(text(form, QStringLiteral("Label4")), QString());
    QVERIFY(isEnabled(form, QStringLiteral("Command4")));
}

void OneMemberSentencesTest::checkUsesTheLoadedVariant()
{
    load(QStringLiteral("3"));
    clickAll(form, keyOfVariant3);
    type(form, QStringLiteral("Text2"), QStringLiteral("1"));
    click(form, QStringLiteral("Command4"));
    QCOMPARE(marks(), QStringLiteral("kkkg gkkk kgkk kkkg"));
    QCOMPARE(text(form, QStringLiteral("Label4")), QStringLiteral("0"));
    QCOMPARE(text(form, QStringLiteral("Text2")), QStringLiteral("1"));
    QCOMPARE(shownWindows(), (QList<int>{form, 20}));
}

void OneMemberSentencesTest::variantField_data()
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
    QTest::newRow("4") << "4" << 1 << "1";
    QTest::newRow("3.5") << "3.5" << 1 << "1";
    QTest::newRow("0") << "0" << 1 << "1";
    QTest::newRow("minus one") << "-1" << 1 << "1";
    QTest::newRow("letters") << "abc" << 1 << "1";
    QTest::newRow("empty") << "" << 1 << "1";
}

void OneMemberSentencesTest::variantField()
{
    QFETCH(QString, typed);
    QFETCH(int, onScreen);
    QFETCH(QString, fieldAfter);

    load(QStringLiteral("3"));
    clickAll(form, test::names({"Label8", "Label11"}));
    click(form, QStringLiteral("Command4"));
    load(typed);
    QCOMPARE(text(form, QStringLiteral("Label7")), firstQuestions[onScreen]);
    QCOMPARE(text(form, QStringLiteral("Label26")), lastOptions[onScreen]);
    QCOMPARE(text(form, QStringLiteral("Label27")), QString::number(onScreen));
    QCOMPARE(text(form, QStringLiteral("Text2")), fieldAfter);
    QCOMPARE(selected(), QStringLiteral("---- ---- ---- ----"));
    QCOMPARE(marks(), QStringLiteral("kkkk kkkk kkkk kkkk"));
    QCOMPARE(text(form, QStringLiteral("Label4")), QString());
    QVERIFY(isEnabled(form, QStringLiteral("Command4")));
    QCOMPARE(shownWindows(), QList<int>{form});
}

void OneMemberSentencesTest::comingBack_data()
{
    QTest::addColumn<QString>("leave");
    QTest::addColumn<int>("target");
    QTest::addColumn<test::Route>("back");

    QTest::newRow("after the main window, through the grade-8 menu")
        << "Command1(0)" << 1
        << test::Route{{1, QStringLiteral("Command2")}, {4, QStringLiteral("Command5")}};
    QTest::newRow("after the next task, through the predicate window")
        << "Command3" << 23
        << test::Route{{23, QStringLiteral("Command1(1)")},
                       {1, QStringLiteral("Command2")},
                       {4, QStringLiteral("Command3")},
                       {14, QStringLiteral("Command3")}};
}

void OneMemberSentencesTest::comingBack()
{
    QFETCH(QString, leave);
    QFETCH(int, target);
    QFETCH(test::Route, back);

    load(QStringLiteral("2"));
    clickAll(form, test::names({"Label8", "Label14"}));
    click(form, QStringLiteral("Command4"));
    type(form, QStringLiteral("Text2"), QStringLiteral("7"));
    click(form, leave);
    QCOMPARE(shownWindows(), QList<int>{target});

    follow(back);
    QCOMPARE(shownWindows(), QList<int>{form});
    for (const QString &label : questions + options)
        QCOMPARE(text(form, label), QString());
    QCOMPARE(selected(), QStringLiteral("---- ---- ---- ----"));
    QCOMPARE(marks(), QStringLiteral("kkkk kkkk kkkk kkkk"));
    QCOMPARE(text(form, QStringLiteral("Label4")), QString());
    QVERIFY(!isEnabled(form, QStringLiteral("Command4")));
    QCOMPARE(text(form, QStringLiteral("Text2")), QStringLiteral("1"));
    QCOMPARE(text(form, QStringLiteral("Label27")), QStringLiteral("2"));
}

void OneMemberSentencesTest::focusOrderWhenLoaded()
{
    load(QStringLiteral("1"));
    // The listed controls, then the labels a click does something to: the options and "Справка".
    QCOMPARE(focusChain(form),
             test::names({"Text2", "Command3", "Command2(0)", "Command1(0)", "Command4", "Command5"}) +
                 options + test::names({"Lbl19"}));
}

QTEST_MAIN(OneMemberSentencesTest)
#include "tst_onemembersentences.moc"
