#include "support/shelltest.h"

#include <QTest>
#include <QWidget>

#include <algorithm>

using namespace parta;

// Every control that changes which windows are on screen, one row each.
class NavigationTest : public test::ShellTest {
    Q_OBJECT
private Q_SLOTS:
    void graph_data();
    void graph();
    void gradeChainsEndWithExit_data();
    void gradeChainsEndWithExit();
    void focusOrder_data();
    void focusOrder();

private:
    void putOnScreen(int number);
};

enum class Effect { Move, PopUp, Hide, End };
Q_DECLARE_METATYPE(Effect)

void NavigationTest::putOnScreen(int number)
{
    if (Shell::isPopUpWindow(number)) {
        shell().popUp(number); // over the main window
        return;
    }
    if (number != 1)
        shell().move(1, number);
}

void NavigationTest::graph_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("control");
    QTest::addColumn<Effect>("effect");
    QTest::addColumn<int>("target");

    auto row = [](int from, const char *control, Effect effect, int target = 0) {
        QTest::addRow("Form%d %s", from, control) << from << QString::fromUtf8(control) << effect << target;
    };

    row(1, "Command1", Effect::Move, 3);
    row(1, "Command2", Effect::Move, 4);
    row(1, "Command3", Effect::PopUp, 2);
    row(1, "Command4", Effect::End);
    row(1, "Label1", Effect::PopUp, 27);

    row(3, "Command1", Effect::Move, 1);
    row(3, "Command2", Effect::Move, 7);
    row(3, "Command3", Effect::Move, 13);
    row(3, "Command4", Effect::Move, 16);
    row(3, "Command5", Effect::Move, 21);
    row(3, "Command6", Effect::Move, 25);
    row(3, "Label2", Effect::PopUp, 28);

    row(4, "Command1", Effect::Move, 1);
    row(4, "Command2", Effect::Move, 5);
    row(4, "Command3", Effect::Move, 14);
    row(4, "Command5", Effect::Move, 18);
    row(4, "Command4", Effect::Move, 23);
    row(4, "Command7", Effect::Move, 26);
    row(4, "Label2", Effect::PopUp, 29);

    row(5, "Command1(0)", Effect::Move, 1);
    row(5, "Command2(0)", Effect::Move, 9); // the field says "1"
    row(5, "Command3", Effect::Move, 14);
    row(5, "Label2(0)", Effect::PopUp, 30);
    row(5, "Label2(1)", Effect::PopUp, 30);

    const int wordConnectionHelp[] = {31, 33, 34};
    for (int w = 9; w <= 11; ++w) {
        row(w, "Command1(0)", Effect::Move, 1);
        row(w, "Command3", Effect::Move, 14);
        row(w, "Command5", Effect::PopUp, 12);
        row(w, "Label13", Effect::PopUp, wordConnectionHelp[w - 9]);
    }
    row(10, "Command2(0)", Effect::Move, 10); // the field says "2": stays
    for (int w = 7; w <= 8; ++w) {
        row(w, "Command1(1)", Effect::Move, 1);
        row(w, "Command3", Effect::Move, 13);
        row(w, "Label13", Effect::PopUp, 32);
    }
    row(13, "Command1(1)", Effect::Move, 1);
    row(13, "Command3", Effect::Move, 16);
    row(13, "Command5", Effect::PopUp, 6);
    row(13, "Label13", Effect::PopUp, 35);
    row(14, "Command1(0)", Effect::Move, 1);
    row(14, "Command3", Effect::Move, 18);
    row(14, "Command5", Effect::PopUp, 15);
    row(14, "Label17", Effect::PopUp, 36);
    row(16, "Command1(1)", Effect::Move, 1);
    row(16, "Command3", Effect::Move, 21);
    row(16, "Command5", Effect::PopUp, 17);
    row(16, "Lbl19", Effect::PopUp, 37);
    row(18, "Command1(0)", Effect::Move, 1);
    row(18, "Command3", Effect::Move, 23);
    row(18, "Command5", Effect::PopUp, 19);
    row(18, "Lbl19", Effect::PopUp, 38);
    row(21, "Command1(0)", Effect::Move, 1);
    row(21, "Command3", Effect::Move, 25);
    row(21, "Command5", Effect::PopUp, 22);
    row(21, "Lbl19", Effect::PopUp, 39);
    row(23, "Command1(1)", Effect::Move, 1);
    row(23, "Command3", Effect::Move, 26);
    row(23, "Command5", Effect::PopUp, 24);
    row(23, "Lbl19", Effect::PopUp, 40);
    for (int w = 25; w <= 26; ++w) {
        row(w, "Command1(0)", Effect::Move, 1);
        row(w, "Command3", Effect::End);
        row(w, "Lbl19", Effect::PopUp, 41);
    }
    for (int w = 1; w <= Shell::windowCount; ++w) {
        if (Shell::isPopUpWindow(w))
            row(w, "Command1", Effect::Hide);
    }
}

void NavigationTest::graph()
{
    QFETCH(int, from);
    QFETCH(QString, control);
    QFETCH(Effect, effect);
    QFETCH(int, target);

    putOnScreen(from);
    const QList<int> before = shownWindows();
    click(from, control);

    QList<int> expected;
    switch (effect) {
    case Effect::Move:
        expected = {target};
        break;
    case Effect::PopUp:
        expected = {from, target};
        break;
    case Effect::Hide:
        expected = before;
        expected.removeAll(from);
        break;
    case Effect::End:
        QVERIFY(shell().hasEnded());
        break;
    }
    std::sort(expected.begin(), expected.end());
    QCOMPARE(shownWindows(), expected);
    if (effect != Effect::End)
        QVERIFY(!shell().hasEnded());
}

void NavigationTest::gradeChainsEndWithExit_data()
{
    QTest::addColumn<int>("menuButton");
    QTest::addColumn<QList<int>>("chain");
    QTest::newRow("grade 7") << 1 << QList<int>{3, 7, 13, 16, 21, 25};
    QTest::newRow("grade 8") << 2 << QList<int>{4, 5, 14, 18, 23, 26};
}

void NavigationTest::gradeChainsEndWithExit()
{
    QFETCH(int, menuButton);
    QFETCH(QList<int>, chain);
    click(1, QStringLiteral("Command%1").arg(menuButton));
    QCOMPARE(shownWindows(), QList<int>{chain[0]});
    click(chain[0], QStringLiteral("Command2"));
    for (qsizetype i = 1; i + 1 < chain.size(); ++i) {
        QCOMPARE(shownWindows(), QList<int>{chain[i]});
        click(chain[i], QStringLiteral("Command3"));
    }
    QCOMPARE(shownWindows(), QList<int>{chain.last()});
    QCOMPARE(text(chain.last(), QStringLiteral("Command3")), QStringLiteral("Выход"));
    click(chain.last(), QStringLiteral("Command3"));
    QVERIFY(shell().hasEnded());
    QVERIFY(shownWindows().isEmpty());
}

void NavigationTest::focusOrder_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QStringList>("order");
    // "Справка" follows the buttons, which keep their order.
    QTest::newRow("main window") << 1
                                 << test::names({"Command1", "Command2", "Command3", "Command4", "Label1"});
    QTest::newRow("grade 7") << 3
                             << test::names({"Command1", "Command2", "Command3", "Command4", "Command5",
                                             "Command6", "Label2"});
    // "Тире..." (Command4) before "Односоставные..." (Command5), though it stands below it.
    QTest::newRow("grade 8") << 4
                             << test::names({"Command1", "Command2", "Command3", "Command4", "Command5",
                                             "Command7", "Label2"});
}

void NavigationTest::focusOrder()
{
    QFETCH(int, number);
    QFETCH(QStringList, order);
    putOnScreen(number);
    QCOMPARE(window(number)->focusWidget()->objectName(), order.first());
    // Tab goes round a ring: read it from the control that has the focus first.
    QStringList chain = focusChain(number);
    std::rotate(chain.begin(), std::find(chain.begin(), chain.end(), order.first()), chain.end());
    QCOMPARE(chain, order);
}

QTEST_MAIN(NavigationTest)
#include "tst_navigation.moc"
