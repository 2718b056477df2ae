#include "support/shelltest.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

using namespace parta;

// A pupil without a mouse: Tab to a control, Space or Enter to use it, Esc to
// close a pop-up, F1 for help.
class KeyboardTest : public test::ShellTest {
    Q_OBJECT
private Q_SLOTS:
    void selectionExerciseWithoutAMouse();
    void typedExerciseWithoutAMouse();
    void spaceAndEnterPressButtons_data();
    void spaceAndEnterPressButtons();
    void helpKey_data();
    void helpKey();
    void escapeClosesAPopUp_data();
    void escapeClosesAPopUp();

private:
    // Keys go to the active window, as they do on a desktop.
    bool activate(int number)
    {
        window(number)->activateWindow();
        return QTest::qWaitForWindowActive(window(number));
    }
    // The control that has the keyboard focus in the window.
    QWidget *focused(int number) { return window(number)->focusWidget(); }
    // Presses Tab until the named control has the focus; fails after a full round.
    bool tabTo(int number, const QString &name)
    {
        for (int presses = 0; presses < 60; ++presses) {
            if (focused(number) && focused(number)->objectName() == name)
                return true;
            QTest::keyClick(focused(number) ? focused(number) : window(number), Qt::Key_Tab);
        }
        return false;
    }
    void press(int number, Qt::Key key) { QTest::keyClick(focused(number), key); }
    void typeHere(int number, const QString &text)
    {
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, focused(number), Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
};

void KeyboardTest::selectionExerciseWithoutAMouse()
{
    // Form10, government: l1, l2, l5, l7, l10, l11, l15, l16.
    shell().move(1, 10);
    QVERIFY(activate(10));
    for (int phrase : {1, 2, 5, 7, 10, 11, 15, 16}) {
        QVERIFY(tabTo(10, QStringLiteral("l%1").arg(phrase)));
        press(10, Qt::Key_Space);
    }
    QCOMPARE(background(control(10, QStringLiteral("l7"))), QColor(0, 128, 128));
    // A second Space deselects, a third selects again.
    press(10, Qt::Key_Space);
    QCOMPARE(background(control(10, QStringLiteral("l16"))), QColor(255, 255, 0));
    press(10, Qt::Key_Space);
    QVERIFY(tabTo(10, QStringLiteral("Command4")));
    press(10, Qt::Key_Return);
    QCOMPARE(text(10, QStringLiteral("Label4")), QStringLiteral("0"));
    QVERIFY(isShown(20));
}

void KeyboardTest::typedExerciseWithoutAMouse()
{
    shell().move(1, 14);
    QVERIFY(activate(14));
    QVERIFY(tabTo(14, QStringLiteral("Text2")));
    static_cast<QLineEdit *>(focused(14))->selectAll();
    typeHere(14, QStringLiteral("3"));
    QVERIFY(tabTo(14, QStringLiteral("Command2(0)")));
    press(14, Qt::Key_Enter);
    QCOMPARE(text(14, QStringLiteral("Label16")), QStringLiteral("3"));
    // Variant 3: 2 1 3 2 1 3 3 1 2 3, in Text1, Text3 … Text11.
    const char *const boxes[] = {"Text1", "Text3", "Text4", "Text5",  "Text6",
                                 "Text7", "Text8", "Text9", "Text10", "Text11"};
    const QString digits = QStringLiteral("2132133123");
    for (int i = 0; i < 10; ++i) {
        QVERIFY(tabTo(14, QString::fromUtf8(boxes[i])));
        typeHere(14, digits.mid(i, 1));
    }
    QVERIFY(tabTo(14, QStringLiteral("Command4")));
    press(14, Qt::Key_Return);
    QCOMPARE(text(14, QStringLiteral("Label4")), QStringLiteral("0"));
    QVERIFY(isShown(20));
    QVERIFY(activate(20));
    press(20, Qt::Key_Escape);
    QVERIFY(!isShown(20));
}

void KeyboardTest::spaceAndEnterPressButtons_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Space") << int(Qt::Key_Space);
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Enter of the number pad") << int(Qt::Key_Enter);
}

void KeyboardTest::spaceAndEnterPressButtons()
{
    QFETCH(int, key);
    QVERIFY(activate(1));
    QVERIFY(tabTo(1, QStringLiteral("Command2")));
    press(1, Qt::Key(key));
    QCOMPARE(shownWindows(), QList<int>{4});
}

void KeyboardTest::helpKey_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("help");
    QTest::newRow("main window") << 1 << 27;
    QTest::newRow("grade 7") << 3 << 28;
    QTest::newRow("chooser") << 5 << 30;
    QTest::newRow("Form9") << 9 << 31;
    QTest::newRow("Form14") << 14 << 36;
    QTest::newRow("Form16") << 16 << 37;
    QTest::newRow("Form26") << 26 << 41;
}

void KeyboardTest::helpKey()
{
    QFETCH(int, number);
    QFETCH(int, help);
    if (number != 1)
        shell().move(1, number);
    QVERIFY(activate(number));
    QTest::keyClick(focused(number), Qt::Key_F1);
    QCOMPARE(shownWindows(), (QList<int>{number, help}));
}

void KeyboardTest::escapeClosesAPopUp_data()
{
    QTest::addColumn<int>("popUp");
    QTest::newRow("About") << 2;
    QTest::newRow("a rule") << 15;
    QTest::newRow("praise") << 20;
    QTest::newRow("a help window") << 31;
}

void KeyboardTest::escapeClosesAPopUp()
{
    QFETCH(int, popUp);
    shell().popUp(popUp);
    QVERIFY(activate(popUp));
    QTest::keyClick(focused(popUp), Qt::Key_Escape);
    QCOMPARE(shownWindows(), QList<int>{1});
}

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
