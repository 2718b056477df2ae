#include "support/shelltest.h"

#include <QImage>
#include <QTest>
#include <QWidget>

#include <algorithm>

using namespace parta;

// What the pupil sees of the controls: button faces in the colours of the
// window tables, and a disabled "Проверить" that looks disabled.
class ControlsTest : public test::ShellTest {
    Q_OBJECT
private Q_SLOTS:
    void buttonFaceIsTheTableColour_data();
    void buttonFaceIsTheTableColour();
    void disabledCaptionIsGrey_data();
    void disabledCaptionIsGrey();
    void textBoxEdge_data();
    void textBoxEdge();
    void keyboardFocusFrameShowsOnEveryFace_data();
    void keyboardFocusFrameShowsOnEveryFace();
};

namespace {

// The colour a little inside the left edge of a control, halfway down.
QColor faceOf(QWidget *control)
{
    const QImage picture = control->grab().toImage();
    return picture.pixelColor(6, picture.height() / 2);
}

// The darkest pixel of a control's picture: its caption's ink.
int darkestInk(QWidget *control)
{
    const QImage picture = control->grab().toImage();
    int darkest = 255;
    for (int y = 4; y < picture.height() - 4; ++y) {
        for (int x = 4; x < picture.width() - 4; ++x)
            darkest = std::min(darkest, qGray(picture.pixel(x, y)));
    }
    return darkest;
}

} // namespace

void ControlsTest::buttonFaceIsTheTableColour_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QColor>("face");

    QTest::newRow("Form1 7 класс") << 1 << "Command1" << QColor(255, 0, 255);
    QTest::newRow("Form1 Выход") << 1 << "Command4" << QColor(128, 128, 255);
    QTest::newRow("Form3 topic") << 3 << "Command2" << QColor(0, 255, 255);
    QTest::newRow("Form4 topic") << 4 << "Command2" << QColor(0, 255, 0);
    QTest::newRow("Form9 Проверить") << 9 << "Command4" << QColor(255, 128, 0);
    QTest::newRow("Form14 Проверить, disabled") << 14 << "Command4" << QColor(255, 128, 0);
    QTest::newRow("Form21 Главное окно") << 21 << "Command1(0)" << QColor(192, 192, 255);
    QTest::newRow("Form12 ОК") << 12 << "Command1" << QColor(255, 0, 255);
}

void ControlsTest::buttonFaceIsTheTableColour()
{
    QFETCH(int, number);
    QFETCH(QString, button);
    QFETCH(QColor, face);
    if (Shell::isPopUpWindow(number))
        shell().popUp(number);
    else if (number != 1)
        shell().move(1, number);
    QCOMPARE(faceOf(control(number, button)), face);
}

void ControlsTest::disabledCaptionIsGrey_data()
{
    QTest::addColumn<int>("number");
    QTest::newRow("Form9") << 9;
    QTest::newRow("Form14") << 14;
}

void ControlsTest::disabledCaptionIsGrey()
{
    QFETCH(int, number);
    shell().move(1, number);
    QWidget *check = control(number, QStringLiteral("Command4"));
    check->setEnabled(true);
    const int enabledInk = darkestInk(check);
    check->setEnabled(false);
    const int disabledInk = darkestInk(check);
    QVERIFY2(enabledInk < 60, qPrintable(QString::number(enabledInk)));
    QVERIFY2(disabledInk > enabledInk + 60,
             qPrintable(QStringLiteral("%1 vs %2").arg(disabledInk).arg(enabledInk)));
}

void ControlsTest::textBoxEdge_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("bordered");
    QTest::newRow("variant field") << 9 << "Text2" << true;
    QTest::newRow("answer box on yellow") << 21 << "Text1(0)" << true;
    QTest::newRow("comma box, no border") << 13 << "Text1" << false;
}

// A bordered box shows the classic sunken edge: grey above and left, white
// below and right, whatever its own colour.
void ControlsTest::textBoxEdge()
{
    QFETCH(int, number);
    QFETCH(QString, box);
    QFETCH(bool, bordered);
    shell().move(1, number);
    QWidget *target = control(number, box);
    const QImage picture = target->grab().toImage();
    const int middle = picture.height() / 2;
    const QColor left = picture.pixelColor(0, middle);
    const QColor right = picture.pixelColor(picture.width() - 1, middle);
    if (bordered) {
        QCOMPARE(left, QColor(160, 160, 160));
        QCOMPARE(right, QColor(255, 255, 255));
    } else {
        QCOMPARE(left, background(target));
        QCOMPARE(right, background(target));
    }
}

void ControlsTest::keyboardFocusFrameShowsOnEveryFace_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("control");
    QTest::newRow("white-ish face") << 1 << "Command3";
    QTest::newRow("magenta face") << 1 << "Command1";
    QTest::newRow("dark grey-blue face") << 1 << "Command4";
    QTest::newRow("Справка on the window colour") << 1 << "Label1";
    QTest::newRow("yellow face") << 4 << "Command1";
}

// Black dashes on white, so that some of it stands out on any colour; and
// only when the focus came from the keyboard.
void ControlsTest::keyboardFocusFrameShowsOnEveryFace()
{
    QFETCH(int, number);
    QFETCH(QString, control);
    if (number != 1)
        shell().move(1, number);
    QWidget *target = this->control(number, control);
    const auto frameInk = [target] {
        const QImage picture = target->grab().toImage();
        int black = 0;
        int white = 0;
        for (int x = 0; x < picture.width(); ++x) {
            for (int y : {1, 2, 3, 4, 5, picture.height() - 6, picture.height() - 5, picture.height() - 4,
                          picture.height() - 3, picture.height() - 2}) {
                const QColor c = picture.pixelColor(x, y);
                black += c == QColor(0, 0, 0);
                white += c == QColor(255, 255, 255);
            }
        }
        return std::pair{black, white};
    };
    window(number)->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window(number)));
    target->setFocus(Qt::MouseFocusReason);
    QVERIFY(target->hasFocus());
    const auto byMouse = frameInk();
    window(number)->setAttribute(Qt::WA_KeyboardFocusChange);
    target->setFocus(Qt::TabFocusReason);
    const auto byKeyboard = frameInk();
    QVERIFY2(byKeyboard.first > byMouse.first + 20, qPrintable(QString::number(byKeyboard.first)));
    QVERIFY2(byKeyboard.second > byMouse.second + 20, qPrintable(QString::number(byKeyboard.second)));
}

QTEST_MAIN(ControlsTest)
#include "tst_controls.moc"
