#include "support/shelltest.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>

using namespace parta;

// Where windows appear: the picture does not jump when one full-size window
// replaces another, and pop-ups come up over the window they were opened from.
class PlacementTest : public test::ShellTest {
    Q_OBJECT
private Q_SLOTS:
    void mainWindowStartsCentred();
    void replacingWindowTakesThePlace_data();
    void replacingWindowTakesThePlace();
    void popUpComesUpOverItsOpener_data();
    void popUpComesUpOverItsOpener();
    void popUpStaysOnScreen();
    void popUpOnScreenStaysWhereItIs();

private:
    static QRect screen() { return QGuiApplication::primaryScreen()->availableGeometry(); }
};

void PlacementTest::mainWindowStartsCentred()
{
    // Centred before the window system has framed it: off by half its border at most.
    const QRect frame = window(1)->frameGeometry();
    QVERIFY(qAbs(frame.center().x() - screen().center().x()) <= 4);
    QVERIFY(qAbs(frame.center().y() - screen().center().y()) <= 4);
}

void PlacementTest::replacingWindowTakesThePlace_data()
{
    QTest::addColumn<QString>("path"); // buttons pressed, window after window, from the main window
    QTest::addColumn<QList<int>>("windows");
    QTest::newRow("grade 7 menu") << "Command1" << QList<int>{1, 3};
    QTest::newRow("a topic window") << "Command2,Command3" << QList<int>{1, 4, 14};
    QTest::newRow("next task") << "Command2,Command3,Command3" << QList<int>{1, 4, 14, 18};
    QTest::newRow("back to the main window") << "Command2,Command3,Command1(0)" << QList<int>{1, 4, 14, 1};
}

void PlacementTest::replacingWindowTakesThePlace()
{
    QFETCH(QString, path);
    QFETCH(QList<int>, windows);
    window(1)->move(37, 21); // where the pupil dragged it
    const QStringList buttons = path.split(u',');
    for (qsizetype step = 0; step < buttons.size(); ++step) {
        const QRect before = window(windows[step])->geometry();
        click(windows[step], buttons[step]);
        QCOMPARE(shownWindows(), QList<int>{windows[step + 1]});
        QCOMPARE(window(windows[step + 1])->geometry(), before);
    }
}

void PlacementTest::popUpComesUpOverItsOpener_data()
{
    QTest::addColumn<int>("opener");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("popUp");
    QTest::newRow("help of the main window") << 1 << "Label1" << 27;
    QTest::newRow("rule of Form14") << 14 << "Command5" << 15;
    QTest::newRow("help of Form9") << 9 << "Label13" << 31;
}

void PlacementTest::popUpComesUpOverItsOpener()
{
    QFETCH(int, opener);
    QFETCH(QString, control);
    QFETCH(int, popUp);
    if (opener != 1)
        shell().move(1, opener);
    window(opener)->move(60, 10);
    click(opener, control);
    QVERIFY(isShown(popUp));
    const QRect over = window(opener)->frameGeometry();
    const QRect shown = window(popUp)->frameGeometry();
    QVERIFY(screen().contains(shown));
    QVERIFY2(over.contains(shown.center()), "the pop-up lies over the window it was opened from");
}

void PlacementTest::popUpStaysOnScreen()
{
    // The opener hangs off the bottom right of the screen; its help window does not.
    window(1)->move(screen().right() - 100, screen().bottom() - 50);
    click(1, QStringLiteral("Label1"));
    QVERIFY(screen().contains(window(27)->frameGeometry()));
}

void PlacementTest::popUpOnScreenStaysWhereItIs()
{
    click(1, QStringLiteral("Label1"));
    window(27)->move(5, 6);
    click(1, QStringLiteral("Label1"));
    QCOMPARE(window(27)->pos(), QPoint(5, 6));
}

QTEST_MAIN(PlacementTest)
#include "tst_placement.moc"
