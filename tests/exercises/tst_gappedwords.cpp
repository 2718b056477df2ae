#include "support/shelltest.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPalette>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <utility>

using namespace parta;

// The three windows whose pupil fills in gapped words: the vowels before н
// (Form21, eighteen boxes) and the two vocabulary windows (Form25 for grade 7,
// Form26 for grade 8, fifteen boxes each).

namespace {

const QColor green(0, 255, 0);
const QColor red(255, 0, 0);
const QColor navy(0, 0, 128);

QString box(int index)
{
    return QStringLiteral("Text1(%1)").arg(index);
}

int boxCount(int number)
{
    return number == 21 ? 18 : 15;
}

QStringList boxNames(std::initializer_list<int> indices)
{
    QStringList names;
    for (int index : indices)
        names.append(box(index));
    return names;
}

} // namespace

class GappedWordsTest : public test::ShellTest {
    Q_OBJECT
private Q_SLOTS:
    void firstShown_data();
    void firstShown();
    void wordGridOrder_data();
    void wordGridOrder();
    void focusOrder_data();
    void focusOrder();
    void spaceDeletingComparison_data();
    void spaceDeletingComparison();
    void checkRightAfterLoading_data();
    void checkRightAfterLoading();
    void variantField_data();
    void variantField();
    void leaving_data();
    void leaving();
    void vocabularyWindowsKeepTheirOwnState();
    void exitEndsTheProgram_data();
    void exitEndsTheProgram();
    void gradeChains_data();
    void gradeChains();

private:
    // Opens the window if it is not on screen and presses "Задание" with the
    // variant field as given.
    void load(int number, const QString &variant)
    {
        if (!isShown(number))
            shell().move(1, number);
        type(number, QStringLiteral("Text2"), variant);
        click(number, QStringLiteral("Command2(0)"));
    }
    QColor textColour(int number, const QString &name) { return foreground(control(number, name)); }
};

void GappedWordsTest::firstShown_data()
{
    QTest::addColumn<int>("number");
    QTest::newRow("Form21") << 21;
    QTest::newRow("Form25") << 25;
    QTest::newRow("Form26") << 26;
}

void GappedWordsTest::firstShown()
{
    QFETCH(int, number);
    shell().move(1, number);
    // The boxes are empty and take the system's colour for text in a box.
    const QColor systemText = QApplication::palette().color(QPalette::Text);
    for (int i = 0; i < boxCount(number); ++i) {
        QCOMPARE(text(number, box(i)), QString());
        QCOMPARE(textColour(number, box(i)), systemText);
        QCOMPARE(background(control(number, box(i))), QColor(255, 255, 0));
    }
    QVERIFY(!window(number)->findChild<QWidget *>(box(boxCount(number))));
}

void GappedWordsTest::wordGridOrder_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QStringList>("screenOrder"); // column by column, each from the top

    QTest::newRow("Form21") << 21 << boxNames({0, 5, 11, 14, 8, 17, 1, 4, 7, 10, 13, 16, 2, 3, 6, 9, 12, 15});
    QTest::newRow("Form25") << 25 << boxNames({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14});
    QTest::newRow("Form26") << 26 << boxNames({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14});
}

void GappedWordsTest::wordGridOrder()
{
    QFETCH(int, number);
    QFETCH(QStringList, screenOrder);
    QList<QWidget *> boxes;
    for (int i = 0; i < boxCount(number); ++i)
        boxes.append(control(number, box(i)));
    std::sort(boxes.begin(), boxes.end(), [](const QWidget *a, const QWidget *b) {
        return std::pair(a->x(), a->y()) < std::pair(b->x(), b->y());
    });
    QStringList shown;
    for (const QWidget *b : boxes)
        shown.append(b->objectName());
    QCOMPARE(shown, screenOrder);
}

void GappedWordsTest::focusOrder_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QStringList>("order");

    QStringList form21 =
        test::names({"Command4", "Command1(0)", "Command2(0)", "Command3", "Text2", "Command5"});
    form21 += boxNames({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 0});
    // "Справка" comes after the listed controls.
    form21 += QStringLiteral("Lbl19");
    const QStringList vocabulary =
        test::names({"Text2", "Command3", "Command2(0)", "Command1(0)", "Command4"}) +
        boxNames({0, 9, 10, 14, 13, 12, 11, 8, 7, 6, 5, 4, 3, 2, 1}) + QStringList{QStringLiteral("Lbl19")};
    QTest::newRow("Form21") << 21 << form21;
    QTest::newRow("Form25") << 25 << vocabulary;
    QTest::newRow("Form26") << 26 << vocabulary;
}

void GappedWordsTest::focusOrder()
{
    QFETCH(int, number);
    QFETCH(QStringList, order);
    load(number, QStringLiteral("1")); // "Проверить" enabled: the whole ring
    QStringList chain = focusChain(number);
    std::rotate(chain.begin(), std::find(chain.begin(), chain.end(), order.first()), chain.end());
    QCOMPARE(chain, order);
}

void GappedWordsTest::spaceDeletingComparison_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("variant");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("shown"); // in the box after the check
    QTest::addColumn<bool>("right");

    QTest::newRow("Form21/1 (0): the word") << 21 << "1" << 0 << "обещанный"
                                            << "обещанный" << true;
    QTest::newRow("Form21/1 (0): vowel before the space") << 21 << "1" << 0 << "обеща нный"
                                                          << "обещанный" << true;
    QTest::newRow("Form21/1 (0): vowel after the space") << 21 << "1" << 0 << "обещ анный"
                                                         << "обещанный" << true;
    QTest::newRow("Form21/1 (0): untouched") << 21 << "1" << 0 << "обещ нный"
                                             << "обещнный" << false;
    QTest::newRow("Form21/1 (0): capital letter") << 21 << "1" << 0 << "Обещанный"
                                                  << "Обещанный" << false;
    QTest::newRow("Form21/1 (0): wrong vowel") << 21 << "1" << 0 << "обещенный"
                                               << "обещенный" << false;
    QTest::newRow("Form21/1 (0): doubled letter") << 21 << "1" << 0 << "обещаннный"
                                                  << "обещаннный" << false;
    QTest::newRow("Form21/1 (0): spaces all round") << 21 << "1" << 0 << " обеща нный "
                                                    << "обещанный" << true;
    QTest::newRow("Form21/2 (7): е") << 21 << "2" << 7 << "приглашен"
                                     << "приглашен" << true;
    QTest::newRow("Form21/2 (7): ё") << 21 << "2" << 7 << "приглашён"
                                     << "приглашён" << false;
    QTest::newRow("Form25/1 (2): нн") << 25 << "1" << 2 << "колонна"
                                      << "колонна" << true;
    QTest::newRow("Form25/1 (2): нн after the space") << 25 << "1" << 2 << "коло нна"
                                                      << "колонна" << true;
    QTest::newRow("Form25/1 (2): one н") << 25 << "1" << 2 << "колона"
                                         << "колона" << false;
    QTest::newRow("Form25/1 (2): untouched") << 25 << "1" << 2 << "коло а"
                                             << "колоа" << false;
    QTest::newRow("Form25/1 (0): spaces all round") << 25 << "1" << 0 << " г ирлянда "
                                                    << "гирлянда" << true;
    QTest::newRow("Form25/1 (0): capital letter") << 25 << "1" << 0 << "Гирлянда"
                                                  << "Гирлянда" << false;
    QTest::newRow("Form25/2 (4): чемпион") << 25 << "2" << 4 << "чемпион"
                                           << "чемпион" << true;
    QTest::newRow("Form25/2 (12): чемпион") << 25 << "2" << 12 << "чемпион"
                                            << "чемпион" << true;
    QTest::newRow("Form25/2 (11): the consonant") << 25 << "2" << 11 << "футбол"
                                                  << "футбол" << true;
    QTest::newRow("Form26/1 (3): ё") << 26 << "1" << 3 << "режиссёр"
                                     << "режиссёр" << true;
    QTest::newRow("Form26/1 (3): е") << 26 << "1" << 3 << "режиссер"
                                     << "режиссер" << false;
    QTest::newRow("Form26/1 (8): нн") << 26 << "1" << 8 << "истинный"
                                      << "истинный" << true;
    QTest::newRow("Form26/1 (8): one н") << 26 << "1" << 8 << "истиный"
                                         << "истиный" << false;

    // Pasted: only the plain space is deleted, and nothing fails.
    const QString tab = QStringLiteral("обещ\tанный");
    const QString noBreak = QStringLiteral("обещ\u00a0анный");
    const QString control = QStringLiteral("обещ\u0001анный\u001b");
    const QString emoji = QStringLiteral("обещ\U0001F600нный");
    const QString megabyte(1 << 20, u'а');
    QString spacedMegabyte;
    for (int i = 0; i < 1 << 17; ++i)
        spacedMegabyte += QStringLiteral("обещ анн ");
    QTest::newRow("Form21/1 (0): tab") << 21 << "1" << 0 << tab << tab << false;
    QTest::newRow("Form21/1 (0): no-break space") << 21 << "1" << 0 << noBreak << noBreak << false;
    QTest::newRow("Form21/1 (0): control characters") << 21 << "1" << 0 << control << control << false;
    QTest::newRow("Form21/1 (0): emoji") << 21 << "1" << 0 << emoji << emoji << false;
    QTest::newRow("Form21/1 (0): a megabyte") << 21 << "1" << 0 << megabyte << megabyte << false;
    QTest::newRow("Form21/1 (0): a megabyte with spaces")
        << 21 << "1" << 0 << spacedMegabyte << QString(spacedMegabyte).remove(u' ') << false;
    QTest::newRow("Form26/2 (14): a megabyte with spaces")
        << 26 << "2" << 14 << spacedMegabyte << QString(spacedMegabyte).remove(u' ') << false;
}

void GappedWordsTest::spaceDeletingComparison()
{
    QFETCH(int, number);
    QFETCH(QString, variant);
    QFETCH(int, index);
    QFETCH(QString, answer);
    QFETCH(QString, shown);
    QFETCH(bool, right);

    load(number, variant);
    // Plain words are typed key by key; the rest is pasted.
    if (answer.size() < 20 &&
        std::all_of(answer.begin(), answer.end(), [](QChar c) { return c.isLetter() || c == u' '; }))
        type(number, box(index), answer);
    else
        paste(number, box(index), answer);
    QElapsedTimer clock;
    clock.start();
    click(number, QStringLiteral("Command4"));
    QVERIFY2(clock.elapsed() < 3000, qPrintable(QStringLiteral("the check took %1 ms").arg(clock.elapsed())));

    QCOMPARE(text(number, box(index)), shown);
    QCOMPARE(textColour(number, box(index)), right ? green : red);
    QCOMPARE(background(control(number, box(index))), QColor(255, 255, 0));
    // The other boxes keep their gaps and are wrong.
    QCOMPARE(text(number, QStringLiteral("Label4")), QString::number(boxCount(number) - (right ? 1 : 0)));
}

void GappedWordsTest::checkRightAfterLoading_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("variant");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("closed"); // what that box shows after the check

    QTest::newRow("Form21, variant 1") << 21 << "1" << 17 << "брошн";
    QTest::newRow("Form21, variant 2") << 21 << "2" << 13 << "вспахнное";
    QTest::newRow("Form25, variant 1") << 25 << "1" << 2 << "колоа";
    QTest::newRow("Form25, variant 2") << 25 << "2" << 11 << "фубол";
    QTest::newRow("Form26, variant 1") << 26 << "1" << 8 << "истиый";
    QTest::newRow("Form26, variant 2") << 26 << "2" << 0 << "кнгресс";
}

void GappedWordsTest::checkRightAfterLoading()
{
    QFETCH(int, number);
    QFETCH(QString, variant);
    QFETCH(int, index);
    QFETCH(QString, closed);

    load(number, variant);
    QStringList loaded;
    for (int i = 0; i < boxCount(number); ++i) {
        loaded.append(text(number, box(i)));
        QCOMPARE(loaded.last().count(u' '), 1);
        QCOMPARE(textColour(number, box(i)), navy);
    }
    click(number, QStringLiteral("Command4"));
    for (int i = 0; i < boxCount(number); ++i) {
        QCOMPARE(text(number, box(i)), loaded[i].remove(u' '));
        QCOMPARE(textColour(number, box(i)), red);
    }
    QCOMPARE(text(number, box(index)), closed);
    QCOMPARE(text(number, QStringLiteral("Label4")), QString::number(boxCount(number)));
    QVERIFY(!isEnabled(number, QStringLiteral("Command4")));
    QVERIFY(!isShown(20));
}

void GappedWordsTest::variantField_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("newTask"); // "Задание" pressed after typing, or only "Проверить"
    QTest::addColumn<QString>("fieldAfter");
    QTest::addColumn<QString>("firstBox"); // Text1(0) before the second check
    QTest::addColumn<bool>("right");       // Text1(0) at the second check

    // Variant 2 is loaded, Text1(0) answered by its key and checked; then the
    // field is changed.
    QTest::newRow("Form21: 2а") << 21 << "2а" << true << "2а"
                                << "наполн н" << false;
    QTest::newRow("Form21: 2.5") << 21 << "2.5" << true << "1"
                                 << "обещ нный" << false;
    QTest::newRow("Form21: 0") << 21 << "0" << true << "1"
                               << "обещ нный" << false;
    QTest::newRow("Form21: abc") << 21 << "abc" << true << "1"
                                 << "обещ нный" << false;
    QTest::newRow("Form21: empty") << 21 << "" << true << "1"
                                   << "обещ нный" << false;
    QTest::newRow("Form21: 1.5 loads nothing") << 21 << "1.5" << true << "1.5"
                                               << "наполнен" << true;
    QTest::newRow("Form21: 1 without Задание") << 21 << "1" << false << "1"
                                               << "наполнен" << true;
    QTest::newRow("Form25: 2а") << 25 << "2а" << true << "2а"
                                << "п чтальон" << false;
    QTest::newRow("Form25: abc") << 25 << "abc" << true << "1"
                                 << "г рлянда" << false;
    QTest::newRow("Form25: 1.5 loads nothing") << 25 << "1.5" << true << "1.5"
                                               << "почтальон" << true;
    QTest::newRow("Form26: 2.5") << 26 << "2.5" << true << "1"
                                 << "тр мвай" << false;
    QTest::newRow("Form26: 1.5 loads nothing") << 26 << "1.5" << true << "1.5"
                                               << "конгресс" << true;
    QTest::newRow("Form26: 1 without Задание") << 26 << "1" << false << "1"
                                               << "конгресс" << true;
}

void GappedWordsTest::variantField()
{
    QFETCH(int, number);
    QFETCH(QString, typed);
    QFETCH(bool, newTask);
    QFETCH(QString, fieldAfter);
    QFETCH(QString, firstBox);
    QFETCH(bool, right);

    // The first word of variant 2 of each window.
    const QString answer = number == 21   ? QStringLiteral("наполнен")
                           : number == 25 ? QStringLiteral("почтальон")
                                          : QStringLiteral("конгресс");
    load(number, QStringLiteral("2"));
    type(number, box(0), answer);
    if (newTask) {
        click(number, QStringLiteral("Command4"));
        QCOMPARE(textColour(number, box(0)), green);
        load(number, typed);
        QCOMPARE(textColour(number, box(0)), navy);
        QCOMPARE(text(number, QStringLiteral("Label4")), QString());
    } else {
        type(number, QStringLiteral("Text2"), typed);
    }
    QCOMPARE(text(number, QStringLiteral("Text2")), fieldAfter);
    QCOMPARE(text(number, box(0)), firstBox);
    QVERIFY(isEnabled(number, QStringLiteral("Command4")));
    click(number, QStringLiteral("Command4"));
    QCOMPARE(textColour(number, box(0)), right ? green : red);
    QCOMPARE(text(number, QStringLiteral("Text2")), fieldAfter);
}

void GappedWordsTest::leaving_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("button");

    QTest::newRow("Form21, Главное окно") << 21 << "Command1(0)";
    QTest::newRow("Form21, Следующее задание") << 21 << "Command3";
    QTest::newRow("Form25, Главное окно") << 25 << "Command1(0)";
    QTest::newRow("Form26, Главное окно") << 26 << "Command1(0)";
}

void GappedWordsTest::leaving()
{
    QFETCH(int, number);
    QFETCH(QString, button);

    load(number, QStringLiteral("2"));
    type(number, box(1), QStringLiteral("ответ"));
    click(number, QStringLiteral("Command4"));
    type(number, QStringLiteral("Text2"), QStringLiteral("7"));
    click(number, button);
    QVERIFY(!isShown(number));
    shell().move(shownWindows().constFirst(), number);

    for (int i = 0; i < boxCount(number); ++i) {
        QCOMPARE(text(number, box(i)), QString());
        QCOMPARE(textColour(number, box(i)), navy);
    }
    QCOMPARE(text(number, QStringLiteral("Text2")), QStringLiteral("1"));
    QCOMPARE(text(number, QStringLiteral("Label4")), QString());
    QCOMPARE(text(number, QStringLiteral("Label27")), QStringLiteral("2"));
    QVERIFY(!isEnabled(number, QStringLiteral("Command4")));
}

void GappedWordsTest::vocabularyWindowsKeepTheirOwnState()
{
    load(25, QStringLiteral("2"));
    type(25, box(0), QStringLiteral("почтальон"));
    click(25, QStringLiteral("Command4"));
    shell().move(25, 26);

    QCOMPARE(text(26, box(0)), QString());
    QCOMPARE(text(26, QStringLiteral("Label27")), QStringLiteral("1"));
    QCOMPARE(text(26, QStringLiteral("Label4")), QString());
    QVERIFY(!isEnabled(26, QStringLiteral("Command4")));
    load(26, QStringLiteral("1"));
    QCOMPARE(text(26, box(0)), QStringLiteral("тр мвай"));
    shell().move(26, 25);

    QCOMPARE(text(25, box(0)), QStringLiteral("почтальон"));
    QCOMPARE(textColour(25, box(0)), green);
    QCOMPARE(text(25, box(1)), QStringLiteral("галрея"));
    QCOMPARE(text(25, QStringLiteral("Label27")), QStringLiteral("2"));
    QCOMPARE(text(25, QStringLiteral("Label4")), QStringLiteral("14"));
    QVERIFY(!isEnabled(25, QStringLiteral("Command4")));
}

void GappedWordsTest::exitEndsTheProgram_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("checked");

    QTest::newRow("Form25, never loaded") << 25 << false;
    QTest::newRow("Form25, checked") << 25 << true;
    QTest::newRow("Form26, never loaded") << 26 << false;
    QTest::newRow("Form26, checked") << 26 << true;
}

void GappedWordsTest::exitEndsTheProgram()
{
    QFETCH(int, number);
    QFETCH(bool, checked);

    shell().move(1, number);
    if (checked) {
        load(number, QStringLiteral("1"));
        click(number, QStringLiteral("Command4"));
    }
    const QString before = text(number, box(0));
    QCOMPARE(text(number, QStringLiteral("Command3")), QStringLiteral("Выход"));
    click(number, QStringLiteral("Command3"));
    QVERIFY(shell().hasEnded());
    QVERIFY(shownWindows().isEmpty());
    // Nothing is cleared on the way out.
    QCOMPARE(text(number, box(0)), before);
}

void GappedWordsTest::gradeChains_data()
{
    QTest::addColumn<int>("grade");        // the menu window
    QTest::addColumn<QString>("topic");    // its button that opens the chain's first window
    QTest::addColumn<QList<int>>("chain"); // by "Следующее задание", ending with "Выход"

    QTest::newRow("grade 7") << 3 << "Command4" << QList<int>{16, 21, 25};
    QTest::newRow("grade 8") << 4 << "Command4" << QList<int>{23, 26};
}

void GappedWordsTest::gradeChains()
{
    QFETCH(int, grade);
    QFETCH(QString, topic);
    QFETCH(QList<int>, chain);

    click(1, QStringLiteral("Command%1").arg(grade - 2));
    click(grade, topic);
    for (qsizetype i = 1; i < chain.size(); ++i) {
        click(chain[i - 1], QStringLiteral("Command3"));
        const int number = chain[i];
        QCOMPARE(shownWindows(), QList<int>{number});
        QCOMPARE(text(number, box(0)), QString());
        QVERIFY(!isEnabled(number, QStringLiteral("Command4")));
        load(number, QStringLiteral("2"));
        click(number, QStringLiteral("Command4"));
        QCOMPARE(text(number, QStringLiteral("Label4")), QString::number(boxCount(number)));
    }
    QCOMPARE(text(chain.last(), QStringLiteral("Command3")), QStringLiteral("Выход"));
    click(chain.last(), QStringLiteral("Command3"));
    QVERIFY(shell().hasEnded());
    QVERIFY(shownWindows().isEmpty());
}

QTEST_MAIN(GappedWordsTest)
#include "tst_gappedwords.moc"
