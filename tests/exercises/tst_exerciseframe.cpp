#include "frame/exercisewindow.h"
#include "frame/navigation.h"
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
    int newTasks = 0;
    int leaves = 0;
    QList<int> loads;
    QList<int> checks;
    std::vector<Verdict> verdicts; // what the next check finds, one per item
    int errors = 0;
};

// Three labels as items; the check hands back whatever verdicts the test set.
class RecordingTopic : public Topic {
public:
    explicit RecordingTopic(Calls &calls_) : calls(calls_) {}
    void build(QWidget *window) override
    {
        for (const char *name : {"item1", "item2", "item3"}) {
            auto *label = new QLabel(window);
            label->setObjectName(QString::fromUtf8(name));
            QPalette palette = label->palette();
            palette.setColor(QPalette::Window, QColor(1, 2, 3));
            palette.setColor(QPalette::WindowText, QColor(4, 5, 6));
            label->setPalette(palette);
            items.push_back(label);
        }
    }
    void startNewTask() override { ++calls.newTasks; }
    void load(int variant) override { calls.loads.append(variant); }
    ItemMarks check(int variant) override
    {
        calls.checks.append(variant);
        return {items, {calls.verdicts, calls.errors}};
    }
    void leave() override { ++calls.leaves; }

private:
    Calls &calls;
    std::vector<QWidget *> items;
};

// Stands in for the program's windows: records where the frame goes.
struct RecordingNavigation : Navigation {
    void move(int from, int to) override { moves.append({from, to}); }
    void popUp(int number) override { popUps.append(number); }
    void end() override { ++ends; }

    QList<std::pair<int, int>> moves;
    QList<int> popUps;
    int ends = 0;
};

// An in-window exercise of three variants, laid out like the real ones.
ExerciseWindowData inWindowSpec(Reading reading, ItemColour marks = ItemColour::Background)
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
         .marks = marks,
         .nextWindow = 18,
         .helpWindow = 36},
    };
}

// One exercise window on the recording topic and navigation.
struct Fixture {
    explicit Fixture(const ExerciseWindowData &data)
        : window(navigation, data, std::make_unique<RecordingTopic>(calls))
    {
    }
    QLineEdit *field() { return window.findChild<QLineEdit *>(QStringLiteral("Text2")); }
    QWidget *checkButton() { return window.findChild<QWidget *>(QStringLiteral("Command4")); }
    QString counter() { return window.findChild<QLabel *>(QStringLiteral("Label4"))->text(); }
    QWidget *item(int i) { return window.findChild<QWidget *>(QStringLiteral("item%1").arg(i)); }

    Calls calls;
    RecordingNavigation navigation;
    ExerciseWindow window;
};

} // namespace

Q_DECLARE_METATYPE(ItemColour)
Q_DECLARE_METATYPE(Verdict)

enum class Step { NewTask, Check, MainWindow, NextTask };
Q_DECLARE_METATYPE(Step)

class ExerciseFrameTest : public test::ShellTest {
    Q_OBJECT
private Q_SLOTS:
    void inWindowSelection_data();
    void inWindowSelection();
    void checkUsesTheLoadedVariant();
    void checkPaintsTheVerdicts_data();
    void checkPaintsTheVerdicts();
    void inWindowLeaveEmptiesAndDisables();
    void leavingWithoutACheck_data();
    void leavingWithoutACheck();
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

    Fixture f(inWindowSpec(reading));
    f.field()->setText(QStringLiteral("3"));
    f.window.newTask();
    f.calls.loads.clear();
    f.field()->setText(typed);
    f.window.newTask();

    QCOMPARE(f.calls.loads, loads);
    QCOMPARE(f.field()->text(), fieldAfter);
    QCOMPARE(f.window.findChild<QLabel *>(QStringLiteral("Label16"))->text(), loadedAfter);
    QVERIFY(f.checkButton()->isEnabled());
    QCOMPARE(f.calls.newTasks, 2);
    QVERIFY(f.navigation.moves.isEmpty());
}

void ExerciseFrameTest::checkUsesTheLoadedVariant()
{
    Fixture f(inWindowSpec(Reading::WholeText));
    QVERIFY(!f.checkButton()->isEnabled());
    f.window.check(); // disabled: no check
    QVERIFY(f.calls.checks.isEmpty());

    f.field()->setText(QStringLiteral("2"));
    f.window.newTask();
    f.field()->setText(QStringLiteral("3"));
    f.calls.errors = 4;
    f.window.check();
    QCOMPARE(f.calls.checks, QList<int>{2});
    QCOMPARE(f.counter(), QStringLiteral("4"));
    QVERIFY(!f.checkButton()->isEnabled());
    QCOMPARE(f.field()->text(), QStringLiteral("3"));
    QVERIFY(f.navigation.popUps.isEmpty());
}

void ExerciseFrameTest::checkPaintsTheVerdicts_data()
{
    QTest::addColumn<ItemColour>("marks");
    QTest::newRow("backgrounds") << ItemColour::Background;
    QTest::newRow("texts") << ItemColour::Text;
}

void ExerciseFrameTest::checkPaintsTheVerdicts()
{
    QFETCH(ItemColour, marks);
    Fixture f(inWindowSpec(Reading::WholeText, marks));
    f.window.newTask();
    f.calls.verdicts = {Verdict::Right, Verdict::Wrong, Verdict::Unmarked};
    f.calls.errors = 1;
    f.window.check();

    const QPalette::ColorRole marked =
        marks == ItemColour::Background ? QPalette::Window : QPalette::WindowText;
    const QPalette::ColorRole other =
        marks == ItemColour::Background ? QPalette::WindowText : QPalette::Window;
    const QColor before = marks == ItemColour::Background ? QColor(1, 2, 3) : QColor(4, 5, 6);
    QCOMPARE(f.item(1)->palette().color(marked), QColor(0, 255, 0));
    QCOMPARE(f.item(2)->palette().color(marked), QColor(255, 0, 0));
    QCOMPARE(f.item(3)->palette().color(marked), before); // unmarked: left as it was
    for (int i = 1; i <= 3; ++i)
        QCOMPARE(f.item(i)->palette().color(other),
                 marks == ItemColour::Background ? QColor(4, 5, 6) : QColor(1, 2, 3));
    QCOMPARE(f.counter(), QStringLiteral("1"));
}

void ExerciseFrameTest::inWindowLeaveEmptiesAndDisables()
{
    Fixture f(inWindowSpec(Reading::WholeText));
    f.window.newTask();
    f.window.check();
    f.window.leaveTo(1);
    QCOMPARE(f.calls.leaves, 1);
    QVERIFY(!f.checkButton()->isEnabled());
    QCOMPARE(f.counter(), QString());
    QCOMPARE(f.navigation.moves, (QList<std::pair<int, int>>{{14, 1}}));
}

void ExerciseFrameTest::leavingWithoutACheck_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("newTask");
    QTest::addColumn<QString>("leave");
    QTest::addColumn<bool>("checkAfterComingBack");

    // The pupil presses "Задание" (so "Проверить" is enabled), checks nothing,
    // leaves by "Главное окно" or "Следующее задание", and comes back.
    QTest::newRow("Form9, window-switching, main window") << 9 << "Command2"
                                                          << "Command1(0)" << true;
    QTest::newRow("Form10, window-switching, next task") << 10 << "Command2(0)"
                                                         << "Command3" << true;
    QTest::newRow("Form7, window-switching, main window") << 7 << "Command2(0)"
                                                          << "Command1(1)" << true;
    QTest::newRow("Form13, single task, next task") << 13 << "Command2(0)"
                                                    << "Command3" << true;
    QTest::newRow("Form14, in-window, main window") << 14 << "Command2(0)"
                                                    << "Command1(0)" << false;
    QTest::newRow("Form14, in-window, next task") << 14 << "Command2(0)"
                                                  << "Command3" << false;
    QTest::newRow("Form16, in-window, main window") << 16 << "Command2(0)"
                                                    << "Command1(1)" << false;
    QTest::newRow("Form18, in-window, next task") << 18 << "Command2(0)"
                                                  << "Command3" << false;
    QTest::newRow("Form21, in-window, main window") << 21 << "Command2(0)"
                                                    << "Command1(0)" << false;
    QTest::newRow("Form23, in-window, next task") << 23 << "Command2(0)"
                                                  << "Command3" << false;
    QTest::newRow("Form25, in-window, main window") << 25 << "Command2(0)"
                                                    << "Command1(0)" << false;
    QTest::newRow("Form26, in-window, main window") << 26 << "Command2(0)"
                                                    << "Command1(0)" << false;
}

void ExerciseFrameTest::leavingWithoutACheck()
{
    QFETCH(int, number);
    QFETCH(QString, newTask);
    QFETCH(QString, leave);
    QFETCH(bool, checkAfterComingBack);

    shell().move(1, number);
    click(number, newTask);
    QVERIFY(isEnabled(number, QStringLiteral("Command4")));
    click(number, leave);
    QVERIFY(!isShown(number));
    const QList<int> away = shownWindows();
    QCOMPARE(away.size(), 1);
    shell().move(away.first(), number);
    QCOMPARE(isEnabled(number, QStringLiteral("Command4")), checkAfterComingBack);
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
    // The check found errors (every comma missing), so no praise; starting
    // again shows and hides no window.
    QCOMPARE(shownWindows(), QList<int>{13});
}

void ExerciseFrameTest::praiseOnlyWithoutErrors()
{
    Fixture f(inWindowSpec(Reading::WholeText));
    f.window.newTask();
    f.calls.errors = 1;
    f.window.check();
    QVERIFY(f.navigation.popUps.isEmpty());
    f.window.newTask();
    f.calls.errors = 0;
    f.window.check();
    QCOMPARE(f.navigation.popUps, QList<int>{20});
    QCOMPARE(f.counter(), QStringLiteral("0"));
}

void ExerciseFrameTest::frameFocusOrder_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("firstFocus");
    QTest::addColumn<QStringList>("frameOrder"); // the frame controls among the enabled ones

    QTest::newRow("Form7") << 7 << "Command4"
                           << test::names({"Command4", "Text2", "Command3", "Command2(0)", "Command1(1)"});
    // Form8's answer boxes come first, from the bottom up: its bottom box has the focus.
    QTest::newRow("Form8") << 8 << "Text6"
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
