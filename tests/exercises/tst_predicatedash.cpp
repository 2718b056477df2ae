#include "support/shelltest.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <algorithm>

using namespace parta;

namespace {

// The sentence boxes in item order.
const QStringList boxes = test::names({"Text1", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Text9",
                                       "Text10", "Text11", "Text12", "Text13"});

// The sentences of each variant as "Задание" loads them, without a dash.
const QStringList loaded[2] = {
    test::names({"Книга это источник знаний.", "Бедность не порок.", "Наш школьный двор как сад.",
                 "Жить Родине служить.", "Хорошо учиться вот наша задача.", "Это был странный человек.",
                 "Чтение вот лучшее учение.", "Уфа столица Республики Башкортостан.",
                 "Слепая ненависть плохой советчик.", "Классный руководитель это вторая мама.",
                 "Злой язык что стрела.", "Книги наши лучшие друзья."}),
    test::names({"Пятью восемь сорок.", "Этот сад как лес.", "Главное это стремление к учёбе.",
                 "Превосходная должность быть человеком", "Книга источник знаний.", "Понять значит простить.",
                 "Жизнь прекрасна и удивительна.", "Твои речи будто острый нож.", "Знание орудие, а не цель.",
                 "В густой тени сидит рыболов.", "Экскаватор это машина, извлекающая землю.",
                 "Наша посадка как дремучий лес."}),
};

const QColor black(0, 0, 0);
const QColor green(0, 255, 0);
const QColor red(255, 0, 0);

} // namespace

// Form23: twelve sentences, each in a box, into which the pupil puts the dash
// between subject and predicate where one belongs.
class PredicateDashTest : public test::ShellTest {
    Q_OBJECT
private Q_SLOTS:
    void firstShown();
    void loadsTheVariant_data();
    void loadsTheVariant();
    void checkRightAfterLoading_data();
    void checkRightAfterLoading();
    void variantField_data();
    void variantField();
    void checkUsesTheLoadedVariant();
    void comingBackAfterMainWindow();
    void focusOrder();

private:
    void load(const QString &field)
    {
        if (!isShown(23))
            shell().move(1, 23);
        type(23, QStringLiteral("Text2"), field);
        click(23, QStringLiteral("Command2(0)"));
    }
    QStringList texts()
    {
        QStringList shown;
        for (const QString &box : boxes)
            shown.append(text(23, box));
        return shown;
    }
    // The items whose text a check marked green, by number.
    QList<int> greenItems()
    {
        QList<int> items;
        for (int i = 0; i < 12; ++i) {
            if (foreground(control(23, boxes[i])) == green)
                items.append(i + 1);
        }
        return items;
    }
};

void PredicateDashTest::firstShown()
{
    shell().move(1, 23);
    QCOMPARE(text(23, QStringLiteral("Label3")), QStringLiteral("Тире между подлежащим и сказуемым"));
    QCOMPARE(text(23, QStringLiteral("Label1")), QStringLiteral("Задание:"));
    QCOMPARE(text(23, QStringLiteral("Label6")),
             QStringLiteral(" Выберите вариант задания(1 или 2), нажмите на кнопку \"Задание\" и расставьте "
                            "знак препинания - тире."));
    // Left and top in twips; from the second row on the lower-numbered box stands on the right.
    const QList<QPoint> grid = {{240, 2400},  {6120, 2400}, {6120, 3240}, {240, 3240},
                                {6120, 4080}, {240, 4080},  {6120, 4920}, {240, 4920},
                                {6120, 5760}, {240, 5760},  {6120, 6600}, {240, 6600}};
    for (int i = 0; i < 12; ++i) {
        QWidget *box = control(23, boxes[i]);
        QCOMPARE(box->pos() * 15, grid[i]);
        QCOMPARE(text(23, boxes[i]), QString());
        // The system's window colours.
        QCOMPARE(background(box), QApplication::palette(box).color(QPalette::Base));
        QCOMPARE(foreground(box), QApplication::palette(box).color(QPalette::Text));
    }
    QCOMPARE(text(23, QStringLiteral("Lbl")), QString());
    QCOMPARE(text(23, QStringLiteral("Label27")), QStringLiteral("1"));
    QCOMPARE(text(23, QStringLiteral("Text2")), QStringLiteral("1"));
    QVERIFY(!isEnabled(23, QStringLiteral("Command4")));
}

void PredicateDashTest::loadsTheVariant_data()
{
    QTest::addColumn<int>("variant");
    QTest::newRow("variant 1") << 1;
    QTest::newRow("variant 2") << 2;
}

void PredicateDashTest::loadsTheVariant()
{
    QFETCH(int, variant);
    load(QString::number(variant));
    QCOMPARE(texts(), loaded[variant - 1]);
    for (const QString &box : boxes)
        QCOMPARE(foreground(control(23, box)), black);
    QCOMPARE(text(23, QStringLiteral("Label27")), QString::number(variant));
    QCOMPARE(text(23, QStringLiteral("Lbl")), QString());
    QVERIFY(isEnabled(23, QStringLiteral("Command4")));
}

void PredicateDashTest::checkRightAfterLoading_data()
{
    QTest::addColumn<int>("variant");
    QTest::addColumn<QList<int>>("green"); // the sentences without a dash
    QTest::addColumn<QString>("errors");
    QTest::newRow("variant 1") << 1 << QList<int>{2, 3, 6, 11} << "8";
    QTest::newRow("variant 2") << 2 << QList<int>{2, 7, 8, 10, 12} << "7";
}

void PredicateDashTest::checkRightAfterLoading()
{
    QFETCH(int, variant);
    QFETCH(QList<int>, green);
    QFETCH(QString, errors);

    load(QString::number(variant));
    click(23, QStringLiteral("Command4"));
    QCOMPARE(greenItems(), green);
    for (int i = 0; i < 12; ++i)
        QVERIFY(green.contains(i + 1) || foreground(control(23, boxes[i])) == red);
    QCOMPARE(text(23, QStringLiteral("Lbl")), errors);
    QCOMPARE(texts(), loaded[variant - 1]);
    QVERIFY(!isEnabled(23, QStringLiteral("Command4")));
}

void PredicateDashTest::variantField_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("loads"); // 0: nothing, the pupil's texts and colours stay
    QTest::addColumn<QString>("fieldAfter");

    QTest::newRow("1") << "1" << 1 << "1";
    QTest::newRow("2а") << "2а" << 2 << "2а";
    QTest::newRow("blanks around 2") << " 2 " << 2 << " 2 ";
    QTest::newRow("empty") << "" << 1 << "1";
    QTest::newRow("0") << "0" << 1 << "1";
    QTest::newRow("abc") << "abc" << 1 << "1";
    QTest::newRow("2.5") << "2.5" << 1 << "1";
    QTest::newRow("1 2 reads 12") << "1 2" << 1 << "1";
    QTest::newRow("1.5 loads nothing") << "1.5" << 0 << "1.5";
}

void PredicateDashTest::variantField()
{
    QFETCH(QString, typed);
    QFETCH(int, loads);
    QFETCH(QString, fieldAfter);

    // Variant 2 loaded, its first sentence dashed by the pupil and checked.
    load(QStringLiteral("2"));
    type(23, boxes[0], QStringLiteral("Пятью восемь - сорок."));
    click(23, QStringLiteral("Command4"));
    load(typed);

    QCOMPARE(text(23, QStringLiteral("Text2")), fieldAfter);
    QCOMPARE(text(23, QStringLiteral("Lbl")), QString());
    QVERIFY(isEnabled(23, QStringLiteral("Command4")));
    if (loads == 0) {
        QCOMPARE(text(23, boxes[0]), QStringLiteral("Пятью восемь - сорок."));
        QCOMPARE(foreground(control(23, boxes[0])), green);
        QCOMPARE(foreground(control(23, boxes[1])), green);
        QCOMPARE(foreground(control(23, boxes[2])), red);
        QCOMPARE(text(23, QStringLiteral("Label27")), QStringLiteral("2"));
        // The same texts are checked once more, against variant 2.
        click(23, QStringLiteral("Command4"));
        QCOMPARE(text(23, QStringLiteral("Lbl")), QStringLiteral("6"));
        return;
    }
    QCOMPARE(texts(), loaded[loads - 1]);
    for (const QString &box : boxes)
        QCOMPARE(foreground(control(23, box)), black);
    QCOMPARE(text(23, QStringLiteral("Label27")), QString::number(loads));
}

void PredicateDashTest::checkUsesTheLoadedVariant()
{
    load(QStringLiteral("2"));
    type(23, QStringLiteral("Text2"), QStringLiteral("1"));
    click(23, QStringLiteral("Command4"));
    QCOMPARE(greenItems(), (QList<int>{2, 7, 8, 10, 12}));
    QCOMPARE(text(23, QStringLiteral("Lbl")), QStringLiteral("7"));
    QCOMPARE(text(23, QStringLiteral("Text2")), QStringLiteral("1"));
}

void PredicateDashTest::comingBackAfterMainWindow()
{
    load(QStringLiteral("2"));
    click(23, QStringLiteral("Command4"));
    type(23, QStringLiteral("Text2"), QStringLiteral("2"));
    click(23, QStringLiteral("Command1(1)"));
    click(1, QStringLiteral("Command2")); // "8 класс"
    click(4, QStringLiteral("Command4")); // "Тире между подлежащим и сказуемым"
    QCOMPARE(shownWindows(), QList<int>{23});
    QCOMPARE(texts(), QStringList(12, QString()));
    for (const QString &box : boxes)
        QCOMPARE(foreground(control(23, box)), black);
    QCOMPARE(text(23, QStringLiteral("Lbl")), QString());
    QCOMPARE(text(23, QStringLiteral("Text2")), QStringLiteral("1"));
    QCOMPARE(text(23, QStringLiteral("Label27")), QStringLiteral("2"));
    QVERIFY(!isEnabled(23, QStringLiteral("Command4")));
}

void PredicateDashTest::focusOrder()
{
    shell().move(1, 23);
    QCOMPARE(window(23)->focusWidget()->objectName(), QStringLiteral("Command2(0)"));
    // The ring read from "Задание" on, without the help label (which the keyboard
    // may reach as well).
    const auto chain = [this] {
        QStringList ring = focusChain(23);
        ring.removeIf([](const QString &name) { return name == QStringLiteral("Lbl19"); });
        std::rotate(ring.begin(), std::find(ring.begin(), ring.end(), QStringLiteral("Command2(0)")),
                    ring.end());
        return ring;
    };
    const QStringList frame = test::names({"Command2(0)", "Text2", "Command1(1)", "Command3"});
    QCOMPARE(chain(), frame + QStringList{QStringLiteral("Command5")} + boxes);
    load(QStringLiteral("1")); // "Проверить", now enabled, joins the order
    QCOMPARE(chain(), frame + test::names({"Command4", "Command5"}) + boxes);
}

QTEST_MAIN(PredicateDashTest)
#include "tst_predicatedash.moc"
