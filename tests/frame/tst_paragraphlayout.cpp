#include "core/fonts.h"
#include "frame/paragraphlayout.h"

#include <QFontMetricsF>
#include <QTest>

using namespace parta;

// A paragraph laid out on its own, without a window: where lines break and
// where characters lie, whatever the font's widths are.
class ParagraphLayoutTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void linesBreakAtTheLastWordThatFits_data();
    void linesBreakAtTheLastWordThatFits();
    void indentAndSpacing();
    void blanksEndingALineHangPastTheWidth();
    void inkOfEveryLetter();
};

namespace {

const QString sentences = QStringLiteral(
    "Ветер дувший с моря все время усиливался. Мыс   возвышавшийся над поверхностью озера   был "
    "похож на утюг. Остров озаренный солнцем пышно и ярко сиял над холодной и неприветливой водой.");

QFont serif()
{
    return makeFont({Face::TimesNewRoman, 16});
}

QString withoutTrailingBlanks(QString text)
{
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return text;
}

} // namespace

void ParagraphLayoutTest::linesBreakAtTheLastWordThatFits_data()
{
    QTest::addColumn<qreal>("width");
    QTest::addColumn<qreal>("indent");
    QTest::newRow("narrow") << qreal(180) << qreal(0);
    QTest::newRow("wide, indented") << qreal(500) << qreal(24);
    QTest::newRow("indented deeper than a word") << qreal(300) << qreal(120);
}

// Every line fits the width (its first one what the indent leaves), and the
// next line's first word would not have fitted after it.
void ParagraphLayoutTest::linesBreakAtTheLastWordThatFits()
{
    QFETCH(qreal, width);
    QFETCH(qreal, indent);
    const ParagraphLayout paragraph(sentences, {serif(), width, indent, 0});
    QVERIFY(paragraph.lineCount() > 2);
    const QFontMetricsF metrics(serif());
    qsizetype start = 0;
    QString joined;
    for (int line = 0; line < paragraph.lineCount(); ++line) {
        const QString text = paragraph.lineText(line);
        joined += text;
        const QString words = withoutTrailingBlanks(text);
        const QRectF ink = paragraph.textRect(static_cast<int>(start), static_cast<int>(words.size()));
        QVERIFY2(ink.right() <= width + 0.01, qPrintable(words));
        if (line + 1 < paragraph.lineCount()) {
            const QString nextWord = paragraph.lineText(line + 1).section(QLatin1Char(' '), 0, 0);
            const qreal blanks = metrics.horizontalAdvance(text.mid(words.size()));
            QVERIFY2(ink.right() + blanks + metrics.horizontalAdvance(nextWord) > width,
                     qPrintable(nextWord));
        }
        start += text.size();
    }
    QCOMPARE(joined, sentences);
}

void ParagraphLayoutTest::indentAndSpacing()
{
    const ParagraphLayout natural(sentences, {serif(), 300, 40, 0});
    const ParagraphLayout spaced(sentences, {serif(), 300, 40, 30.5});
    QCOMPARE(natural.textRect(0, 1).left(), qreal(40));
    const int secondLine = static_cast<int>(natural.lineText(0).size());
    QCOMPARE(natural.textRect(secondLine, 1).left(), qreal(0));
    const QFontMetricsF metrics(serif());
    QCOMPARE(natural.baseline(0), metrics.ascent());
    QCOMPARE(natural.baseline(1) - natural.baseline(0), natural.textRect(0, 1).height());
    for (int line = 1; line < spaced.lineCount(); ++line)
        QCOMPARE(spaced.baseline(line) - spaced.baseline(line - 1), qreal(30.5));
    const QRectF lastLetter = spaced.textRect(static_cast<int>(sentences.size() - 1), 1);
    QCOMPARE(spaced.size().height(), lastLetter.bottom());
}

// Three blanks at the end of a line stand one after another from the end of
// its last word, each a space wide, even where they reach past the width.
void ParagraphLayoutTest::blanksEndingALineHangPastTheWidth()
{
    const QString text = QStringLiteral("Мыс   возвышавшийся");
    const QFontMetricsF metrics(serif());
    const qreal width = metrics.horizontalAdvance(QStringLiteral("Мыс")) + 1;
    const ParagraphLayout paragraph(text, {serif(), width, 0, 0});
    QCOMPARE(paragraph.lineCount(), 2);
    QCOMPARE(paragraph.lineText(0), QStringLiteral("Мыс   "));
    const qreal wordEnd = paragraph.textRect(0, 3).right();
    for (int blank = 0; blank < 3; ++blank) {
        const QRectF rect = paragraph.textRect(3 + blank, 1);
        QCOMPARE(rect.left(), wordEnd + blank * metrics.horizontalAdvance(QLatin1Char(' ')));
        QCOMPARE(rect.width(), metrics.horizontalAdvance(QLatin1Char(' ')));
    }
    QVERIFY(paragraph.textRect(5, 1).right() > width);
    // A stretch that wraps is cut at the end of its first line.
    QCOMPARE(paragraph.textRect(0, 10).right(), paragraph.textRect(5, 1).right());
}

// A rectangle of ink for every letter and full stop, none for a blank.
void ParagraphLayoutTest::inkOfEveryLetter()
{
    const ParagraphLayout paragraph(sentences, {serif(), 300, 24, 0});
    const qsizetype letters = sentences.size() - sentences.count(QLatin1Char(' '));
    QCOMPARE(static_cast<qsizetype>(paragraph.inkRects().size()), letters);
    const QRectF all(QPointF(0, 0), paragraph.size());
    for (const QRectF &ink : paragraph.inkRects())
        QVERIFY(all.adjusted(-1, -1, 1, 1).contains(ink));
}

QTEST_MAIN(ParagraphLayoutTest)
#include "tst_paragraphlayout.moc"
