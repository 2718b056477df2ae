#include "core/checks.h"
#include "support/shelltest.h"

#include <QTest>

using namespace parta;
using parta::test::names;

namespace {

// Verdicts written as one character each: '+' right, '-' wrong, '.' unmarked.
QString verdictString(const std::vector<Verdict> &verdicts)
{
    QString text;
    for (Verdict verdict : verdicts)
        text.append(verdict == Verdict::Right ? u'+' : verdict == Verdict::Wrong ? u'-' : u'.');
    return text;
}

// "1010" as selected, not, selected, not.
std::vector<bool> flags(const QString &ones)
{
    std::vector<bool> result;
    for (QChar c : ones)
        result.push_back(c == u'1');
    return result;
}

} // namespace

// The pure checks every exercise marks with: a verdict per item and the count.
class ChecksTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void selection_data();
    void selection();
    void numberAnswers_data();
    void numberAnswers();
    void typedAnswers_data();
    void typedAnswers();
    void singleChoice_data();
    void singleChoice();
    void deleteSpaces_data();
    void deleteSpaces();
};

void ChecksTest::selection_data()
{
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("verdicts");
    QTest::addColumn<int>("errors");

    QTest::newRow("exactly the key") << "1100"
                                     << "1100"
                                     << "++.." << 0;
    QTest::newRow("nothing selected") << "0000"
                                      << "1100"
                                      << "--.." << 2;
    QTest::newRow("everything selected") << "1111"
                                         << "1100"
                                         << "++--" << 2;
    QTest::newRow("only the others") << "0011"
                                     << "1100"
                                     << "----" << 4;
    QTest::newRow("no key item, nothing selected") << "000"
                                                   << "000"
                                                   << "..." << 0;
    QTest::newRow("the shorter list counts") << "11"
                                             << "1000"
                                             << "+-" << 1;
    QTest::newRow("nothing to check") << ""
                                      << ""
                                      << "" << 0;
}

void ChecksTest::selection()
{
    QFETCH(QString, selected);
    QFETCH(QString, key);
    QFETCH(QString, verdicts);
    QFETCH(int, errors);
    const CheckResult result = checkSelection(flags(selected), flags(key));
    QCOMPARE(verdictString(result.verdicts), verdicts);
    QCOMPARE(result.errors, errors);
}

void ChecksTest::numberAnswers_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QList<int>>("key");
    QTest::addColumn<QString>("verdicts");
    QTest::addColumn<int>("errors");

    QTest::newRow("digits") << names({"1", "3", "2"}) << QList<int>{1, 3, 2} << "+++" << 0;
    QTest::newRow("read by the leading number")
        << names({" 2", "2.", "2а", "3 (именное)"}) << QList<int>{2, 2, 2, 3} << "++++" << 0;
    QTest::newRow("empty and letters read as 0")
        << names({"", "abc", "I"}) << QList<int>{1, 2, 3} << "---" << 3;
    QTest::newRow("3 5 reads 35, 3.5 is not 3") << names({"3 5", "3.5"}) << QList<int>{3, 3} << "--" << 2;
    QTest::newRow("a wrong digit") << names({"1", "1"}) << QList<int>{1, 2} << "+-" << 1;
}

void ChecksTest::numberAnswers()
{
    QFETCH(QStringList, answers);
    QFETCH(QList<int>, key);
    QFETCH(QString, verdicts);
    QFETCH(int, errors);
    const CheckResult result = checkNumberAnswers(answers, std::vector<int>(key.begin(), key.end()));
    QCOMPARE(verdictString(result.verdicts), verdicts);
    QCOMPARE(result.errors, errors);
}

void ChecksTest::typedAnswers_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("accepted");
    QTest::addColumn<bool>("right");

    const QStringList phonetics = names({"Фонетика", "фонетика"});
    QTest::newRow("capital") << "Фонетика" << phonetics << true;
    QTest::newRow("small") << "фонетика" << phonetics << true;
    QTest::newRow("all capitals") << "ФОНЕТИКА" << phonetics << false;
    QTest::newRow("mixed case") << "фОнетика" << phonetics << false;
    QTest::newRow("leading blank") << " фонетика" << phonetics << false;
    QTest::newRow("trailing blank") << "фонетика " << phonetics << false;
    QTest::newRow("another branch") << "графика" << phonetics << false;
    QTest::newRow("empty") << "" << phonetics << false;

    const QStringList book =
        names({"Книга -это источник знаний.", "Книга- это источник знаний.", "Книга - это источник знаний."});
    QTest::newRow("dash, space before") << "Книга -это источник знаний." << book << true;
    QTest::newRow("dash, space after") << "Книга- это источник знаний." << book << true;
    QTest::newRow("dash, spaces around") << "Книга - это источник знаний." << book << true;
    QTest::newRow("dash, no space") << "Книга-это источник знаний." << book << false;
    QTest::newRow("dash, two spaces before") << "Книга  - это источник знаний." << book << false;
    QTest::newRow("en dash") << "Книга – это источник знаний." << book << false;
    QTest::newRow("no full stop") << "Книга - это источник знаний" << book << false;
    QTest::newRow("unchanged") << "Книга это источник знаний." << book << false;
    QTest::newRow("right-to-left mark") << "\u200fКнига - это источник знаний." << book << false;
}

void ChecksTest::typedAnswers()
{
    QFETCH(QString, answer);
    QFETCH(QStringList, accepted);
    QFETCH(bool, right);
    const CheckResult result = checkTypedAnswers(QStringList{answer, answer}, {accepted, QStringList()});
    QCOMPARE(verdictString(result.verdicts), QString(right ? QStringLiteral("+-") : QStringLiteral("--")));
    QCOMPARE(result.errors, right ? 1 : 2);
}

void ChecksTest::singleChoice_data()
{
    QTest::addColumn<QStringList>("selected"); // one string of four options a question
    QTest::addColumn<QList<int>>("right");
    QTest::addColumn<QString>("verdicts");
    QTest::addColumn<int>("errors");

    const QList<int> key = {0, 3, 2, 1};
    QTest::newRow("all right") << names({"1000", "0001", "0010", "0100"}) << key << "+......+..+..+.." << 0;
    QTest::newRow("nothing selected")
        << names({"0000", "0000", "0000", "0000"}) << key << "................" << 4;
    QTest::newRow("one wrong, three unanswered")
        << names({"0100", "0000", "0000", "0000"}) << key << ".-.............." << 4;
    QTest::newRow("one wrong, three right")
        << names({"1000", "1000", "0010", "0100"}) << key << "+...-.....+..+.." << 1;
    QTest::newRow("two selected in one question") << names({"1100"}) << QList<int>{0} << "+-.." << 1;
}

void ChecksTest::singleChoice()
{
    QFETCH(QStringList, selected);
    QFETCH(QList<int>, right);
    QFETCH(QString, verdicts);
    QFETCH(int, errors);
    std::vector<std::vector<bool>> options;
    for (const QString &question : selected)
        options.push_back(flags(question));
    const CheckResult result = checkSingleChoice(options, std::vector<int>(right.begin(), right.end()));
    QCOMPARE(verdictString(result.verdicts), verdicts);
    QCOMPARE(result.errors, errors);
}

void ChecksTest::deleteSpaces_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("result");

    QTest::newRow("the gap") << "обещ нный"
                             << "обещнный";
    QTest::newRow("spaces anywhere") << " обеща нный "
                                     << "обещанный";
    QTest::newRow("many spaces") << "  г   ирлянда  "
                                 << "гирлянда";
    QTest::newRow("no space") << "обещанный"
                              << "обещанный";
    QTest::newRow("only spaces") << "   "
                                 << "";
    QTest::newRow("tab stays") << "обещ\tнный"
                               << "обещ\tнный";
    QTest::newRow("no-break space stays") << "обещ\u00a0нный"
                                          << "обещ\u00a0нный";
    QTest::newRow("ideographic space stays") << "a\u3000b"
                                             << "a\u3000b";
    QTest::newRow("emoji kept whole") << "a 😀 b"
                                      << "a😀b";
}

void ChecksTest::deleteSpaces()
{
    QFETCH(QString, text);
    QFETCH(QString, result);
    QCOMPARE(parta::deleteSpaces(text), result);
}

QTEST_APPLESS_MAIN(ChecksTest)
#include "tst_checks.moc"
