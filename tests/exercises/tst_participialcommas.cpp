#include "frame/documentview.h"
#include "frame/paragraphlayout.h"
#include "frame/textbox.h"
#include "support/shelltest.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QMap>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <cmath>

using namespace parta;

namespace {

// The answer sheet: the boxes by number, and the ten where a comma belongs.
const QStringList allBoxes =
    test::names({"Text1",  "Text3",  "Text4",  "Text5",  "Text6",  "Text7",  "Text8",  "Text9",  "Text10",
                 "Text11", "Text12", "Text13", "Text14", "Text15", "Text16", "Text17", "Text18", "Text19",
                 "Text20", "Text21", "Text22", "Text23", "Text24", "Text25", "Text26", "Text27", "Text28"});
const QStringList commaPlaces = test::names(
    {"Text5", "Text7", "Text9", "Text10", "Text12", "Text17", "Text18", "Text24", "Text27", "Text28"});

const QColor cyan(0, 255, 255);
const QColor green(0, 255, 0);
const QColor red(255, 0, 0);

// What the pupil leaves in the boxes: box name to text; boxes not named stay empty.
using Answers = QMap<QString, QString>;

Answers commasIn(const QStringList &boxes)
{
    Answers answers;
    for (const QString &box : boxes)
        answers[box] = QStringLiteral(",");
    return answers;
}

Answers with(Answers answers, const QString &box, const QString &text)
{
    answers[box] = text;
    return answers;
}

QStringList except(const QStringList &list, const QStringList &left)
{
    QStringList rest;
    for (const QString &item : list) {
        if (!left.contains(item))
            rest.append(item);
    }
    return rest;
}

// How many twips a pixel is.
constexpr qreal twips = 15;

} // namespace

class ParticipialCommasTest : public test::ShellTest {
    Q_OBJECT
private Q_SLOTS:
    void lineBreaks_data();
    void lineBreaks();
    void boxOverItsGap_data();
    void boxOverItsGap();
    void documentDrawsItsLayout();
    void boxLook();
    void checkOutcomes_data();
    void checkOutcomes();
    void typingAfterTheCheckChangesNoColour();
    void oneCharacterPerBox_data();
    void oneCharacterPerBox();
    void clearedAfter_data();
    void clearedAfter();
    void focusOrder();

private:
    DocumentView *document()
    {
        shell().move(1, 13);
        return qobject_cast<DocumentView *>(control(13, QStringLiteral("OLE2")));
    }
    void answer(const Answers &answers)
    {
        for (auto it = answers.begin(); it != answers.end(); ++it)
            type(13, it.key(), it.value());
    }
};

void ParticipialCommasTest::lineBreaks_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("text"); // without the blanks it ends in
    QTest::addColumn<int>("baseline"); // twips from the top of the document
    QTest::newRow("1") << 1 << "1. Засеянные   пшеницей   поля   дали дружные всходы. 2. Вокруг   дуба"
                       << 288;
    QTest::newRow("2") << 2 << "толпились ребята   сбежавшиеся с соседних дворов. 3. Искры   ярко   пылающие"
                       << 658;
    QTest::newRow("3") << 3 << "были похожи на звезды. 4. Никита на цыпочках вышел в коридор и увидел"
                       << 1022;
    QTest::newRow("4") << 4 << "важно   идущую   девочку   в белом платье. 5. Ветер   дувший   с   моря   все"
                       << 1392;
    QTest::newRow("5") << 5 << "время   усиливался. 6. Сорванная с деревьев   листва   закружилась в вихре и"
                       << 1762;
    QTest::newRow("6") << 6 << "стала подниматься кверху. 7. Мыс   возвышавшийся над поверхностью озера"
                       << 2126;
    QTest::newRow("7") << 7 << "был похож на утюг. 8. Лиля была одета в белое платье с голубой шелковой"
                       << 2496;
    QTest::newRow("8") << 8 << "лентой   завязанной сзади в большой бант. 9. Ярко пылающие   искры   были"
                       << 2866;
    QTest::newRow("9") << 9 << "похожи на большие звезды. 10. Остров   озаренный солнцем   пышно и ярко"
                       << 3230;
    QTest::newRow("10") << 10 << "сиял над холодной и неприветливой водой." << 3600;
}

// The document breaks into the ten lines of the exercise's line table, whatever
// width it takes to get there with our font; a font that sets the text wider or
// narrower moves a break and fails here.
void ParticipialCommasTest::lineBreaks()
{
    QFETCH(int, line);
    QFETCH(QString, text);
    QFETCH(int, baseline);
    const ParagraphLayout *paragraph = document()->paragraph();
    QVERIFY(paragraph);
    QCOMPARE(paragraph->lineCount(), 10);
    QString shown = paragraph->lineText(line - 1);
    while (shown.endsWith(QLatin1Char(' ')))
        shown.chop(1);
    QCOMPARE(shown, text);
    // Within a pixel of the baseline the line table gives.
    QVERIFY2(std::abs(paragraph->baseline(line - 1) * twips - baseline) <= twips,
             qPrintable(QStringLiteral("baseline at %1 twips").arg(paragraph->baseline(line - 1) * twips)));
}

void ParticipialCommasTest::boxOverItsGap_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("sentence");
    QTest::addColumn<QString>("wordBefore");
    QTest::addColumn<QPoint>("tablePlace"); // Left, Top in twips, as the key table gives them

    const auto row = [](const char *box, int sentence, const char *word, int left, int top) {
        QTest::newRow(box) << QString::fromUtf8(box) << sentence << QString::fromUtf8(word)
                           << QPoint(left, top);
    };
    row("Text3", 1, "Засеянные", 2520, 2420);
    row("Text1", 1, "пшеницей", 4130, 2420);
    row("Text4", 1, "поля", 5040, 2420);
    row("Text6", 2, "Вокруг", 9760, 2420);
    row("Text8", 2, "дуба", 10600, 2420);
    row("Text7", 2, "ребята", 2830, 2830);
    row("Text10", 3, "Искры", 8820, 2830);
    row("Text14", 3, "ярко", 9680, 2830);
    row("Text9", 3, "пылающие", 11400, 2830);
    row("Text15", 4, "увидел", 10680, 3240);
    row("Text21", 4, "важно", 1250, 3580);
    row("Text16", 4, "идущую", 2640, 3580);
    row("Text19", 4, "девочку", 3960, 3600);
    row("Text18", 5, "Ветер", 7530, 3580);
    row("Text20", 5, "дувший", 8830, 3580);
    row("Text13", 5, "с", 9240, 3580);
    row("Text17", 5, "моря", 10130, 3580);
    row("Text22", 5, "время", 1200, 3960);
    row("Text23", 6, "деревьев", 6450, 3960);
    row("Text11", 6, "листва", 7590, 3960);
    row("Text5", 7, "Мыс", 5080, 4300);
    row("Text24", 7, "озера", 10920, 4300);
    row("Text12", 8, "лентой", 1320, 5040);
    row("Text25", 9, "пылающие", 8880, 5040);
    row("Text26", 9, "искры", 9960, 5040);
    row("Text27", 10, "Остров", 5760, 5400);
    row("Text28", 10, "солнцем", 8660, 5400);
}

// Each box covers the middle one of the three spaces after its word, lies in
// the document and hides no letter; and it lies near the place the key table
// gives it. That table was measured with a font that sets the text about 2.2 %
// wider than our Times New Roman, so a box lies left of its table place by that
// share of its distance from the document's left edge, give or take 4 px; and
// the table sits its boxes up to 7 px lower than the middle of their line,
// where ours stand.
void ParticipialCommasTest::boxOverItsGap()
{
    QFETCH(QString, box);
    QFETCH(int, sentence);
    QFETCH(QString, wordBefore);
    QFETCH(QPoint, tablePlace);
    const DocumentView *view = document();
    const QRectF boxRect(control(13, box)->geometry());

    const QString text = view->text();
    qsizetype at = sentence == 1 ? 0 : text.indexOf(QStringLiteral(" %1. ").arg(sentence));
    QVERIFY(at >= 0);
    const QString wordAndGap = QLatin1Char(' ') + wordBefore + QStringLiteral("   ");
    at = text.indexOf(wordAndGap, at);
    QVERIFY2(at >= 0, "no gap after the word in its sentence");
    const int middleSpace = static_cast<int>(at + wordAndGap.size() - 2);
    const QRectF space = view->textRect(middleSpace, 1).translated(view->pos());
    QVERIFY2(space.contains(boxRect.center()),
             qPrintable(QStringLiteral("box centre (%1, %2), middle space from %3 to %4")
                            .arg(boxRect.center().x())
                            .arg(boxRect.center().y())
                            .arg(space.left())
                            .arg(space.right())));

    // As high as the line, to the rounding of a pixel either way.
    QVERIFY(boxRect.adjusted(0, -1, 0, 1).contains(space));
    QVERIFY(QRectF(view->geometry()).contains(boxRect));
    for (const QRectF &ink : view->paragraph()->inkRects())
        QVERIFY2(!boxRect.intersects(ink.translated(view->pos())), "the box hides a letter");

    const qreal tableLeft = tablePlace.x() / twips;
    const qreal tableTop = tablePlace.y() / twips;
    const qreal narrower = 0.022 * (tableLeft - view->x());
    QVERIFY2(
        std::abs(boxRect.left() - (tableLeft - narrower)) <= 4 && std::abs(boxRect.top() - tableTop) <= 7.5,
        qPrintable(
            QStringLiteral("box at (%1, %2) twips").arg(boxRect.left() * twips).arg(boxRect.top() * twips)));
}

// The view draws the very layout the boxes were placed on: ink where it puts
// letters, and nothing but the background in every gap.
void ParticipialCommasTest::documentDrawsItsLayout()
{
    DocumentView *view = document();
    // In device pixels, which are more than one a pixel on a scaled screen.
    const QImage picture = view->grab().toImage();
    const qreal scale = picture.devicePixelRatio();
    QCOMPARE(picture.size(), view->size() * scale);
    const auto darkestIn = [&picture, scale](const QRectF &area) {
        const QRect pixels = QRectF(area.topLeft() * scale, area.size() * scale).toAlignedRect();
        int darkest = 255;
        for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
            for (int x = pixels.left(); x <= pixels.right(); ++x)
                darkest = std::min(darkest, qGray(picture.pixel(x, y)));
        }
        return darkest;
    };
    for (const QRectF &ink : view->paragraph()->inkRects())
        QVERIFY(darkestIn(ink) < 128);
    const QString text = view->text();
    int gaps = 0;
    for (qsizetype at = text.indexOf(QStringLiteral("   ")); at >= 0;
         at = text.indexOf(QStringLiteral("   "), at + 3), ++gaps) {
        // A pixel in from every side, where no letter's edge may reach.
        const QRectF gap = view->textRect(static_cast<int>(at), 3).adjusted(1, 1, -1, -1);
        QCOMPARE(darkestIn(gap), qGray(128, 255, 255));
    }
    QCOMPARE(gaps, 27);
}

void ParticipialCommasTest::boxLook()
{
    shell().move(1, 13);
    for (const QString &name : allBoxes) {
        auto *box = qobject_cast<TextBox *>(control(13, name));
        QVERIFY2(box, qPrintable(name));
        QCOMPARE(box->size(), QSize(10, 24));
        QVERIFY(!box->hasBorder());
        QCOMPARE(box->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QVERIFY(box->font().bold());
        QCOMPARE(box->text(), QString());
        QCOMPARE(background(box), cyan);
    }
}

void ParticipialCommasTest::checkOutcomes_data()
{
    QTest::addColumn<Answers>("answers");
    QTest::addColumn<QString>("errors");
    QTest::addColumn<QStringList>("greenBoxes");
    QTest::addColumn<QStringList>("redBoxes"); // every other box stays cyan
    QTest::addColumn<bool>("praise");

    const Answers rightOnes = commasIn(commaPlaces);
    const QStringList otherPlaces = except(allBoxes, commaPlaces);
    QTest::newRow("all empty") << Answers() << "10" << QStringList() << commaPlaces << false;
    QTest::newRow("commas in exactly the ten places")
        << rightOnes << "0" << commaPlaces << QStringList() << true;
    QTest::newRow("a comma everywhere") << commasIn(allBoxes) << "17" << commaPlaces << otherPlaces << false;
    QTest::newRow("a full stop in a comma place")
        << with(rightOnes, QStringLiteral("Text7"), QStringLiteral(".")) << "1"
        << except(commaPlaces, {QStringLiteral("Text7")}) << QStringList{QStringLiteral("Text7")} << false;
    QTest::newRow("a space in a comma place")
        << with(rightOnes, QStringLiteral("Text17"), QStringLiteral(" ")) << "1"
        << except(commaPlaces, {QStringLiteral("Text17")}) << QStringList{QStringLiteral("Text17")} << false;
    QTest::newRow("a letter in a comma place")
        << with(rightOnes, QStringLiteral("Text28"), QStringLiteral("а")) << "1"
        << except(commaPlaces, {QStringLiteral("Text28")}) << QStringList{QStringLiteral("Text28")} << false;
    QTest::newRow("a full stop in a no-comma place")
        << with(rightOnes, QStringLiteral("Text1"), QStringLiteral(".")) << "0" << commaPlaces
        << QStringList() << true;
    QTest::newRow("a space in a no-comma place")
        << with(rightOnes, QStringLiteral("Text15"), QStringLiteral(" ")) << "0" << commaPlaces
        << QStringList() << true;
    QTest::newRow("a letter in a no-comma place")
        << with(rightOnes, QStringLiteral("Text26"), QStringLiteral("ж")) << "0" << commaPlaces
        << QStringList() << true;
    QTest::newRow("one comma missing, one too many")
        << with(with(rightOnes, QStringLiteral("Text27"), QString()), QStringLiteral("Text13"),
                QStringLiteral(","))
        << "2" << except(commaPlaces, {QStringLiteral("Text27")}) << test::names({"Text27", "Text13"})
        << false;
}

void ParticipialCommasTest::checkOutcomes()
{
    QFETCH(Answers, answers);
    QFETCH(QString, errors);
    QFETCH(QStringList, greenBoxes);
    QFETCH(QStringList, redBoxes);
    QFETCH(bool, praise);
    shell().move(1, 13);
    answer(answers);
    click(13, QStringLiteral("Command4"));

    QCOMPARE(text(13, QStringLiteral("Lbl")), errors);
    for (const QString &box : allBoxes) {
        const QColor expected = greenBoxes.contains(box) ? green : redBoxes.contains(box) ? red : cyan;
        QVERIFY2(background(control(13, box)) == expected, qPrintable(box));
        // The check changes no text.
        QCOMPARE(text(13, box), answers.value(box));
    }
    QVERIFY(!isEnabled(13, QStringLiteral("Command4")));
    QCOMPARE(isShown(20), praise);
}

void ParticipialCommasTest::typingAfterTheCheckChangesNoColour()
{
    shell().move(1, 13);
    type(13, QStringLiteral("Text3"), QStringLiteral(","));
    click(13, QStringLiteral("Command4"));
    type(13, QStringLiteral("Text3"), QString());
    type(13, QStringLiteral("Text5"), QStringLiteral(","));
    type(13, QStringLiteral("Text1"), QStringLiteral(","));
    QCOMPARE(background(control(13, QStringLiteral("Text3"))), red);
    QCOMPARE(background(control(13, QStringLiteral("Text5"))), red);
    QCOMPARE(background(control(13, QStringLiteral("Text1"))), cyan);
    QVERIFY(!isEnabled(13, QStringLiteral("Command4")));
}

namespace {
enum class Entry { KeyByKey, PasteKey, Insert, ReplaceSelection };
}

void ParticipialCommasTest::oneCharacterPerBox_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("entered");
    QTest::addColumn<QString>("after");

    QTest::newRow("two commas typed") << int(Entry::KeyByKey) << ""
                                      << ",,"
                                      << ",";
    QTest::newRow("a comma typed after a full stop") << int(Entry::KeyByKey) << "."
                                                     << ","
                                                     << ".";
    QTest::newRow("two commas pasted with Ctrl+V") << int(Entry::PasteKey) << ""
                                                   << ",,"
                                                   << ",";
    QTest::newRow("a comma pasted after a comma") << int(Entry::PasteKey) << ","
                                                  << ","
                                                  << ",";
    QTest::newRow("a text inserted") << int(Entry::Insert) << ""
                                     << ", и"
                                     << ",";
    QTest::newRow("a selected full stop pasted over") << int(Entry::ReplaceSelection) << "."
                                                      << ",."
                                                      << ",";
}

// «,,» cannot get into a box, however it is entered.
void ParticipialCommasTest::oneCharacterPerBox()
{
    QFETCH(int, entry);
    QFETCH(QString, before);
    QFETCH(QString, entered);
    QFETCH(QString, after);
    shell().move(1, 13);
    auto *box = qobject_cast<QLineEdit *>(control(13, QStringLiteral("Text7")));
    QVERIFY(box);
    type(13, QStringLiteral("Text7"), before);
    box->setFocus();
    switch (Entry(entry)) {
    case Entry::KeyByKey:
        for (QChar character : entered)
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(character), Qt::NoModifier);
        break;
    case Entry::ReplaceSelection:
        box->selectAll();
        [[fallthrough]];
    case Entry::PasteKey:
        QGuiApplication::clipboard()->setText(entered);
        QCOMPARE(QGuiApplication::clipboard()->text(), entered);
        QTest::keySequence(box, QKeySequence::Paste);
        break;
    case Entry::Insert:
        box->insert(entered);
        break;
    }
    QCOMPARE(box->text(), after);
}

void ParticipialCommasTest::clearedAfter_data()
{
    QTest::addColumn<QString>("step");
    QTest::newRow("first shown") << QString();
    QTest::newRow("Выполнить заново") << "Command2(0)";
    QTest::newRow("Главное окно and back") << "Command1(1)";
    QTest::newRow("Следующее задание and back") << "Command3";
}

// Shown first, started again, or left and come back to: every box empty on
// cyan, no count, "Проверить" enabled.
void ParticipialCommasTest::clearedAfter()
{
    QFETCH(QString, step);
    shell().move(1, 13);
    if (!step.isEmpty()) {
        answer({{QStringLiteral("Text3"), QStringLiteral(",")},
                {QStringLiteral("Text7"), QStringLiteral(",")},
                {QStringLiteral("Text9"), QStringLiteral("ы")}});
        click(13, QStringLiteral("Command4"));
        click(13, step);
    }
    if (step == QStringLiteral("Command3")) {
        QVERIFY(isShown(16));
        click(16, QStringLiteral("Command1(1)"));
    }
    if (step == QStringLiteral("Command1(1)") || step == QStringLiteral("Command3")) {
        QVERIFY(!isShown(13));
        click(1, QStringLiteral("Command1")); // "7 класс"
        click(3, QStringLiteral("Command3")); // this exercise
    }
    QVERIFY(isShown(13));
    for (const QString &box : allBoxes) {
        QVERIFY2(text(13, box).isEmpty(), qPrintable(box));
        QVERIFY2(background(control(13, box)) == cyan, qPrintable(box));
    }
    QCOMPARE(text(13, QStringLiteral("Lbl")), QString());
    QVERIFY(isEnabled(13, QStringLiteral("Command4")));
}

void ParticipialCommasTest::focusOrder()
{
    shell().move(1, 13);
    QCOMPARE(window(13)->focusWidget()->objectName(), QStringLiteral("Command1(1)"));
    // "Справка" follows the listed controls.
    const QStringList order = test::names({"Command1(1)", "Command2(0)", "Command3", "Command4"}) + allBoxes +
                              test::names({"Command5", "Label13"});
    QStringList chain = focusChain(13);
    std::rotate(chain.begin(), std::find(chain.begin(), chain.end(), order.first()), chain.end());
    QCOMPARE(chain, order);
}

QTEST_MAIN(ParticipialCommasTest)
#include "tst_participialcommas.moc"
