#include "frame/button.h"
#include "frame/documentview.h"
#include "support/shelltest.h"

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QSvgRenderer>
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
    void controlCoversItsPlace_data();
    void controlCoversItsPlace();
    void repaintedControlLeavesWhatIsUnderItAlone_data();
    void repaintedControlLeavesWhatIsUnderItAlone();
    void focusRepaintsOnlyWhatItChanges_data();
    void focusRepaintsOnlyWhatItChanges();
    void pointerPassingOverButtonRepaintsNothing_data();
    void pointerPassingOverButtonRepaintsNothing();
    void buttonShowsWhatChanged_data();
    void buttonShowsWhatChanged();
    void clickedButtonComesUpWithWhatTheClickChanged_data();
    void clickedButtonComesUpWithWhatTheClickChanged();
    void pictureLooksLikeItsSource_data();
    void pictureLooksLikeItsSource();
    void pictureAtAnotherSizeIsDrawnToThatSize();
    void windowIconHasEverySize_data();
    void windowIconHasEverySize();

private:
    QWidget *shownControl();
};

namespace {

// Notes the name of every widget that receives a paint event.
class PaintCounter : public QObject {
public:
    QStringList painted;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted.append(watched->objectName());
        return false;
    }
};

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

// What a button may change between two paints.
enum class ButtonChange { Caption, FaceColour, CaptionColour, FontSize, Size, Disabled, Pressed };

// A button of the footers: "Проверить" on orange, 121 by 49 pixels.
void setUpFooterButton(Button &button)
{
    QPalette colours = button.palette();
    colours.setColor(QPalette::Button, QColor(255, 128, 0));
    button.setPalette(colours);
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPointSizeF(18);
    button.setFont(font);
    button.resize(121, 49);
}

void change(Button &button, ButtonChange what)
{
    QPalette colours = button.palette();
    QFont font = button.font();
    switch (what) {
    case ButtonChange::Caption:
        button.setText(QStringLiteral("Задание"));
        break;
    case ButtonChange::FaceColour:
        colours.setColor(QPalette::Button, QColor(0, 255, 0));
        button.setPalette(colours);
        break;
    case ButtonChange::CaptionColour:
        colours.setColor(QPalette::ButtonText, QColor(255, 0, 0));
        button.setPalette(colours);
        break;
    case ButtonChange::FontSize:
        font.setPointSizeF(12);
        button.setFont(font);
        break;
    case ButtonChange::Size:
        button.resize(161, 49);
        break;
    case ButtonChange::Disabled:
        button.setEnabled(false);
        break;
    case ButtonChange::Pressed:
        button.setDown(true);
        break;
    }
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
    QWidget *target = shownControl();
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
    target->window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(target->window()));
    target->setFocus(Qt::MouseFocusReason);
    QVERIFY(target->hasFocus());
    const auto byMouse = frameInk();
    target->window()->setAttribute(Qt::WA_KeyboardFocusChange);
    target->setFocus(Qt::TabFocusReason);
    const auto byKeyboard = frameInk();
    QVERIFY2(byKeyboard.first > byMouse.first + 20, qPrintable(QString::number(byKeyboard.first)));
    QVERIFY2(byKeyboard.second > byMouse.second + 20, qPrintable(QString::number(byKeyboard.second)));
}

// The control of the current row's "control" column, in the window of its
// "number" column, which is brought on screen from the main window.
QWidget *ControlsTest::shownControl()
{
    QFETCH(int, number);
    QFETCH(QString, control);
    if (number != 1)
        shell().move(1, number);
    return this->control(number, control);
}

void ControlsTest::controlCoversItsPlace_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("pressed");
    QTest::newRow("variant field") << 9 << "Text2" << false;
    QTest::newRow("answer box on yellow") << 21 << "Text1(0)" << false;
    QTest::newRow("comma box, no border") << 13 << "Text1" << false;
    QTest::newRow("button") << 1 << "Command1" << false;
    QTest::newRow("button pressed") << 1 << "Command1" << true;
    QTest::newRow("button disabled") << 14 << "Command4" << false;
}

// Boxes and buttons paint every pixel of their place, so that what lies under
// them is not painted first. Drawn on a sheet of a colour no control uses,
// none of the sheet shows.
void ControlsTest::controlCoversItsPlace()
{
    QFETCH(bool, pressed);
    QWidget *target = shownControl();
    if (auto *button = qobject_cast<QAbstractButton *>(target))
        button->setDown(pressed);
    const QColor sheet(1, 2, 3);
    QPixmap picture(target->size());
    picture.fill(sheet);
    target->render(&picture, QPoint(), QRegion(), QWidget::RenderFlags());
    const QImage image = picture.toImage();
    int uncovered = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            uncovered += image.pixelColor(x, y) == sheet;
    }
    QCOMPARE(uncovered, 0);
}

void ControlsTest::repaintedControlLeavesWhatIsUnderItAlone_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("control");
    QTest::newRow("variant field") << 9 << "Text2";
    QTest::newRow("answer box on yellow") << 21 << "Text1(0)";
    QTest::newRow("button") << 1 << "Command1";
    QTest::newRow("button over the loaded variant") << 21 << "Command4";
}

// A box or a button that paints itself anew is all that is painted: neither
// the window under it nor a control hidden behind it is painted first, as
// they would be if the style's polish had marked the control see-through.
void ControlsTest::repaintedControlLeavesWhatIsUnderItAlone()
{
    QWidget *target = shownControl();
    QVERIFY(QTest::qWaitForWindowExposed(target->window()));

    PaintCounter paints;
    qApp->installEventFilter(&paints);
    target->repaint();
    qApp->removeEventFilter(&paints);
    QCOMPARE(paints.painted, QStringList{target->objectName()});
}

void ControlsTest::focusRepaintsOnlyWhatItChanges_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("control");
    QTest::addColumn<Qt::FocusReason>("reason");
    QTest::addColumn<bool>("repainted");
    QTest::newRow("button, from the window") << 1 << "Command1" << Qt::ActiveWindowFocusReason << false;
    QTest::newRow("button, from the mouse") << 1 << "Command2" << Qt::MouseFocusReason << false;
    QTest::newRow("button, from Tab: focus frame") << 1 << "Command2" << Qt::TabFocusReason << true;
    QTest::newRow("Справка, from the mouse") << 21 << "Lbl19" << Qt::MouseFocusReason << false;
    QTest::newRow("Справка, from Tab: focus frame") << 21 << "Lbl19" << Qt::TabFocusReason << true;
    QTest::newRow("answer box: the cursor") << 21 << "Text1(0)" << Qt::MouseFocusReason << true;
}

// A control that gains the focus is painted again only when that changes its
// look: the focus frame from the keyboard, a box's cursor. Qt would paint every
// control that gains the focus, and a window's first focus would then wait for
// the screen to take the window's first paint.
void ControlsTest::focusRepaintsOnlyWhatItChanges()
{
    QFETCH(QString, control);
    QFETCH(Qt::FocusReason, reason);
    QFETCH(bool, repainted);
    QWidget *target = shownControl();
    QWidget *form = target->window();
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form));
    // The focus starts nowhere.
    if (QWidget *focused = QApplication::focusWidget())
        focused->clearFocus();
    form->setAttribute(Qt::WA_KeyboardFocusChange, reason == Qt::TabFocusReason);
    QCoreApplication::processEvents();

    PaintCounter paints;
    qApp->installEventFilter(&paints);
    target->setFocus(reason);
    QCoreApplication::processEvents();
    qApp->removeEventFilter(&paints);
    form->setAttribute(Qt::WA_KeyboardFocusChange, false);
    QVERIFY(target->hasFocus());
    QCOMPARE(paints.painted.contains(control), repainted);
}

void ControlsTest::pointerPassingOverButtonRepaintsNothing_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("control");
    QTest::newRow("main window button") << 1 << "Command1";
    QTest::newRow("Главное окно of a topic") << 21 << "Command1(0)";
}

// A button has no look of its own under the pointer, so the pointer coming
// onto it and leaving it paints nothing.
void ControlsTest::pointerPassingOverButtonRepaintsNothing()
{
    QWidget *target = shownControl();
    QWidget *form = target->window();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    QTest::mouseMove(form, QPoint(1, 1));
    QCoreApplication::processEvents();

    PaintCounter paints;
    qApp->installEventFilter(&paints);
    QTest::mouseMove(target, target->rect().center());
    QCoreApplication::processEvents();
    const bool cameOnto = target->underMouse();
    QTest::mouseMove(form, QPoint(1, 1));
    QCoreApplication::processEvents();
    qApp->removeEventFilter(&paints);
    QVERIFY(cameOnto);
    QVERIFY(!target->underMouse());
    QCOMPARE(paints.painted, QStringList());
}

void ControlsTest::buttonShowsWhatChanged_data()
{
    QTest::addColumn<ButtonChange>("change");
    QTest::newRow("caption") << ButtonChange::Caption;
    QTest::newRow("face colour") << ButtonChange::FaceColour;
    QTest::newRow("caption colour") << ButtonChange::CaptionColour;
    QTest::newRow("font size") << ButtonChange::FontSize;
    QTest::newRow("size") << ButtonChange::Size;
    QTest::newRow("disabled") << ButtonChange::Disabled;
    QTest::newRow("pressed") << ButtonChange::Pressed;
}

// A button painted once and then changed looks exactly like a button that
// was made in its new state: nothing of the old face is shown again.
void ControlsTest::buttonShowsWhatChanged()
{
    QFETCH(ButtonChange, change);
    Button changed(QStringLiteral("Проверить"));
    setUpFooterButton(changed);
    const QImage before = changed.grab().toImage();
    ::change(changed, change);
    const QImage after = changed.grab().toImage();

    Button fresh(QStringLiteral("Проверить"));
    setUpFooterButton(fresh);
    ::change(fresh, change);
    QCOMPARE(after, fresh.grab().toImage());
    QVERIFY(after != before);

    // And back: the first face again, as first drawn.
    if (change == ButtonChange::Pressed) {
        changed.setDown(false);
        QCOMPARE(changed.grab().toImage(), before);
    }
}

void ControlsTest::clickedButtonComesUpWithWhatTheClickChanged_data()
{
    QTest::addColumn<bool>("disables");
    QTest::addColumn<bool>("deletes");
    QTest::newRow("new caption") << false << false;
    QTest::newRow("new caption, disabled") << true << false;
    QTest::newRow("deleted by its own click") << false << true;
}

// A click paints the button up together with what the click changed: after
// the events, the button shows its new state and paints again as before.
void ControlsTest::clickedButtonComesUpWithWhatTheClickChanged()
{
    QFETCH(bool, disables);
    QFETCH(bool, deletes);
    QWidget window;
    window.resize(300, 100);
    auto *button = new Button(QStringLiteral("Проверить"), &window);
    setUpFooterButton(*button);
    QPointer<Button> alive(button);
    connect(button, &QAbstractButton::clicked, button, [button, disables, deletes] {
        if (deletes) {
            delete button;
            return;
        }
        button->setText(QStringLiteral("Задание"));
        button->setEnabled(!disables);
    });
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(button, Qt::LeftButton);
    QCoreApplication::processEvents();
    if (deletes) {
        QVERIFY(alive.isNull());
        return;
    }
    QVERIFY(button->updatesEnabled());
    QVERIFY(!button->isDown());

    Button fresh(QStringLiteral("Задание"));
    setUpFooterButton(fresh);
    fresh.setEnabled(!disables);
    QCOMPARE(button->grab().toImage().convertToFormat(QImage::Format_RGB32),
             fresh.grab().toImage().convertToFormat(QImage::Format_RGB32));
}

namespace {

// The largest difference, over the channels of all pixels, between what a
// picture view shows and the SVG drawn on the view's background; -1 when
// the SVG cannot be read.
int differenceFromSource(DocumentView &view, const QString &source)
{
    // In device pixels, at whatever scale the screen has.
    const QImage shown = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QImage drawn(shown.size(), QImage::Format_RGB32);
    drawn.fill(view.palette().color(view.backgroundRole()));
    QPainter painter(&drawn);
    painter.setRenderHint(QPainter::Antialiasing);
    QSvgRenderer svg(source);
    if (!svg.isValid())
        return -1;
    svg.render(&painter, QRectF(drawn.rect()));
    painter.end();
    int largest = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const QRgb a = shown.pixel(x, y);
            const QRgb b = drawn.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                std::abs(qBlue(a) - qBlue(b))});
        }
    }
    return largest;
}

} // namespace

void ControlsTest::pictureLooksLikeItsSource_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("view");
    QTest::addColumn<QString>("source");
    QTest::newRow("Form1 header") << 1 << "OLE1"
                                  << ":/pictures/header-main.svg";
    QTest::newRow("Form1 pupil") << 1 << "OLE2"
                                 << ":/pictures/pupil.svg";
    QTest::newRow("Form3 header") << 3 << "OLE1"
                                  << ":/pictures/header-grade7.svg";
    QTest::newRow("Form4 header") << 4 << "OLE1"
                                  << ":/pictures/header-grade8.svg";
    QTest::newRow("Form9 header") << 9 << "OLE1"
                                  << ":/pictures/header-agreement.svg";
    QTest::newRow("Form10 header") << 10 << "OLE1"
                                   << ":/pictures/header-government.svg";
    QTest::newRow("Form11 header") << 11 << "OLE1"
                                   << ":/pictures/header-adjacency.svg";
    QTest::newRow("Form14 header") << 14 << "OLE1"
                                   << ":/pictures/header-predicate.svg";
    QTest::newRow("Form20 title") << 20 << "OLE1"
                                  << ":/pictures/praise-title.svg";
    QTest::newRow("Form20 subtitle") << 20 << "OLE2"
                                     << ":/pictures/praise-subtitle.svg";
}

// A picture view shows its picture as the SVG draws it on the view's
// background, whether it shows the pixels prepared at build time or draws the
// SVG itself: no channel of any pixel is more than 3 of 255 off.
void ControlsTest::pictureLooksLikeItsSource()
{
    QFETCH(int, number);
    QFETCH(QString, view);
    QFETCH(QString, source);
    auto *pictureView = qobject_cast<DocumentView *>(control(number, view));
    QVERIFY(pictureView);
    QCOMPARE(pictureView->source(), source);

    const int largest = differenceFromSource(*pictureView, source);
    QVERIFY2(largest >= 0 && largest <= 3, qPrintable(QString::number(largest)));
}

// A view of another size than the picture's own draws the SVG to that size,
// whether it is first shown at it or resized to it.
void ControlsTest::pictureAtAnotherSizeIsDrawnToThatSize()
{
    const QString source = QStringLiteral(":/pictures/pupil.svg");
    DocumentView view(nullptr);
    view.setPicture(source);
    view.resize(300, 120);
    QCOMPARE(differenceFromSource(view, source), 0);
    view.setPicture(source);
    view.resize(236, 190);
    QVERIFY(differenceFromSource(view, source) <= 3);
    view.resize(118, 95);
    QCOMPARE(differenceFromSource(view, source), 0);
}

void ControlsTest::windowIconHasEverySize_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("sameIconAs"); // 0: none of the windows before
    QTest::addColumn<QList<int>>("differentFrom");
    QTest::newRow("Form1, main") << 1 << 0 << QList<int>{};
    QTest::newRow("Form3, menu") << 3 << 0 << QList<int>{1};
    QTest::newRow("Form4, menu") << 4 << 3 << QList<int>{1};
    QTest::newRow("Form9, exercise") << 9 << 0 << QList<int>{1, 3};
    QTest::newRow("Form21, exercise") << 21 << 9 << QList<int>{1, 3};
    QTest::newRow("Form2, information") << 2 << 0 << QList<int>{1, 3, 9};
    QTest::newRow("Form6, information") << 6 << 2 << QList<int>{1, 3, 9};
}

// A window's icon has a picture for each size title bars and task switchers
// ask for, none of them blank; windows of one kind share an icon, and the
// kinds have icons of their own.
void ControlsTest::windowIconHasEverySize()
{
    QFETCH(int, number);
    QFETCH(int, sameIconAs);
    QFETCH(QList<int>, differentFrom);
    const QIcon icon = window(number)->windowIcon();
    QCOMPARE(icon.availableSizes(), (QList<QSize>{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}}));
    for (const QSize &size : icon.availableSizes()) {
        const QImage picture = icon.pixmap(size).toImage();
        int opaque = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x)
                opaque += qAlpha(picture.pixel(x, y)) == 255;
        }
        QVERIFY2(opaque > size.width() * size.height() / 4, qPrintable(QString::number(opaque)));
    }
    const auto picture = [](const QIcon &of) { return of.pixmap(QSize(32, 32)).toImage(); };
    if (sameIconAs != 0)
        QCOMPARE(picture(icon), picture(window(sameIconAs)->windowIcon()));
    for (int other : differentFrom)
        QVERIFY(picture(icon) != picture(window(other)->windowIcon()));
}

QTEST_MAIN(ControlsTest)
#include "tst_controls.moc"
