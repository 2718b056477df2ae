#include "support/shelltest.h"
#include "support/topicdriver.h"

#include <QLabel>
#include <QTest>
#include <QWidget>

using namespace parta;

// The content checks itself: for every variant of every topic, answering by the
// key gives no error and the praise window, and any one item answered otherwise
// gives exactly one error, on that item.
class ContentTest : public test::ShellTest {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { drivers = test::topicDrivers(); }
    void answeredByTheKey_data();
    void answeredByTheKey();
    void oneItemOtherwise_data();
    void oneItemOtherwise();

private:
    // Answers every item by the key except `otherwise` (-1: none), then checks.
    QWidget *answerAndCheck(test::TopicDriver &driver, int variant, int otherwise);

    std::vector<std::unique_ptr<test::TopicDriver>> drivers;
};

QWidget *ContentTest::answerAndCheck(test::TopicDriver &driver, int variant, int otherwise)
{
    QWidget *w = driver.open(shell(), variant);
    for (int i = 0; i < driver.items(variant); ++i)
        driver.answer(w, variant, i, i != otherwise);
    test::clickControl(w, QStringLiteral("Command4"));
    return w;
}

void ContentTest::answeredByTheKey_data()
{
    QTest::addColumn<int>("driver");
    QTest::addColumn<int>("variant");
    for (std::size_t d = 0; d < drivers.size(); ++d) {
        for (int v = 1; v <= drivers[d]->variants(); ++v)
            QTest::addRow("%s, variant %d", qPrintable(drivers[d]->name()), v) << static_cast<int>(d) << v;
    }
}

void ContentTest::answeredByTheKey()
{
    QFETCH(int, driver);
    QFETCH(int, variant);
    test::TopicDriver &topic = *drivers[static_cast<std::size_t>(driver)];

    QWidget *w = answerAndCheck(topic, variant, -1);
    QCOMPARE(w->findChild<QLabel *>(topic.errorCounter())->text(), QStringLiteral("0"));
    for (int i = 0; i < topic.items(variant); ++i)
        QVERIFY2(!topic.isMarkedWrong(w, variant, i), qPrintable(QStringLiteral("item %1").arg(i + 1)));
    QVERIFY(isShown(20));
}

void ContentTest::oneItemOtherwise_data()
{
    QTest::addColumn<int>("driver");
    QTest::addColumn<int>("variant");
    QTest::addColumn<int>("item");
    for (std::size_t d = 0; d < drivers.size(); ++d) {
        for (int v = 1; v <= drivers[d]->variants(); ++v) {
            for (int i = 0; i < drivers[d]->items(v); ++i)
                QTest::addRow("%s, variant %d, item %d", qPrintable(drivers[d]->name()), v, i + 1)
                    << static_cast<int>(d) << v << i;
        }
    }
}

void ContentTest::oneItemOtherwise()
{
    QFETCH(int, driver);
    QFETCH(int, variant);
    QFETCH(int, item);
    test::TopicDriver &topic = *drivers[static_cast<std::size_t>(driver)];

    QWidget *w = answerAndCheck(topic, variant, item);
    QCOMPARE(w->findChild<QLabel *>(topic.errorCounter())->text(), QStringLiteral("1"));
    for (int i = 0; i < topic.items(variant); ++i)
        QCOMPARE(topic.isMarkedWrong(w, variant, i), i == item);
    QVERIFY(!isShown(20));
}

QTEST_MAIN(ContentTest)
#include "tst_content.moc"
