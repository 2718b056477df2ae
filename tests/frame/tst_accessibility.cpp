#include "support/shelltest.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

using namespace parta;

// What a screen reader finds in the windows: roles, names, states, actions,
// and what it is told after a check.
class AccessibilityTest : public test::ShellTest {
    Q_OBJECT
private Q_SLOTS:
    void controls_data();
    void controls();
    void loadedItemsAreNamedAndDescribed_data();
    void loadedItemsAreNamedAndDescribed();
    void radioStateFollowsTheChoice();
    void checkedStateFollowsTheSelection();
    void toggleActionSelects();
    void checkIsAnnounced();
    void verdictsDescribeTheItems();

private:
    QAccessibleInterface *of(int number, const QString &name)
    {
        return QAccessible::queryAccessibleInterface(control(number, name));
    }
    // Loads variant k of Form14 through its field and "Задание".
    void loadForm14(const QString &variant)
    {
        shell().move(1, 14);
        type(14, QStringLiteral("Text2"), variant);
        click(14, QStringLiteral("Command2(0)"));
    }
};

void AccessibilityTest::controls_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("action"); // empty: none

    const QString press = QAccessibleActionInterface::pressAction();
    const QString toggle = QAccessibleActionInterface::toggleAction();
    QTest::newRow("Form1 Справка") << 1 << "Label1" << int(QAccessible::Button) << "Справка" << press;
    QTest::newRow("Form1 button") << 1 << "Command1" << int(QAccessible::Button) << "7 класс" << press;
    QTest::newRow("Form3 Справка") << 3 << "Label2" << int(QAccessible::Button) << "Справка" << press;
    QTest::newRow("Form5 variant field")
        << 5 << "Text2" << int(QAccessible::EditableText) << "Вариант" << QString();
    QTest::newRow("Form9 phrase") << 9 << "l1" << int(QAccessible::CheckBox) << "первая группа" << toggle;
    QTest::newRow("Form9 phrase with trailing blank")
        << 9 << "l4" << int(QAccessible::CheckBox) << "прекрасная погода" << toggle;
    QTest::newRow("Form9 variant field")
        << 9 << "Text2" << int(QAccessible::EditableText) << "Вариант" << QString();
    QTest::newRow("Form9 error counter")
        << 9 << "Label4" << int(QAccessible::StaticText) << "Ошибки:" << QString();
    QTest::newRow("Form9 Справка") << 9 << "Label13" << int(QAccessible::Button) << "Справка" << press;
    QTest::newRow("Form14 answer box")
        << 14 << "Text4" << int(QAccessible::EditableText) << "Предложение 3" << QString();
    QTest::newRow("Form14 Справка") << 14 << "Label17" << int(QAccessible::Button) << "Справка" << press;
    QTest::newRow("Form21 word box, first in reading order")
        << 21 << "Text1(0)" << int(QAccessible::EditableText) << "Слово 1" << QString();
    QTest::newRow("Form21 word box, second in reading order")
        << 21 << "Text1(5)" << int(QAccessible::EditableText) << "Слово 2" << QString();
    QTest::newRow("Form21 last word box in reading order")
        << 21 << "Text1(15)" << int(QAccessible::EditableText) << "Слово 18" << QString();
    QTest::newRow("Form25 word box") << 25 << "Text1(4)" << int(QAccessible::EditableText) << "Слово 5"
                                     << QString();
    QTest::newRow("Form26 Справка") << 26 << "Lbl19" << int(QAccessible::Button) << "Справка" << press;
    QTest::newRow("Form7 answer box")
        << 7 << "Text4" << int(QAccessible::EditableText) << "Определение 3" << QString();
    QTest::newRow("Form8 Справка") << 8 << "Label13" << int(QAccessible::Button) << "Справка" << press;
    QTest::newRow("Form16 item") << 16 << "Label7" << int(QAccessible::CheckBox) << "" << toggle;
    QTest::newRow("Form18 option") << 18 << "Label9" << int(QAccessible::RadioButton) << "" << toggle;
    QTest::newRow("Form18 question") << 18 << "Label7" << int(QAccessible::StaticText) << "" << QString();
    QTest::newRow("Form23 sentence box, on the left of the second row")
        << 23 << "Text5" << int(QAccessible::EditableText) << "Предложение 4" << QString();
    QTest::newRow("Form23 variant field")
        << 23 << "Text2" << int(QAccessible::EditableText) << "Вариант" << QString();
    QTest::newRow("Form14 Правило") << 14 << "Command5" << int(QAccessible::Button) << "Правило" << press;
}

void AccessibilityTest::controls()
{
    QFETCH(int, number);
    QFETCH(QString, control);
    QFETCH(int, role);
    QFETCH(QString, name);
    QFETCH(QString, action);
    if (number != 1)
        shell().move(1, number);
    QAccessibleInterface *item = of(number, control);
    QVERIFY(item);
    QCOMPARE(int(item->role()), role);
    QCOMPARE(item->text(QAccessible::Name), name);
    if (role != int(QAccessible::StaticText))
        QVERIFY(item->state().focusable);
    QAccessibleActionInterface *actions = item->actionInterface();
    if (action.isEmpty())
        QVERIFY(!actions || !actions->actionNames().contains(QAccessibleActionInterface::toggleAction()));
    else
        QVERIFY(actions && actions->actionNames().contains(action));
}

void AccessibilityTest::loadedItemsAreNamedAndDescribed_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");

    QTest::newRow("Form7 box, by its definition") << 7 << "Text1"
                                                  << "Определение 1"
                                                  << "раздел  науки о языке, изучающий звуки.";
    QTest::newRow("Form13 comma box, by its sentence")
        << 13 << "Text7"
        << "Запятая после \"ребята\""
        << "Вокруг дуба толпились ребята сбежавшиеся с соседних дворов.";
    QTest::newRow("Form16 item, its caption trimmed") << 16 << "Label2"
                                                      << "Незакончившееся вовремя собрание." << QString();
    QTest::newRow("Form18 option, with its question") << 18 << "Label10"
                                                      << "в) Уже совсем стемнело."
                                                      << "1) Выберите назывное предложение.";
    QTest::newRow("Form18 option of question 4") << 18 << "Label24"
                                                 << "б) Люблю грозу в начале мая."
                                                 << "4) Определённо-личное предложение это ...";
}

void AccessibilityTest::loadedItemsAreNamedAndDescribed()
{
    QFETCH(int, number);
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(QString, description);
    shell().move(1, number);
    if (number != 7 && number != 13)
        click(number, QStringLiteral("Command2(0)")); // variant 1 is in the field
    QAccessibleInterface *item = of(number, control);
    QCOMPARE(item->text(QAccessible::Name), name);
    QCOMPARE(item->text(QAccessible::Description), description);
}

void AccessibilityTest::radioStateFollowsTheChoice()
{
    shell().move(1, 18);
    click(18, QStringLiteral("Command2(0)"));
    QAccessibleInterface *first = of(18, QStringLiteral("Label8"));
    QAccessibleInterface *second = of(18, QStringLiteral("Label9"));
    click(18, QStringLiteral("Label8"));
    click(18, QStringLiteral("Label9")); // another option of an answered question: nothing
    QVERIFY(first->state().checked);
    QVERIFY(!second->state().checked);
}

void AccessibilityTest::checkedStateFollowsTheSelection()
{
    shell().move(1, 9);
    QAccessibleInterface *phrase = of(9, QStringLiteral("l2"));
    QVERIFY(phrase->state().checkable);
    QVERIFY(!phrase->state().checked);
    click(9, QStringLiteral("l2"));
    QVERIFY(phrase->state().checked);
    click(9, QStringLiteral("l2"));
    QVERIFY(!phrase->state().checked);
}

void AccessibilityTest::toggleActionSelects()
{
    shell().move(1, 11);
    QAccessibleInterface *phrase = of(11, QStringLiteral("l3"));
    phrase->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QCOMPARE(background(control(11, QStringLiteral("l3"))), QColor(0, 128, 128));
    QVERIFY(phrase->state().checked);
    of(11, QStringLiteral("Label13"))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(isShown(34));
}

// The counter's name is what a screen reader speaks when it changes (the
// offscreen platform used by the tests has no screen reader to hear the events).
void AccessibilityTest::checkIsAnnounced()
{
    shell().move(1, 9);
    click(9, QStringLiteral("l1"));
    click(9, QStringLiteral("Command4"));
    QCOMPARE(of(9, QStringLiteral("Label4"))->text(QAccessible::Name), QStringLiteral("Ошибки: 7"));
    click(9, QStringLiteral("Command2"));
    QCOMPARE(of(9, QStringLiteral("Label4"))->text(QAccessible::Name), QStringLiteral("Ошибки:"));
}

void AccessibilityTest::verdictsDescribeTheItems()
{
    loadForm14(QStringLiteral("1"));
    QAccessibleInterface *first = of(14, QStringLiteral("Text1"));
    QAccessibleInterface *second = of(14, QStringLiteral("Text3"));
    QCOMPARE(first->text(QAccessible::Description), QStringLiteral("Кончилась летняя тёплая ночь."));
    type(14, QStringLiteral("Text1"), QStringLiteral("1"));
    click(14, QStringLiteral("Command4"));
    QCOMPARE(first->text(QAccessible::Description), QStringLiteral("верно"));
    QCOMPARE(second->text(QAccessible::Description), QStringLiteral("ошибка"));
    loadForm14(QStringLiteral("2"));
    QCOMPARE(first->text(QAccessible::Description), QStringLiteral("Она сидела за столом бледная."));
    QCOMPARE(second->text(QAccessible::Description), QStringLiteral("Скрипач кончил играть."));
}

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
