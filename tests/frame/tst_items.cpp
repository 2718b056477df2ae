#include "frame/build.h"
#include "frame/documentview.h"
#include "frame/items.h"
#include "frame/label.h"
#include "frame/line.h"
#include "frame/selectablelabels.h"
#include "frame/textbox.h"

#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include <memory>

using namespace parta;

namespace {

const QColor unselected(255, 255, 0);
const QColor selected(128, 128, 0);

// Two questions of three options each, as labels of a window.
struct TwoQuestions {
    TwoQuestions() : labels(SelectionColours{{255, 255, 0}, {128, 128, 0}})
    {
        for (int question = 0; question < 2; ++question) {
            std::vector<Label *> group;
            for (int option = 0; option < 3; ++option) {
                auto *label = addLabel(&window, {.name = "option", .rect = {0, 0, 600, 300}});
                setBackground(label, unselected);
                options.push_back(label);
                group.push_back(label);
            }
            labels.addGroup(group);
        }
    }
    // Which options are selected: "100 010" for the first of question 1 and the second of question 2.
    QString state() const
    {
        QString text;
        for (std::size_t i = 0; i < options.size(); ++i) {
            if (i == 3)
                text.append(u' ');
            text.append(options[i]->palette().color(QPalette::Window) == selected ? u'1' : u'0');
        }
        return text;
    }

    QWidget window;
    SelectableLabels labels;
    std::vector<Label *> options;
};

} // namespace

// The pieces every topic is made of: selectable labels, the painter, lines and
// the places of a document's text.
class ItemsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void choiceGroups_data();
    void choiceGroups();
    void togglesOnItsOwn();
    void clickKeepsTheTextColour();
    void paintVerdictsLeavesUnmarkedAlone();
    void textsOfLabelsAndBoxes();
    void lineIsPlacedInTwips();
    void textRectFindsTheWords();
};

void ItemsTest::choiceGroups_data()
{
    QTest::addColumn<QList<int>>("clicks"); // options by number: 0-2 question 1, 3-5 question 2
    QTest::addColumn<QString>("state");

    QTest::newRow("select") << QList<int>{1} << "010 000";
    QTest::newRow("another of the same question changes nothing") << QList<int>{1, 2} << "010 000";
    QTest::newRow("deselect") << QList<int>{1, 1} << "000 000";
    QTest::newRow("deselect, then another") << QList<int>{1, 1, 2} << "001 000";
    QTest::newRow("questions are independent") << QList<int>{0, 4} << "100 010";
    QTest::newRow("a full row of clicks") << QList<int>{0, 1, 2, 3, 4, 5} << "100 100";
}

void ItemsTest::choiceGroups()
{
    QFETCH(QList<int>, clicks);
    QFETCH(QString, state);
    TwoQuestions questions;
    for (int option : clicks)
        QTest::mouseClick(questions.options[static_cast<std::size_t>(option)], Qt::LeftButton);
    QCOMPARE(questions.state(), state);
    const std::vector<std::vector<bool>> byGroup = questions.labels.selectionByGroup();
    QCOMPARE(byGroup.size(), std::size_t(2));
    QCOMPARE(byGroup[0][0], state[0] == u'1');
    QCOMPARE(byGroup[1][1], state[5] == u'1');
}

void ItemsTest::togglesOnItsOwn()
{
    QWidget window;
    SelectableLabels labels(SelectionColours{{255, 0, 255}, {128, 128, 128}});
    auto *first = addLabel(&window, {.name = "a", .rect = {0, 0, 600, 300}, .background = Rgb{255, 0, 255}});
    auto *second =
        addLabel(&window, {.name = "b", .rect = {0, 300, 600, 300}, .background = Rgb{255, 0, 255}});
    labels.add(first);
    labels.add(second);
    QTest::mouseClick(first, Qt::LeftButton);
    QTest::mouseClick(second, Qt::LeftButton);
    QCOMPARE(labels.selection(), (std::vector<bool>{true, true}));
    QTest::mouseClick(first, Qt::LeftButton);
    QCOMPARE(first->palette().color(QPalette::Window), QColor(255, 0, 255));
    // A marked label (green, after a check) is not selected: a click selects it.
    setBackground(second, QColor(0, 255, 0));
    QVERIFY(!labels.isSelected(second));
    QTest::mouseClick(second, Qt::LeftButton);
    QCOMPARE(second->palette().color(QPalette::Window), QColor(128, 128, 128));
    labels.deselectAll();
    QCOMPARE(labels.selection(), (std::vector<bool>{false, false}));
}

void ItemsTest::clickKeepsTheTextColour()
{
    TwoQuestions questions;
    setForeground(questions.options[0], QColor(255, 0, 0));
    QTest::mouseClick(questions.options[0], Qt::LeftButton);
    QCOMPARE(questions.options[0]->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(questions.state(), QStringLiteral("100 000"));
}

void ItemsTest::paintVerdictsLeavesUnmarkedAlone()
{
    QWidget window;
    auto *box = addTextBox(&window, {.name = "box", .background = {1, 2, 3}, .textColor = {4, 5, 6}});
    auto *label = addLabel(&window, {.name = "label", .background = Rgb{7, 8, 9}, .text = {10, 11, 12}});
    auto *other = addLabel(&window, {.name = "other", .background = Rgb{13, 14, 15}, .text = {16, 17, 18}});
    const std::vector<QWidget *> items = {box, label, other};

    paintVerdicts(items, {Verdict::Wrong, Verdict::Right, Verdict::Unmarked}, ItemColour::Background);
    QCOMPARE(box->palette().color(QPalette::Base), QColor(255, 0, 0));
    QCOMPARE(label->palette().color(QPalette::Window), QColor(0, 255, 0));
    QCOMPARE(other->palette().color(QPalette::Window), QColor(13, 14, 15));
    QCOMPARE(box->palette().color(QPalette::Text), QColor(4, 5, 6));

    paintVerdicts(items, {Verdict::Right, Verdict::Unmarked, Verdict::Wrong}, ItemColour::Text);
    QCOMPARE(box->palette().color(QPalette::Text), QColor(0, 255, 0));
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(10, 11, 12));
    QCOMPARE(other->palette().color(QPalette::WindowText), QColor(255, 0, 0));

    paintAll(items, QColor(0, 0, 128), ItemColour::Text);
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    QCOMPARE(box->palette().color(QPalette::Base), QColor(255, 0, 0));
}

void ItemsTest::textsOfLabelsAndBoxes()
{
    QWidget window;
    auto *box = addTextBox(&window, {.name = "box"});
    auto *label = addLabel(&window, {.name = "label"});
    const std::vector<QWidget *> items = {box, label};
    setText(box, QStringLiteral("обещ нный"));
    setText(label, QStringLiteral(" Кончилась ночь."));
    QCOMPARE(textsOf(items), (QStringList{QStringLiteral("обещ нный"), QStringLiteral(" Кончилась ночь.")}));
    clearTexts(items);
    QCOMPARE(textsOf(items), (QStringList{QString(), QString()}));
}

void ItemsTest::lineIsPlacedInTwips()
{
    QWidget window;
    window.resize(794, 568);
    Line *line = addLine(&window, {.name = "Line3",
                                   .x1 = 2520,
                                   .y1 = 4440,
                                   .x2 = 3000,
                                   .y2 = 4440,
                                   .color = {255, 0, 255},
                                   .width = 4});
    QCOMPARE(window.findChild<QWidget *>(QStringLiteral("Line3")), line);
    QCOMPARE(line->line(), QLine(168, 296, 200, 296));
    QCOMPARE(line->color(), QColor(255, 0, 255));
    const QImage picture = window.grab().toImage();
    QCOMPARE(picture.pixelColor(184, 296), QColor(255, 0, 255));
    QCOMPARE(picture.pixelColor(184, 290), window.palette().color(QPalette::Window));
}

void ItemsTest::textRectFindsTheWords()
{
    QWidget window;
    auto *view = addDocument(&window, {.name = "OLE2", .rect = {0, 0, 3000, 3000}});
    view->setDocument(QStringLiteral("<p style=\"font-size:16pt\">один два три четыре пять шесть семь восемь "
                                     "девять десять</p>"));
    const QString text = view->text();
    const auto rectOf = [&](const QString &word) {
        return view->textRect(static_cast<int>(text.indexOf(word)), static_cast<int>(word.size()));
    };
    const QRectF first = rectOf(QStringLiteral("один"));
    const QRectF second = rectOf(QStringLiteral("два"));
    const QRectF last = rectOf(QStringLiteral("десять"));
    QVERIFY(first.isValid());
    QCOMPARE(second.top(), first.top());
    QVERIFY(second.left() > first.right());
    QVERIFY2(last.top() >= first.bottom(), "the last word wraps onto a later line");
    QVERIFY(QRectF(view->rect()).contains(last));

    // The letters are drawn inside the rectangle of their word.
    view->show();
    const QImage picture = view->grab().toImage();
    const auto darkInside = [&picture](const QRectF &area) {
        int dark = 0;
        const QRect pixels = area.toAlignedRect().intersected(picture.rect());
        for (int y = pixels.top(); y <= pixels.bottom(); ++y)
            for (int x = pixels.left(); x <= pixels.right(); ++x)
                dark += qGray(picture.pixel(x, y)) < 100;
        return dark;
    };
    QVERIFY(darkInside(first) > 20);
    const QRectF gap(first.right() + 1, first.top(), second.left() - first.right() - 2, first.height());
    QCOMPARE(darkInside(gap), 0);

    QVERIFY(view->textRect(static_cast<int>(text.size()) + 10, 1).isNull());
    QVERIFY(view->textRect(-1, 1).isNull());
}

QTEST_MAIN(ItemsTest)
#include "tst_items.moc"
