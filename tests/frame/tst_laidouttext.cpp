#include "frame/label.h"
#include "frame/laidouttext.h"

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QTest>

using namespace parta;

// Captions laid out once draw exactly the pixels that QPainter::drawText draws
// for the same text, font, rectangle and alignment with word wrap.
class LaidOutTextTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void drawsWhatDrawTextDraws_data();
    void drawsWhatDrawTextDraws();
    void laysOutAgainWhenSomethingChanged_data();
    void laysOutAgainWhenSomethingChanged();
    void followsTheResolutionOfTheDevice();
    void labelDrawsWhatQLabelDraws_data();
    void labelDrawsWhatQLabelDraws();
};

namespace {

QFont serif(qreal points, bool bold = false)
{
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QImage sheet()
{
    QImage image(200, 80, QImage::Format_RGB32);
    image.fill(QColor(255, 128, 0));
    return image;
}

QImage withDrawText(const QRect &rect, Qt::Alignment alignment, const QString &text, const QFont &font)
{
    QImage image = sheet();
    QPainter painter(&image);
    painter.setFont(font);
    painter.drawText(rect, int(alignment) | Qt::TextWordWrap, text);
    return image;
}

} // namespace

void LaidOutTextTest::drawsWhatDrawTextDraws_data()
{
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QFont>("font");
    const QRect button(3, 0, 115, 49);
    QTest::newRow("one line, centred") << button << int(Qt::AlignCenter) << "Проверить" << serif(18);
    QTest::newRow("two lines, centred")
        << button << int(Qt::AlignCenter) << "Следующее задание" << serif(15.75, true);
    QTest::newRow("too tall, clipped")
        << QRect(3, 0, 60, 30) << int(Qt::AlignCenter) << "Главное окно программы" << serif(18);
    QTest::newRow("top left") << button << int(Qt::AlignLeft | Qt::AlignTop) << "Выход" << serif(12);
    QTest::newRow("bottom right") << button << int(Qt::AlignRight | Qt::AlignBottom) << "Выход" << serif(12);
    QTest::newRow("line break") << button << int(Qt::AlignCenter) << "7\nкласс" << serif(14.25);
    QTest::newRow("ampersand kept") << button << int(Qt::AlignCenter) << "О & программе" << serif(12);
    QTest::newRow("empty") << button << int(Qt::AlignCenter) << "" << serif(12);
}

void LaidOutTextTest::drawsWhatDrawTextDraws()
{
    QFETCH(QRect, rect);
    QFETCH(int, alignment);
    QFETCH(QString, text);
    QFETCH(QFont, font);
    QImage image = sheet();
    QPainter painter(&image);
    LaidOutText laidOut;
    // Drawn twice, each time on a fresh sheet: the first draw lays the text
    // out, the second draws from the kept layout.
    laidOut.draw(painter, rect, Qt::Alignment(alignment), text, font);
    painter.end();
    const QImage expected = withDrawText(rect, Qt::Alignment(alignment), text, font);
    QCOMPARE(image, expected);

    image = sheet();
    painter.begin(&image);
    laidOut.draw(painter, rect, Qt::Alignment(alignment), text, font);
    painter.end();
    QCOMPARE(image, expected);
}

void LaidOutTextTest::laysOutAgainWhenSomethingChanged_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QFont>("font");
    QTest::addColumn<QRect>("rect");
    QTest::newRow("text") << "Задание" << serif(18) << QRect(3, 0, 115, 49);
    QTest::newRow("font") << "Проверить" << serif(12) << QRect(3, 0, 115, 49);
    QTest::newRow("width") << "Проверить" << serif(18) << QRect(3, 0, 60, 49);
    QTest::newRow("height") << "Проверить" << serif(18) << QRect(3, 0, 115, 20);
}

// After drawing "Проверить" in one font and rectangle, a draw with something
// changed shows the new caption, not the kept layout.
void LaidOutTextTest::laysOutAgainWhenSomethingChanged()
{
    QFETCH(QString, text);
    QFETCH(QFont, font);
    QFETCH(QRect, rect);
    LaidOutText laidOut;
    QImage first = sheet();
    QPainter painter(&first);
    laidOut.draw(painter, QRect(3, 0, 115, 49), Qt::AlignCenter, QStringLiteral("Проверить"), serif(18));
    painter.end();

    QImage image = sheet();
    painter.begin(&image);
    laidOut.draw(painter, rect, Qt::AlignCenter, text, font);
    painter.end();
    QCOMPARE(image, withDrawText(rect, Qt::AlignCenter, text, font));
}

// Drawn on a device of another resolution, as a window on a second screen
// is, a caption is sized for that device, as drawText sizes it, also after it
// was drawn at the first resolution.
void LaidOutTextTest::followsTheResolutionOfTheDevice()
{
    const QRect rect(3, 0, 115, 49);
    const QFont font = serif(12);
    const QString text = QStringLiteral("Проверить");
    LaidOutText laidOut;
    QImage first = sheet();
    QPainter painter(&first);
    laidOut.draw(painter, rect, Qt::AlignCenter, text, font);
    painter.end();

    const auto sharper = [] {
        QImage image = sheet();
        image.setDotsPerMeterX(5669); // 144 dots an inch
        image.setDotsPerMeterY(5669);
        return image;
    };
    QImage image = sharper();
    painter.begin(&image);
    laidOut.draw(painter, rect, Qt::AlignCenter, text, font);
    painter.end();
    QImage expected = sharper();
    painter.begin(&expected);
    painter.setFont(font);
    painter.drawText(rect, Qt::AlignCenter | Qt::TextWordWrap, text);
    painter.end();
    QCOMPARE(image, expected);
    QVERIFY(image != first);
}

namespace {

// What a label of the windows may be.
struct LabelLook {
    const char *caption = "";
    Qt::Alignment alignment = Qt::AlignLeft;
    bool border = false;
    QColor background; // invalid: none
    bool focusable = false;
    bool changedAfterFirstPaint = false; // caption, font and size set after a first paint
};

void setUp(QLabel &label, const LabelLook &look)
{
    label.setWordWrap(true);
    label.setMargin(0);
    label.setIndent(0);
    label.setTextFormat(Qt::PlainText);
    label.setAlignment(look.alignment | Qt::AlignTop);
    if (look.border) {
        label.setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label.setLineWidth(1);
    }
    QPalette colours = label.palette();
    colours.setColor(QPalette::WindowText, QColor(0, 0, 128));
    if (look.background.isValid()) {
        label.setAutoFillBackground(true);
        colours.setColor(QPalette::Window, look.background);
    }
    label.setPalette(colours);
    label.setFont(serif(14.25));
    label.resize(160, 60);
    label.setText(QString::fromUtf8(look.caption));
}

} // namespace

Q_DECLARE_METATYPE(LabelLook)

void LaidOutTextTest::labelDrawsWhatQLabelDraws_data()
{
    QTest::addColumn<LabelLook>("look");
    QTest::newRow("one line") << LabelLook{.caption = "Справка"};
    QTest::newRow("wrapped, centred")
        << LabelLook{.caption = "Обучающая программа по русскому языку", .alignment = Qt::AlignHCenter};
    QTest::newRow("right") << LabelLook{.caption = "Ошибки:", .alignment = Qt::AlignRight};
    QTest::newRow("border and background")
        << LabelLook{.caption = "красивый дом", .border = true, .background = QColor(255, 255, 0)};
    QTest::newRow("focusable item") << LabelLook{.caption = "читать книгу", .focusable = true};
    QTest::newRow("changed after a first paint")
        << LabelLook{.caption = "Задание:", .alignment = Qt::AlignHCenter, .changedAfterFirstPaint = true};
}

// A label of the windows draws the pixels a QLabel that takes no focus draws,
// also when it takes the focus (QLabel would then draw through a text
// document) and after its caption, font or size changed.
void LaidOutTextTest::labelDrawsWhatQLabelDraws()
{
    QFETCH(LabelLook, look);
    Label label(QString{});
    setUp(label, look);
    if (look.focusable)
        label.setFocusPolicy(Qt::TabFocus);
    if (look.changedAfterFirstPaint) {
        label.setText(QStringLiteral("Ответ"));
        (void)label.grab();
        label.setText(QString::fromUtf8(look.caption));
        label.setFont(serif(14.25));
        label.resize(160, 60);
    }
    QLabel plain;
    setUp(plain, look);
    QCOMPARE(label.grab().toImage(), plain.grab().toImage());
}

QTEST_MAIN(LaidOutTextTest)
#include "tst_laidouttext.moc"
