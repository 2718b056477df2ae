#include "support/shelltest.h"

#include <QTest>
#include <QWidget>

using namespace parta;

namespace {

const char *const boxNames[] = {"Text1", "Text3", "Text4", "Text5",  "Text6",
                                "Text7", "Text8", "Text9", "Text10", "Text11"};
const char *const sentenceNames[] = {"Label6",  "Label7",  "Label8",  "Label9",  "Label10",
                                     "Label11", "Label12", "Label13", "Label14", "Label15"};

QString box(int item)
{
    return QString::fromUtf8(boxNames[item]);
}

QString sentence(int item)
{
    return QString::fromUtf8(sentenceNames[item]);
}

// The first and the last sentence of each variant, exactly as shown.
const char *const firstAndLast[3][2] = {
    {" Кончилась летняя тёплая ночь.", " По утрам над полями расстилается густой пар."},
    {" Она сидела за столом бледная.", " Недавно кончили цвести тюльпаны."},
    {" Он должен был согласиться с нами.", " Вода в пустыне будет задержана."},
};

QString sentenceOf(int variant, int item)
{
    return QString::fromUtf8(firstAndLast[variant - 1][item == 0 ? 0 : 1]);
}

// The digit of each sentence's predicate: 1 simple verbal, 2 compound verbal, 3 compound nominal.
QString keyOf(int variant, int item)
{
    static const char *const sheet[3] = {"1331231221", "3221321132", "2132133123"};
    return QString(QChar::fromLatin1(sheet[variant - 1][item]));
}

const QColor green(0, 255, 0);
const QColor red(255, 0, 0);
const QColor yellow(255, 255, 0);

} // namespace

class PredicateKindsTest : public test::ShellTest {
    Q_OBJECT
private Q_SLOTS:
    void firstShown();
    void answerForms_data();
    void answerForms();
    void allEmptyIsTenErrors();
    void checkUsesTheLoadedVariant();
    void variantField_data();
    void variantField();
    void comingBackAfterMainWindow();
    void focusOrder();

private:
    // Opens Form14 and loads a variant through the field and "Задание".
    void load(const QString &field)
    {
        if (!isShown(14))
            shell().move(1, 14);
        type(14, QStringLiteral("Text2"), field);
        click(14, QStringLiteral("Command2(0)"));
    }
    void answerByTheKey(int variant)
    {
        for (int i = 0; i < 10; ++i)
            type(14, box(i), keyOf(variant, i));
    }
};

void PredicateKindsTest::firstShown()
{
    shell().move(1, 14);
    for (int i = 0; i < 10; ++i) {
        QCOMPARE(text(14, sentence(i)), QString());
        QCOMPARE(text(14, box(i)), QString());
        QCOMPARE(background(control(14, box(i))), QColor(255, 255, 192));
    }
    QVERIFY(!isEnabled(14, QStringLiteral("Command4")));
    QCOMPARE(text(14, QStringLiteral("Label16")), QStringLiteral("1"));
    QCOMPARE(text(14, QStringLiteral("Text2")), QStringLiteral("1"));
    QCOMPARE(window(14)->focusWidget()->objectName(), QStringLiteral("Command1(0)"));
}

void PredicateKindsTest::answerForms_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("right");

    // Variant 1: item 1 has the key 1, item 2 the key 3.
    QTest::newRow("1") << 0 << "1" << true;
    QTest::newRow("blank before") << 0 << " 1" << true;
    QTest::newRow("blank after") << 0 << "1 " << true;
    QTest::newRow("letter after") << 0 << "1а" << true;
    QTest::newRow("leading zero") << 0 << "01" << true;
    QTest::newRow("1.0") << 0 << "1.0" << true;
    QTest::newRow("2.") << 0 << "1." << true;
    QTest::newRow("word") << 0 << "один" << false;
    QTest::newRow("Roman numeral") << 0 << "I" << false;
    QTest::newRow("empty") << 0 << "" << false;
    QTest::newRow("another digit") << 0 << "2" << false;
    QTest::newRow("3 with a note") << 1 << "3 (именное)" << true;
    QTest::newRow("3 5 reads 35") << 1 << "3 5" << false;
    QTest::newRow("3.5") << 1 << "3.5" << false;
    QTest::newRow("a megabyte of 3") << 1 << QString(1 << 20, u'3') << false;
}

void PredicateKindsTest::answerForms()
{
    QFETCH(int, item);
    QFETCH(QString, answer);
    QFETCH(bool, right);

    load(QStringLiteral("1"));
    answerByTheKey(1);
    type(14, box(item), answer);
    click(14, QStringLiteral("Command4"));
    QCOMPARE(background(control(14, box(item))), right ? green : red);
    QCOMPARE(text(14, QStringLiteral("Label4")), right ? QStringLiteral("0") : QStringLiteral("1"));
    QCOMPARE(text(14, box(item)), answer); // the check leaves the answer as typed
    QVERIFY(!isEnabled(14, QStringLiteral("Command4")));
}

void PredicateKindsTest::allEmptyIsTenErrors()
{
    load(QStringLiteral("3"));
    click(14, QStringLiteral("Command4"));
    for (int i = 0; i < 10; ++i)
        QCOMPARE(background(control(14, box(i))), red);
    QCOMPARE(text(14, QStringLiteral("Label4")), QStringLiteral("10"));
    QVERIFY(!isShown(20));
}

void PredicateKindsTest::checkUsesTheLoadedVariant()
{
    load(QStringLiteral("2"));
    answerByTheKey(2);
    type(14, QStringLiteral("Text2"), QStringLiteral("3"));
    click(14, QStringLiteral("Command4"));
    QCOMPARE(text(14, QStringLiteral("Label4")), QStringLiteral("0"));
    QCOMPARE(text(14, QStringLiteral("Text2")), QStringLiteral("3"));
    QVERIFY(isShown(20));
}

void PredicateKindsTest::variantField_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("loaded"); // 0: nothing new is loaded, variant 3 stays
    QTest::addColumn<QString>("fieldAfter");

    QTest::newRow("1") << "1" << 1 << "1";
    QTest::newRow("2") << "2" << 2 << "2";
    QTest::newRow("blanks around 2") << " 2 " << 2 << " 2 ";
    QTest::newRow("empty") << "" << 1 << "1";
    QTest::newRow("0") << "0" << 1 << "1";
    QTest::newRow("4") << "4" << 1 << "1";
    QTest::newRow("letters") << "abc" << 1 << "1";
    QTest::newRow("minus one") << "-1" << 1 << "1";
    QTest::newRow("2abc") << "2abc" << 0 << "2abc";
    QTest::newRow("2.5") << "2.5" << 0 << "2.5";
    QTest::newRow("pasted megabyte") << QString(1 << 20, u'2') << 1 << "1";
}

void PredicateKindsTest::variantField()
{
    QFETCH(QString, typed);
    QFETCH(int, loaded);
    QFETCH(QString, fieldAfter);

    load(QStringLiteral("3"));
    type(14, box(0), QStringLiteral("2"));
    load(typed);
    const int onScreen = loaded == 0 ? 3 : loaded;
    QCOMPARE(text(14, sentence(0)), sentenceOf(onScreen, 0));
    QCOMPARE(text(14, sentence(9)), sentenceOf(onScreen, 9));
    QCOMPARE(text(14, QStringLiteral("Label16")), QString::number(onScreen));
    QCOMPARE(text(14, QStringLiteral("Text2")), fieldAfter);
    QCOMPARE(text(14, box(0)), QString());
    QCOMPARE(background(control(14, box(0))), yellow);
    QVERIFY(isEnabled(14, QStringLiteral("Command4")));
    QCOMPARE(shownWindows(), QList<int>{14});
}

void PredicateKindsTest::comingBackAfterMainWindow()
{
    load(QStringLiteral("2"));
    answerByTheKey(2);
    click(14, QStringLiteral("Command4"));
    click(20, QStringLiteral("Command1"));
    type(14, QStringLiteral("Text2"), QStringLiteral("7"));
    click(14, QStringLiteral("Command1(0)"));
    click(1, QStringLiteral("Command2"));
    click(4, QStringLiteral("Command3"));
    QCOMPARE(shownWindows(), QList<int>{14});
    for (int i = 0; i < 10; ++i) {
        QCOMPARE(text(14, sentence(i)), QString());
        QCOMPARE(text(14, box(i)), QString());
        QCOMPARE(background(control(14, box(i))), yellow);
    }
    QCOMPARE(text(14, QStringLiteral("Label4")), QString());
    QVERIFY(!isEnabled(14, QStringLiteral("Command4")));
    QCOMPARE(text(14, QStringLiteral("Label16")), QStringLiteral("2"));
    QCOMPARE(text(14, QStringLiteral("Text2")), QStringLiteral("7"));
}

void PredicateKindsTest::focusOrder()
{
    load(QStringLiteral("1"));
    QStringList expected = {QStringLiteral("Command4"), QStringLiteral("Command1(0)"),
                            QStringLiteral("Command2(0)"), QStringLiteral("Command3"),
                            QStringLiteral("Text2")};
    for (int i = 0; i < 10; ++i)
        expected.append(box(i));
    expected.append(QStringLiteral("Command5"));
    expected.append(QStringLiteral("Label17")); // "Справка", after the listed controls
    QCOMPARE(focusChain(14), expected);
}

QTEST_MAIN(PredicateKindsTest)
#include "tst_predicatekinds.moc"
