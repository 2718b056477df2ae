#include "frame/laidouttext.h"

#include <QImage>
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

QTEST_MAIN(LaidOutTextTest)
#include "tst_laidouttext.moc"
