#include "frame/documentview.h"
#include "support/shelltest.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QWidget>

using namespace parta;

namespace {

// Everything an information window shows, to compare before and after.
QStringList contentOf(QWidget *window)
{
    QStringList content;
    for (const QLabel *label : window->findChildren<QLabel *>())
        content << label->objectName() + QStringLiteral(": ") + label->text();
    for (const DocumentView *view : window->findChildren<DocumentView *>())
        content << view->objectName() + QStringLiteral(": ") + view->source() + view->text();
    return content;
}

} // namespace

class InformationTest : public test::ShellTest {
    Q_OBJECT
private Q_SLOTS:
    void openers_data();
    void openers();
    void aboutCentresItselfOnce();
    void popUpStaysOverTheNextWindow();
    void praiseComesBackToTheFront();
    void textsFitTheirArea_data();
    void textsFitTheirArea();
};

void InformationTest::openers_data()
{
    QTest::addColumn<int>("opener");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("popUp");

    auto row = [](int opener, const char *control, int popUp) {
        QTest::addRow("Form%d %s opens Form%d", opener, control, popUp)
            << opener << QString::fromUtf8(control) << popUp;
    };
    row(1, "Command3", 2);
    row(1, "Label1", 27);
    row(3, "Label2", 28);
    row(4, "Label2", 29);
    row(5, "Label2(0)", 30);
    row(5, "Label2(1)", 30);
    row(9, "Label13", 31);
    row(10, "Label13", 33);
    row(11, "Label13", 34);
    row(7, "Label13", 32);
    row(8, "Label13", 32);
    row(13, "Label13", 35);
    row(14, "Label17", 36);
    row(16, "Lbl19", 37);
    row(18, "Lbl19", 38);
    row(21, "Lbl19", 39);
    row(23, "Lbl19", 40);
    row(25, "Lbl19", 41);
    row(26, "Lbl19", 41);
    for (int w = 9; w <= 11; ++w)
        row(w, "Command5", 12);
    row(13, "Command5", 6);
    row(14, "Command5", 15);
    row(16, "Command5", 17);
    row(18, "Command5", 19);
    row(21, "Command5", 22);
    row(23, "Command5", 24);
}

void InformationTest::openers()
{
    QFETCH(int, opener);
    QFETCH(QString, control);
    QFETCH(int, popUp);

    if (opener != 1)
        shell().move(1, opener);
    const QList<int> both = opener < popUp ? QList<int>{opener, popUp} : QList<int>{popUp, opener};
    click(opener, control);
    QCOMPARE(shownWindows(), both);
    QWidget *first = window(popUp);
    const QStringList content = contentOf(first);
    QVERIFY(content.size() >= 1);

    QApplication::setActiveWindow(window(opener));
    click(opener, control);
    QCOMPARE(window(popUp), first);
    QCOMPARE(shownWindows(), both);
    QTRY_COMPARE(QApplication::activeWindow(), first);

    click(popUp, QStringLiteral("Command1"));
    QCOMPARE(shownWindows(), QList<int>{opener});
    click(opener, control);
    QCOMPARE(window(popUp), first);
    QCOMPARE(contentOf(first), content);
}

void InformationTest::aboutCentresItselfOnce()
{
    click(1, QStringLiteral("Command3"));
    QWidget *about = window(2);
    const QRect screen = about->screen()->geometry();
    const QRect outer = about->frameGeometry();
    QCOMPARE(outer.left(), screen.left() + (screen.width() - outer.width()) / 2);
    QCOMPARE(outer.top(), screen.top() + (screen.height() - outer.height()) / 2);

    about->move(20, 30);
    const QPoint moved = about->pos();
    click(2, QStringLiteral("Command1"));
    click(1, QStringLiteral("Command3"));
    QCOMPARE(about->pos(), moved);
}

void InformationTest::popUpStaysOverTheNextWindow()
{
    shell().move(1, 9);
    click(9, QStringLiteral("Command5"));
    click(9, QStringLiteral("Command1(0)"));
    QCOMPARE(shownWindows(), (QList<int>{1, 12}));
    click(12, QStringLiteral("Command1"));
    QCOMPARE(shownWindows(), QList<int>{1});
}

void InformationTest::praiseComesBackToTheFront()
{
    shell().popUp(20);
    QApplication::setActiveWindow(window(1));
    shell().popUp(20);
    QTRY_COMPARE(QApplication::activeWindow(), window(20));
    QCOMPARE(window(20)->focusWidget(), control(20, QStringLiteral("Command1")));
}

void InformationTest::textsFitTheirArea_data()
{
    QTest::addColumn<int>("number");
    for (int n = 1; n <= Shell::windowCount; ++n) {
        if (Shell::isPopUpWindow(n))
            QTest::addRow("Form%d", n) << n;
    }
}

void InformationTest::textsFitTheirArea()
{
    QFETCH(int, number);
    QWidget *w = window(number);
    w->show();
    bool hasContent = false;
    for (const QLabel *label : w->findChildren<QLabel *>()) {
        // The last line may reach into the border: only its blank leading lies there.
        const QRect area = label->contentsRect();
        const QRect needed =
            label->fontMetrics().boundingRect(area, Qt::TextWordWrap | label->alignment(), label->text());
        QVERIFY2(needed.height() <= label->height(),
                 qPrintable(label->objectName() +
                            QStringLiteral(" needs %1 px, has %2").arg(needed.height()).arg(area.height())));
        QVERIFY(!label->text().trimmed().isEmpty());
        if (number >= 27) // help texts open with an indent
            QVERIFY(label->text().startsWith(QStringLiteral("   ")));
        hasContent = true;
    }
    for (const DocumentView *view : w->findChildren<DocumentView *>()) {
        QVERIFY2(view->hasContent(), qPrintable(view->objectName()));
        QVERIFY2(view->documentSize().height() <= view->height(),
                 qPrintable(view->objectName() + QStringLiteral(" needs %1 px, has %2")
                                                     .arg(view->documentSize().height())
                                                     .arg(view->height())));
        hasContent = true;
    }
    QVERIFY(hasContent);
}

QTEST_MAIN(InformationTest)
#include "tst_information.moc"
