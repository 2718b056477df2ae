#include "frame/line.h"
#include "support/shelltest.h"

#include <QTest>
#include <QWidget>

#include <algorithm>

using namespace parta;

namespace {

const QStringList boxes = test::names({"Text1", "Text3", "Text4", "Text5", "Text6"});
const QStringList definitions = test::names({"Label3", "Label8", "Label9", "Label10", "Label11"});

const QColor pink(255, 192, 192); // the boxes when first shown
const QColor grey(192, 192, 192); // the boxes after a reset
const QColor red(255, 0, 0);

} // namespace

// Form7 and Form8: five definitions, each with a box for the name of its branch.
class LinguisticsBranchesTest : public test::ShellTest {
    Q_OBJECT
private Q_SLOTS:
    void firstShown_data();
    void firstShown();
    void allEmptyIsFiveErrors_data();
    void allEmptyIsFiveErrors();
    void variantField_data();
    void variantField();
    void comingBackAfterMainWindow_data();
    void comingBackAfterMainWindow();
    void focusOrder_data();
    void focusOrder();

private:
    // "Фонетика" answers row 1 of Form7 and row 5 of Form8.
    static QString phoneticsBox(int number) { return number == 7 ? boxes[0] : boxes[4]; }
    // The pupil's right answer in one box and a text in the variant field.
    void answerAndType(int number, const QString &field)
    {
        type(number, phoneticsBox(number), QStringLiteral("Фонетика"));
        type(number, QStringLiteral("Text2"), field);
    }
    void verifyReset(int number)
    {
        for (const QString &box : boxes) {
            QCOMPARE(text(number, box), QString());
            QCOMPARE(background(control(number, box)), grey);
        }
        QCOMPARE(text(number, QStringLiteral("Lbl")), QString());
        QVERIFY(isEnabled(number, QStringLiteral("Command4")));
    }
};

void LinguisticsBranchesTest::firstShown_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("task");
    QTest::addColumn<QStringList>("definitionTexts");
    QTest::addColumn<QList<int>>("definitionHeights"); // twips
    QTest::addColumn<QStringList>("wordListCaptions");
    QTest::addColumn<QString>("field");

    QTest::newRow("Form7") << 7
                           << QStringLiteral(
                                  "   Выберите вариант задания(1 или 2), нажмите на кнопку "
                                  "\"Задание\" и напишите названия разделов науки о языке, "
                                  "которые подходят к данным определениям, слова для справок есть.")
                           << test::names({"  раздел  науки о языке, изучающий звуки.",
                                           "  раздел науки о языке, изучающий значимые части слова (корни, "
                                           "приставки, суффиксы, окончания) и способы их образования слов.",
                                           "  раздел науки о языке, изучающий фразеологические обороты.",
                                           "  раздел науки о языке, в котором устанавливаются соответствия "
                                           "между звуками и буквами.",
                                           "  раздел науки о языке, в котором устанавливается расстановка "
                                           "знаков препинания."})
                           << QList<int>{495, 615, 495, 615, 615} << test::names({"Label7"}) << "1";
    QTest::newRow("Form8") << 8
                           << QStringLiteral("  Напишите названия разделов науки о языке, которые подходят к "
                                             "данным определениям")
                           << test::names({"  раздел  науки о языке, изучающий слова.",
                                           "  раздел науки о языке, в котором устанавливаются правила "
                                           "ниписания слов",
                                           "  раздел науки о языке, изучающий части речи и их формы.",
                                           "  раздел науки о языке, изучающий словосочетания, простые и "
                                           "сложные предложения.",
                                           "  раздел науки о языке, изучающий звуки."})
                           << QList<int>{495, 615, 495, 615, 495} << test::names({"Label7(0)", "Label7(1)"})
                           << "2";
}

void LinguisticsBranchesTest::firstShown()
{
    QFETCH(int, number);
    QFETCH(QString, task);
    QFETCH(QStringList, definitionTexts);
    QFETCH(QList<int>, definitionHeights);
    QFETCH(QStringList, wordListCaptions);
    QFETCH(QString, field);

    shell().move(1, number);
    QCOMPARE(text(number, QStringLiteral("Label12")), QStringLiteral("Разделы науки о языке"));
    QCOMPARE(text(number, QStringLiteral("Label1")), QStringLiteral("Задание:"));
    QCOMPARE(text(number, QStringLiteral("Label2")), task);
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(text(number, definitions[i]), definitionTexts[i]);
        QCOMPARE(control(number, definitions[i])->height() * 15, definitionHeights[i]);
        QCOMPARE(text(number, boxes[i]), QString());
        QCOMPARE(background(control(number, boxes[i])), pink);
    }
    QCOMPARE(text(number, QStringLiteral("Label6")),
             QString(50, u' ') + QStringLiteral("пунктуация, морфология, синтаксис, фонетика, орфография, "
                                                "графика, фразеология, лексикология, словообразование."));
    for (const QString &caption : wordListCaptions)
        QCOMPARE(text(number, caption), QStringLiteral("Слова для справок:"));
    // A caption covers the list's leading blanks.
    QWidget *wordList = control(number, QStringLiteral("Label6"));
    QVERIFY(window(number)->childAt(wordList->geometry().topLeft() + QPoint(2, 2)) != wordList);
    QCOMPARE(text(number, QStringLiteral("Lbl")), QString());
    QVERIFY(isEnabled(number, QStringLiteral("Command4")));
    QCOMPARE(text(number, QStringLiteral("Text2")), field);
    QCOMPARE(control(number, QStringLiteral("Text2"))->toolTip(),
             number == 7 ? QStringLiteral("Текстовое поле для ввода номера варианта") : QString());
    // The dashes between the boxes and the definitions, 240 twips below each row's top.
    const int dashTops[] = {2880, 3600, 4440, 5160, 6000};
    for (int i = 0; i < 5; ++i) {
        auto *dash = qobject_cast<Line *>(control(number, QStringLiteral("Line%1").arg(i + 1)));
        QVERIFY(dash);
        QCOMPARE(dash->line(), QLine(2520 / 15, dashTops[i] / 15, 3000 / 15, dashTops[i] / 15));
        QCOMPARE(dash->color(), QColor(255, 0, 255));
    }
}

void LinguisticsBranchesTest::allEmptyIsFiveErrors_data()
{
    QTest::addColumn<int>("number");
    QTest::newRow("Form7") << 7;
    QTest::newRow("Form8") << 8;
}

void LinguisticsBranchesTest::allEmptyIsFiveErrors()
{
    QFETCH(int, number);
    shell().move(1, number);
    click(number, QStringLiteral("Command4"));
    for (const QString &box : boxes)
        QCOMPARE(background(control(number, box)), red);
    QCOMPARE(text(number, QStringLiteral("Lbl")), QStringLiteral("5"));
    QCOMPARE(shownWindows(), QList<int>{number});
    // Editing after the check changes no colour, and there is no second check.
    type(number, boxes[0], QStringLiteral("Фонетика"));
    QCOMPARE(background(control(number, boxes[0])), red);
    QVERIFY(!isEnabled(number, QStringLiteral("Command4")));
}

void LinguisticsBranchesTest::variantField_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("press");
    QTest::addColumn<int>("shown");
    QTest::addColumn<QString>("fieldAfter");

    const QString newTask = QStringLiteral("Command2(0)");
    const QString check = QStringLiteral("Command4");
    QTest::newRow("Form7: 1 stays") << 7 << "1" << newTask << 7 << "1";
    QTest::newRow("Form7: 2 switches") << 7 << "2" << newTask << 8 << "1";
    QTest::newRow("Form7: leading blank, 2 switches") << 7 << " 2" << newTask << 8 << "1";
    QTest::newRow("Form7: empty") << 7 << "" << newTask << 7 << "1";
    QTest::newRow("Form7: 0") << 7 << "0" << newTask << 7 << "1";
    QTest::newRow("Form7: 3") << 7 << "3" << newTask << 7 << "1";
    QTest::newRow("Form7: -1") << 7 << "-1" << newTask << 7 << "1";
    QTest::newRow("Form7: abc") << 7 << "abc" << newTask << 7 << "1";
    QTest::newRow("Form7: 2а is no whole number, stays") << 7 << "2а" << newTask << 7 << "1";
    QTest::newRow("Form7: 2 then check") << 7 << "2" << check << 7 << "1";
    QTest::newRow("Form8: 2 stays") << 8 << "2" << newTask << 8 << "2";
    QTest::newRow("Form8: 1 switches") << 8 << "1" << newTask << 7 << "2";
    QTest::newRow("Form8: leading blank, 2 stays") << 8 << " 2" << newTask << 8 << "2";
    QTest::newRow("Form8: empty") << 8 << "" << newTask << 7 << "2";
    QTest::newRow("Form8: 0") << 8 << "0" << newTask << 7 << "2";
    QTest::newRow("Form8: 3") << 8 << "3" << newTask << 7 << "2";
    QTest::newRow("Form8: abc") << 8 << "abc" << newTask << 7 << "2";
    QTest::newRow("Form8: 2а is no whole number, stays") << 8 << "2а" << newTask << 8 << "2";
    QTest::newRow("Form8: 1 then check") << 8 << "1" << check << 8 << "1";
}

void LinguisticsBranchesTest::variantField()
{
    QFETCH(int, number);
    QFETCH(QString, typed);
    QFETCH(QString, press);
    QFETCH(int, shown);
    QFETCH(QString, fieldAfter);

    shell().move(1, number);
    answerAndType(number, typed);
    click(number, press);
    QCOMPARE(shownWindows(), QList<int>{shown});
    QCOMPARE(text(number, QStringLiteral("Text2")), fieldAfter);
    if (press == QStringLiteral("Command4")) {
        // The window on screen was checked, whatever the field says.
        QCOMPARE(background(control(number, phoneticsBox(number))), QColor(0, 255, 0));
        QCOMPARE(text(number, QStringLiteral("Lbl")), QStringLiteral("4"));
        return;
    }
    verifyReset(number);
    const int sibling = 15 - number;
    if (shown == sibling) {
        // Found as it was first shown, with its own number in its field.
        QCOMPARE(background(control(sibling, boxes[0])), pink);
        QCOMPARE(text(sibling, QStringLiteral("Text2")), QString::number(sibling - 6));
    }
}

void LinguisticsBranchesTest::comingBackAfterMainWindow_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("fieldBack");
    // Form7 keeps what the pupil typed; Form8 writes its own number.
    QTest::newRow("Form7") << 7 << "2"
                           << "2";
    QTest::newRow("Form8") << 8 << "1"
                           << "2";
}

void LinguisticsBranchesTest::comingBackAfterMainWindow()
{
    QFETCH(int, number);
    QFETCH(QString, typed);
    QFETCH(QString, fieldBack);

    const auto open = [this, number] {
        click(1, QStringLiteral("Command1")); // "7 класс"
        click(3, QStringLiteral("Command2")); // "Разделы науки о языке"
        if (number == 8) {
            type(7, QStringLiteral("Text2"), QStringLiteral("2"));
            click(7, QStringLiteral("Command2(0)"));
        }
    };
    open();
    answerAndType(number, QStringLiteral("0"));
    click(number, QStringLiteral("Command4"));
    type(number, QStringLiteral("Text2"), typed);
    click(number, QStringLiteral("Command1(1)"));
    QCOMPARE(shownWindows(), QList<int>{1});

    open();
    QCOMPARE(shownWindows(), QList<int>{number});
    verifyReset(number);
    QCOMPARE(text(number, QStringLiteral("Text2")), fieldBack);
}

void LinguisticsBranchesTest::focusOrder_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QStringList>("order"); // the first has the focus when first shown
    QTest::newRow("Form7") << 7
                           << test::names({"Command4", "Text2", "Command3", "Command2(0)", "Command1(1)",
                                           "Text1", "Text3", "Text4", "Text5", "Text6"});
    QTest::newRow("Form8") << 8
                           << test::names({"Text6", "Text5", "Text4", "Text3", "Text1", "Command1(1)",
                                           "Command2(0)", "Command3", "Text2", "Command4"});
}

void LinguisticsBranchesTest::focusOrder()
{
    QFETCH(int, number);
    QFETCH(QStringList, order);
    shell().move(1, number);
    QCOMPARE(window(number)->focusWidget()->objectName(), order.first());
    // Only the controls of the window's focus order are compared, round the ring from its first.
    QStringList chain = focusChain(number);
    chain.removeIf([&order](const QString &name) { return !order.contains(name); });
    std::rotate(chain.begin(), std::find(chain.begin(), chain.end(), order.first()), chain.end());
    QCOMPARE(chain, order);
}

QTEST_MAIN(LinguisticsBranchesTest)
#include "tst_linguisticsbranches.moc"
