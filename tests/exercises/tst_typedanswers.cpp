#include "support/shelltest.h"

#include <QTest>
#include <QWidget>

using namespace parta;

namespace {

const QColor green(0, 255, 0);
const QColor red(255, 0, 0);

} // namespace

// Typed answers are compared whole, character for character, with their
// accepted forms: row 1 of Form7 (marked on the box's background) and items 1,
// 2 and 6 of Form23's variant 1 (marked on the text).
class TypedAnswersTest : public test::ShellTest {
    Q_OBJECT
private Q_SLOTS:
    void comparedWhole_data();
    void comparedWhole();
};

void TypedAnswersTest::comparedWhole_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("pasted"); // typed key by key otherwise
    QTest::addColumn<bool>("right");

    const auto row = [](const char *name, int number, const char *box, const QString &answer, bool right,
                        bool pasted = false) {
        QTest::newRow(name) << number << QString::fromUtf8(box) << answer << pasted << right;
    };
    const auto utf8 = [](const char *text) { return QString::fromUtf8(text); };

    // Form7, row 1: "Фонетика" or "фонетика".
    row("Form7: capital", 7, "Text1", utf8("Фонетика"), true);
    row("Form7: small letter", 7, "Text1", utf8("фонетика"), true);
    row("Form7: capitals", 7, "Text1", utf8("ФОНЕТИКА"), false);
    row("Form7: capital inside", 7, "Text1", utf8("фОнетика"), false);
    row("Form7: leading blank", 7, "Text1", utf8(" фонетика"), false);
    row("Form7: trailing blank", 7, "Text1", utf8("фонетика "), false);
    row("Form7: another row's name", 7, "Text1", utf8("Графика"), false);
    row("Form7: a name of no row", 7, "Text1", utf8("морфология"), false);
    row("Form7: empty", 7, "Text1", QString(), false);
    row("Form7: a pasted megabyte", 7, "Text1", QString(1 << 20, u'ф'), false, true);
    row("Form7: control characters", 7, "Text1", utf8("фонетика\t\x01\x7f"), false, true);
    row("Form7: emoji", 7, "Text1", utf8("фонетика 😀"), false, true);
    row("Form7: right-to-left mark", 7, "Text1", utf8("\u200fфонетика"), false, true);

    // Form23, variant 1, item 1: "Книга это источник знаний." takes a dash.
    row("Form23 item 1: space before the dash", 23, "Text1", utf8("Книга -это источник знаний."), true);
    row("Form23 item 1: space after the dash", 23, "Text1", utf8("Книга- это источник знаний."), true);
    row("Form23 item 1: spaces around the dash", 23, "Text1", utf8("Книга - это источник знаний."), true);
    row("Form23 item 1: no space", 23, "Text1", utf8("Книга-это источник знаний."), false);
    row("Form23 item 1: two spaces before", 23, "Text1", utf8("Книга  - это источник знаний."), false);
    row("Form23 item 1: en dash", 23, "Text1", utf8("Книга – это источник знаний."), false);
    row("Form23 item 1: no full stop", 23, "Text1", utf8("Книга - это источник знаний"), false);
    row("Form23 item 1: unchanged", 23, "Text1", utf8("Книга это источник знаний."), false);
    row("Form23 item 1: a pasted megabyte", 23, "Text1", QString(1 << 20, u'-'), false, true);
    row("Form23 item 1: line feed", 23, "Text1", utf8("Книга -\nэто источник знаний."), false, true);
    row("Form23 item 1: emoji", 23, "Text1", utf8("Книга 😀 это источник знаний."), false, true);
    row("Form23 item 1: right-to-left mark", 23, "Text1", utf8("Книга -\u200fэто источник знаний."), false,
        true);
    // Item 2: "Бедность не порок." takes none; a second space is accepted.
    row("Form23 item 2: unchanged", 23, "Text3", utf8("Бедность не порок."), true);
    row("Form23 item 2: two spaces", 23, "Text3", utf8("Бедность  не порок."), true);
    row("Form23 item 2: a dash", 23, "Text3", utf8("Бедность - не порок."), false);
    // Item 6: "Это был странный человек." only as it is.
    row("Form23 item 6: unchanged", 23, "Text7", utf8("Это был странный человек."), true);
    row("Form23 item 6: two spaces", 23, "Text7", utf8("Это  был странный человек."), false);
    row("Form23 item 6: a dash", 23, "Text7", utf8("Это - был странный человек."), false);
    row("Form23 item 6: emptied", 23, "Text7", QString(), false);
}

void TypedAnswersTest::comparedWhole()
{
    QFETCH(int, number);
    QFETCH(QString, box);
    QFETCH(QString, answer);
    QFETCH(bool, pasted);
    QFETCH(bool, right);

    shell().move(1, number);
    if (number == 23) {
        type(23, QStringLiteral("Text2"), QStringLiteral("1"));
        click(23, QStringLiteral("Command2(0)"));
    }
    QWidget *item = control(number, box);
    const QColor backgroundBefore = background(item);
    const QColor textBefore = foreground(item);
    if (pasted)
        paste(number, box, answer);
    else
        type(number, box, answer);
    click(number, QStringLiteral("Command4"));

    // Form7 marks the background, Form23 the text; the other colour and the text stay.
    const bool marksText = number == 23;
    QCOMPARE(marksText ? foreground(item) : background(item), right ? green : red);
    QCOMPARE(marksText ? background(item) : foreground(item), marksText ? backgroundBefore : textBefore);
    QVERIFY(text(number, box) == answer);
    QVERIFY(!isEnabled(number, QStringLiteral("Command4")));
    QCOMPARE(shownWindows(), QList<int>{number});
}

QTEST_MAIN(TypedAnswersTest)
#include "tst_typedanswers.moc"
