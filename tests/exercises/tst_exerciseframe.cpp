#include "frame/exercisewindow.h"
#include "frame/topic.h"
#include "support/shelltest.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include <algorithm>

using namespace parta;

namespace {

// Records what the frame asks of its topic.
struct Calls {
    int resets = 0;
    int clears = 0;
    QList<int> loads;
    QList<int> checks;
    int errors = 0; // what the next check finds
};

class RecordingTopic : public Topic {
public:
    explicit RecordingTopic(Calls &calls_) : calls(calls_) {}
    void build(QWidget *) override {}
    void reset() override { ++calls.resets; }
    void clear() override { ++calls.clears; }
    void load(int variant) override { calls.loads.append(variant); }
    int check(int variant) override
    {
        calls.checks.append(variant);
        return calls.errors;
    }

private:
    Calls &calls;
};

// An in-window exercise of three variants, selected by the whole text, laid out
// like the real ones; it stands in for Form14 of the shell.
ExerciseWindowData inWindowSpec(Reading reading)
{
    return {
        {14, "Проба", fullSizeClient, {255, 255, 255}},
        {
            .loadedVariant = LabelRow{.name = "Label16", .rect = {2760, 7680, 210, 315}, .caption = "1"},
            .newTask = {"Command2(0)", {240, 7320, 1935, 735}, "Задание"},
            .variantField = TextBoxRow{.name = "Text2", .rect = {2400, 7440, 735, 615}, .text = "1"},
            .check = ButtonRow{"Command4", {3480, 7320, 1815, 735}, "Проверить"},
            .errorCounter = LabelRow{.name = "Label4", .rect = {6795, 7320, 735, 735}},
            .next = {"Command3", {7800, 7320, 1815, 735}, "Следующее задание"},
            .mainWindow = {"Command1(0)", {9840, 7320, 1695, 735}, "Главное окно"},
            .help = helpLabel("Label17", {120, 600, 1545, 510}),
        },
        {.kind = ExerciseKind::InWindow,
         .variants = 3,
         .selection = reading,
         .checkEnabledFirst = false,
         .nextWindow = 18,
         .helpWindow = 36},
    };
}

} // namespace

enum class Step { NewTask, Check, MainWindow, NextTask };
Q_DECLARE_METATYPE(Step)

class ExerciseFrameTest : public test::ShellTest {
    Q_OBJECT
private Q_SLOTS:
    void inWindowSelection_data();
    void inWindowSelection();
    void checkUsesTheLoadedVariant();
    void inWindowLeaveEmptiesAndDisables();
    void inWindowFirstShown_data();
    void inWindowFirstShown();
    void fieldRewrites_data();
    void fieldRewrites();
    void singleTaskStartsAgain();
    void frameFocusOrder_data();
    void frameFocusOrder();
    void praiseOnlyWithoutErrors();

private:
    QString newTaskName(int number) const
    {
        return number == 9 ? QStringLiteral("Command2") : QStringLiteral("Command2(0)");
    }
};

void ExerciseFrameTest::inWindowSelection_data()
{
    QTest::addColumn<Reading>("reading");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QList<int>>("loads");
    QTest::addColumn<QString>("fieldAfter");
    QTest::addColumn<QString>("loadedAfter");

    const auto whole = Reading::WholeText;
    const auto leading = Reading::LeadingNumber;
    // The label starts at "3": a selection that loads nothing keeps it.
    QTest::newRow("whole: 2") << whole << "2" << QList<int>{2} << "2"
                              << "2";
    QTest::newRow("whole: blanks around") << whole << " 2 " << QList<int>{2} << " 2 "
                                          << "2";
    QTest::newRow("whole: empty") << whole << "" << QList<int>{1} << "1"
                                  << "1";
    QTest::newRow("whole: letters") << whole << "abc" << QList<int>{1} << "1"
                                    << "1";
    QTest::newRow("whole: four") << whole << "4" << QList<int>{1} << "1"
                                 << "1";
    QTest::newRow("whole: 1 2") << whole << "1 2" << QList<int>{1} << "1"
                                << "1";
    QTest::newRow("whole: 2abc loads nothing") << whole << "2abc" << QList<int>{} << "2abc"
                                               << "3";
    QTest::newRow("whole: 2.5 loads nothing") << whole << "2.5" << QList<int>{} << "2.5"
                                              << "3";
    QTest::newRow("leading: 2abc") << leading << "2abc" << QList<int>{2} << "2abc"
                                   << "2";
    QTest::newRow("leading: 1.5 loads nothing") << leading << "1.5" << QList<int>{} << "1.5"
                                                << "3";
    QTest::newRow("leading: 2,5") << leading << "2,5" << QList<int>{2} << "2,5"
                                  << "2";
    QTest::newRow("leading: 0") << leading << "0" << QList<int>{1} << "1"
                                << "1";
}

void ExerciseFrameTest::inWindowSelection()
{
    QFETCH(Reading, reading);
    QFETCH(QString, typed);
    QFETCH(QList<int>, loads);
    QFETCH(QString, fieldAfter);
    QFETCH(QString, loadedAfter);

    Calls calls;
    ExerciseWindow w(shell(), inWindowSpec(reading), std::make_unique<RecordingTopic>(calls));
    w.findChild<QLineEdit *>(QStringLiteral("Text2"))->setText(QStringLiteral("3"));
    w.newTask();
    calls.loads.clear();
    w.findChild<QLineEdit *>(QStringLiteral("Text2"))->setText(typed);
    w.newTask();

    QCOMPARE(calls.loads, loads);
    QCOMPARE(w.findChild<QLineEdit *>(QStringLiteral("Text2"))->text(), fieldAfter);
    QCOMPARE(w.findChild<QLabel *>(QStringLiteral("Label16"))->text(), loadedAfter);
    QVERIFY(w.findChild<QWidget *>(QStringLiteral("Command4"))->isEnabled());
    QCOMPARE(calls.resets, 2);
}

void ExerciseFrameTest::checkUsesTheLoadedVariant()
{
    Calls calls;
    ExerciseWindow w(shell(), inWindowSpec(Reading::WholeText), std::make_unique<RecordingTopic>(calls));
    auto *field = w.findChild<QLineEdit *>(QStringLiteral("Text2"));
    auto *checkButton = w.findChild<QWidget *>(QStringLiteral("Command4"));
    QVERIFY(!checkButton->isEnabled());
    w.check(); // disabled: no check
    QVERIFY(calls.checks.isEmpty());

    field->setText(QStringLiteral("2"));
    w.newTask();
    field->setText(QStringLiteral("3"));
    calls.errors = 4;
    w.check();
    QCOMPARE(calls.checks, QList<int>{2});
    QCOMPARE(w.findChild<QLabel *>(QStringLiteral("Label4"))->text(), QStringLiteral("4"));
    QVERIFY(!checkButton->isEnabled());
    QCOMPARE(field->text(), QStringLiteral("3"));
    QVERIFY(!isShown(20));
}

void ExerciseFrameTest::inWindowLeaveEmptiesAndDisables()
{
    Calls calls;
    ExerciseWindow w(shell(), inWindowSpec(Reading::WholeText), std::make_unique<RecordingTopic>(calls));
    w.newTask();
    w.check();
    w.leaveTo(1);
    QCOMPARE(calls.clears, 1);
    QVERIFY(!w.findChild<QWidget *>(QStringLiteral("Command4"))->isEnabled());
    QCOMPARE(w.findChild<QLabel *>(QStringLiteral("Label4"))->text(), QString());
}

void ExerciseFrameTest::inWindowFirstShown_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("loadedLabel");
    QTest::addColumn<QString>("coveredBy");
    QTest::addColumn<QString>("counter");

    QTest::newRow("Form14") << 14 << "Label16"
                            << "Text2"
                            << "Label4";
    QTest::newRow("Form16") << 16 << "Label18"
                            << "Command4"
                            << "Lbl";
    QTest::newRow("Form18") << 18 << "Label27"
                            << "Command4"
                            << "Label4";
    QTest::newRow("Form21") << 21 << "Label27"
                            << "Command4"
                            << "Label4";
    QTest::newRow("Form23") << 23 << "Label27"
                            << "Command4"
                            << "Lbl";
    QTest::newRow("Form25") << 25 << "Label27"
                            << "Command4"
                            << "Label4";
    QTest::newRow("Form26") << 26 << "Label27"
                            << "Command4"
                            << "Label4";
}

void ExerciseFrameTest::inWindowFirstShown()
{
    QFETCH(int, number);
    QFETCH(QString, loadedLabel);
    QFETCH(QString, coveredBy);
    QFETCH(QString, counter);

    shell().move(1, number);
    QVERIFY(!isEnabled(number, QStringLiteral("Command4")));
    QCOMPARE(text(number, counter), QString());
    QWidget *loaded = control(number, loadedLabel);
    QWidget *cover = control(number, coveredBy);
    QCOMPARE(text(number, loadedLabel), QStringLiteral("1"));
    QVERIFY(cover->geometry().contains(loaded->geometry()));
    QCOMPARE(window(number)->childAt(loaded->geometry().center()), cover);
}

void ExerciseFrameTest::fieldRewrites_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<Step>("step");
    QTest::addColumn<QString>("fieldAfter");

    // The pupil has typed "7" before the step.
    QTest::newRow("Form7 check") << 7 << Step::Check << "1";
    QTest::newRow("Form7 next task") << 7 << Step::NextTask << "1";
    QTest::newRow("Form7 main window") << 7 << Step::MainWindow << "7";
    QTest::newRow("Form8 check") << 8 << Step::Check << "7";
    QTest::newRow("Form8 next task") << 8 << Step::NextTask << "2";
    QTest::newRow("Form8 main window") << 8 << Step::MainWindow << "2";
    QTest::newRow("Form8 new task") << 8 << Step::NewTask << "2";
    QTest::newRow("Form14 main window") << 14 << Step::MainWindow << "7";
    QTest::newRow("Form14 check") << 14 << Step::Check << "7";
    QTest::newRow("Form16 next task") << 16 << Step::NextTask << "7";
    QTest::newRow("Form18 main window") << 18 << Step::MainWindow << "1";
    QTest::newRow("Form18 next task") << 18 << Step::NextTask << "1";
    QTest::newRow("Form21 next task") << 21 << Step::NextTask << "1";
    QTest::newRow("Form23 main window") << 23 << Step::MainWindow << "1";
    QTest::newRow("Form25 main window") << 25 << Step::MainWindow << "1";
    QTest::newRow("Form26 main window") << 26 << Step::MainWindow << "1";
    QTest::newRow("Form26 check") << 26 << Step::Check << "7";
}

void ExerciseFrameTest::fieldRewrites()
{
    QFETCH(int, number);
    QFETCH(Step, step);
    QFETCH(QString, fieldAfter);

    shell().move(1, number);
    click(number, newTaskName(number)); // with the field as first shown: stays, variant ready
    QCOMPARE(shownWindows(), QList<int>{number});
    type(number, QStringLiteral("Text2"), QStringLiteral("7"));
    switch (step) {
    case Step::NewTask:
        click(number, newTaskName(number));
        break;
    case Step::Check:
        click(number, QStringLiteral("Command4"));
        break;
    case Step::MainWindow:
        click(number, number == 7 || number == 8 || number == 16 || number == 23
                          ? QStringLiteral("Command1(1)")
                          : QStringLiteral("Command1(0)"));
        break;
    case Step::NextTask:
        click(number, QStringLiteral("Command3"));
        break;
    }
    QCOMPARE(text(number, QStringLiteral("Text2")), fieldAfter);
}

void ExerciseFrameTest::singleTaskStartsAgain()
{
    shell().move(1, 13);
    QVERIFY(isEnabled(13, QStringLiteral("Command4")));
    QCOMPARE(text(13, QStringLiteral("Command2(0)")), QStringLiteral("Выполнить заново"));
    click(13, QStringLiteral("Command4"));
    QVERIFY(!isEnabled(13, QStringLiteral("Command4")));
    click(13, QStringLiteral("Command2(0)"));
    QVERIFY(isEnabled(13, QStringLiteral("Command4")));
    QCOMPARE(text(13, QStringLiteral("Lbl")), QString());
    QCOMPARE(shownWindows(), (QList<int>{13, 20}));
}

void ExerciseFrameTest::praiseOnlyWithoutErrors()
{
    Calls calls;
    ExerciseWindow w(shell(), inWindowSpec(Reading::WholeText), std::make_unique<RecordingTopic>(calls));
    w.newTask();
    calls.errors = 1;
    w.check();
    QVERIFY(!isShown(20));
    w.newTask();
    calls.errors = 0;
    w.check();
    QVERIFY(isShown(20));
    QCOMPARE(w.findChild<QLabel *>(QStringLiteral("Label4"))->text(), QStringLiteral("0"));
}

void ExerciseFrameTest::frameFocusOrder_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("firstFocus");
    QTest::addColumn<QStringList>("frameOrder"); // the frame controls among the enabled ones

    QTest::newRow("Form7") << 7 << "Command4"
                           << test::names({"Command4", "Text2", "Command3", "Command2(0)", "Command1(1)"});
    QTest::newRow("Form8") << 8 << "Command1(1)"
                           << test::names({"Command1(1)", "Command2(0)", "Command3", "Text2", "Command4"});
    QTest::newRow("Form13") << 13 << "Command1(1)"
                            << test::names(
                                   {"Command1(1)", "Command2(0)", "Command3", "Command4", "Command5"});
    QTest::newRow("Form16") << 16 << "Command3"
                            << test::names({"Command3", "Command1(1)", "Text2", "Command2(0)", "Command5"});
    QTest::newRow("Form18") << 18 << "Text2"
                            << test::names({"Text2", "Command3", "Command2(0)", "Command1(0)", "Command5"});
    QTest::newRow("Form21") << 21 << "Command1(0)"
                            << test::names({"Command1(0)", "Command2(0)", "Command3", "Text2", "Command5"});
    QTest::newRow("Form23") << 23 << "Command2(0)"
                            << test::names({"Command2(0)", "Text2", "Command1(1)", "Command3", "Command5"});
    QTest::newRow("Form25") << 25 << "Text2"
                            << test::names({"Text2", "Command3", "Command2(0)", "Command1(0)"});
    QTest::newRow("Form26") << 26 << "Text2"
                            << test::names({"Text2", "Command3", "Command2(0)", "Command1(0)"});
}

void ExerciseFrameTest::frameFocusOrder()
{
    QFETCH(int, number);
    QFETCH(QString, firstFocus);
    QFETCH(QStringList, frameOrder);
    shell().move(1, number);
    QCOMPARE(window(number)->focusWidget()->objectName(), firstFocus);
    // Controls that are not part of the frame (the exercise's items) are left out.
    QStringList chain = focusChain(number);
    chain.erase(std::remove_if(chain.begin(), chain.end(),
                               [&frameOrder](const QString &name) { return !frameOrder.contains(name); }),
                chain.end());
    // The chain is a ring: start it at the first frame control.
    std::rotate(chain.begin(), std::find(chain.begin(), chain.end(), frameOrder.first()), chain.end());
    QCOMPARE(chain, frameOrder);
}

QTEST_MAIN(ExerciseFrameTest)
#include "tst_exerciseframe.moc"
