#include "support/shelltest.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

using namespace parta;

class LifetimeTest : public test::ShellTest {
    Q_OBJECT
private Q_SLOTS:
    void startShowsTheMainWindowAlone();
    void windowsAreCreatedOnFirstUseOnce();
    void numbersOutsideTheProgramHaveNoWindow_data();
    void numbersOutsideTheProgramHaveNoWindow();
    void hiddenWindowKeepsItsState();
    void menuIsTheSameWindowEachTime();
    void popUpTwiceIsOneWindowInFront();
    void popUpStaysWhenTheWindowBeneathMovesOn();
    void exitWithPopUpsOpenLeavesNothing();
    void closeButton_data();
    void closeButton();
    void closedPopUpComesBackNew();
};

void LifetimeTest::startShowsTheMainWindowAlone()
{
    QCOMPARE(shownWindows(), QList<int>{1});
    for (int n = 2; n <= Shell::windowCount; ++n)
        QVERIFY2(!shell().exists(n), qPrintable(QStringLiteral("Form%1 exists").arg(n)));
    QCOMPARE(window(1)->objectName(), QStringLiteral("Form1"));
    QCOMPARE(window(1)->windowTitle(), QStringLiteral("Главное окно"));
    QCOMPARE(window(1)->size(), QSize(794, 568));
}

void LifetimeTest::windowsAreCreatedOnFirstUseOnce()
{
    QVERIFY(!shell().exists(14));
    QWidget *first = window(14);
    QVERIFY(first);
    QVERIFY(shell().exists(14));
    QVERIFY(!first->isVisible());
    QCOMPARE(first->objectName(), QStringLiteral("Form14"));
    shell().move(1, 14);
    shell().move(14, 1);
    shell().move(1, 14);
    QCOMPARE(window(14), first);
    int named = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        named += w->objectName() == QStringLiteral("Form14");
    QCOMPARE(named, 1);
}

void LifetimeTest::numbersOutsideTheProgramHaveNoWindow_data()
{
    QTest::addColumn<int>("number");
    QTest::newRow("zero") << 0;
    QTest::newRow("negative") << -1;
    QTest::newRow("past the last") << 42;
}

void LifetimeTest::numbersOutsideTheProgramHaveNoWindow()
{
    QFETCH(int, number);
    QVERIFY(!window(number));
    QVERIFY(!shell().exists(number));
    shell().show(number);
    shell().popUp(number);
    QCOMPARE(shownWindows(), QList<int>{1});
}

void LifetimeTest::hiddenWindowKeepsItsState()
{
    shell().move(1, 5);
    type(5, QStringLiteral("Text2"), QStringLiteral("2"));
    click(5, QStringLiteral("Command1(0)"));
    QVERIFY(!isShown(5));
    shell().move(1, 5);
    QCOMPARE(text(5, QStringLiteral("Text2")), QStringLiteral("2"));
}

void LifetimeTest::menuIsTheSameWindowEachTime()
{
    click(1, QStringLiteral("Command2"));
    QWidget *menu = window(4);
    click(4, QStringLiteral("Command1"));
    click(1, QStringLiteral("Command2"));
    QCOMPARE(window(4), menu);
    QCOMPARE(shownWindows(), QList<int>{4});
}

void LifetimeTest::popUpTwiceIsOneWindowInFront()
{
    click(1, QStringLiteral("Command3"));
    QWidget *about = window(2);
    QApplication::setActiveWindow(window(1));
    click(1, QStringLiteral("Command3"));
    QCOMPARE(window(2), about);
    QCOMPARE(shownWindows(), (QList<int>{1, 2}));
    QTRY_COMPARE(QApplication::activeWindow(), about);
}

void LifetimeTest::popUpStaysWhenTheWindowBeneathMovesOn()
{
    click(1, QStringLiteral("Label1"));
    click(1, QStringLiteral("Command1"));
    QCOMPARE(shownWindows(), (QList<int>{3, 27}));
    click(27, QStringLiteral("Command1"));
    QCOMPARE(shownWindows(), QList<int>{3});
}

void LifetimeTest::exitWithPopUpsOpenLeavesNothing()
{
    click(1, QStringLiteral("Command3"));
    click(1, QStringLiteral("Label1"));
    click(1, QStringLiteral("Command4"));
    QVERIFY(shell().hasEnded());
    QVERIFY(shownWindows().isEmpty());
}

void LifetimeTest::closeButton_data()
{
    QTest::addColumn<int>("beneath");
    QTest::addColumn<int>("closed");
    QTest::addColumn<bool>("ends");

    QTest::newRow("main window") << 1 << 1 << true;
    QTest::newRow("exercise window") << 9 << 9 << true;
    QTest::newRow("grade menu with help open") << 3 << 3 << true;
    QTest::newRow("help window") << 1 << 27 << false;
    QTest::newRow("praise window") << 9 << 20 << false;
    QTest::newRow("About window") << 1 << 2 << false;
    QTest::newRow("resizable rule window") << 13 << 6 << false;
}

void LifetimeTest::closeButton()
{
    QFETCH(int, beneath);
    QFETCH(int, closed);
    QFETCH(bool, ends);

    if (beneath != 1)
        shell().move(1, beneath);
    shell().popUp(28);
    if (closed != beneath)
        shell().popUp(closed);
    window(closed)->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QCOMPARE(shell().hasEnded(), ends);
    if (ends) {
        QVERIFY(shownWindows().isEmpty());
    } else {
        QVERIFY(!shell().exists(closed));
        QCOMPARE(shownWindows(), (QList<int>{beneath, 28}));
    }
}

void LifetimeTest::closedPopUpComesBackNew()
{
    click(1, QStringLiteral("Command3"));
    window(2)->setProperty("touched", true);
    window(2)->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!shell().exists(2));
    click(1, QStringLiteral("Command3"));
    QVERIFY(isShown(2));
    QVERIFY(!window(2)->property("touched").isValid());
    click(2, QStringLiteral("Command1"));
    QCOMPARE(shownWindows(), QList<int>{1});
}

QTEST_MAIN(LifetimeTest)
#include "tst_lifetime.moc"
