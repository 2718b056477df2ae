#include "core/checks.h"

#include <QTest>

using parta::checkGappedWords;
using parta::CheckResult;
using parta::Verdict;

Q_DECLARE_METATYPE(Verdict)

// The check of words typed into gaps, without a window: the spaces of an answer
// are deleted, and what is left must be the word exactly.
class GappedWordCheckTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void oneAnswer_data();
    void oneAnswer();
    void verdictsFollowTheAnswers();
};

void GappedWordCheckTest::oneAnswer_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("word");
    QTest::addColumn<Verdict>("verdict");

    const auto right = Verdict::Right;
    const auto wrong = Verdict::Wrong;
    QTest::newRow("the word") << "обещанный"
                              << "обещанный" << right;
    QTest::newRow("space after the vowel") << "обеща нный"
                                           << "обещанный" << right;
    QTest::newRow("space before the vowel") << "обещ анный"
                                            << "обещанный" << right;
    QTest::newRow("spaces all round") << "  обеща нный "
                                      << "обещанный" << right;
    QTest::newRow("gap left open") << "обещ нный"
                                   << "обещанный" << wrong;
    QTest::newRow("capital letter") << "Обещанный"
                                    << "обещанный" << wrong;
    QTest::newRow("doubled letter") << "обещаннный"
                                    << "обещанный" << wrong;
    QTest::newRow("ё for е") << "приглашён"
                             << "приглашен" << wrong;
    QTest::newRow("е for ё") << "режиссер"
                             << "режиссёр" << wrong;
    QTest::newRow("two letters in one gap") << "коло нна"
                                            << "колонна" << right;
    QTest::newRow("one of two letters") << "колона"
                                        << "колонна" << wrong;
    QTest::newRow("empty") << ""
                           << "обещанный" << wrong;
    QTest::newRow("only spaces") << "   "
                                 << "обещанный" << wrong;
    QTest::newRow("tab is not a space") << "обещ\tанный"
                                        << "обещанный" << wrong;
    QTest::newRow("no-break space is not a space")
        << QString::fromUtf8("обещ\u00a0анный") << "обещанный" << wrong;
    QTest::newRow("line feed") << "обещанный\n"
                               << "обещанный" << wrong;
    QTest::newRow("control character") << QString::fromUtf8("обещ\x01анный") << "обещанный" << wrong;
    QTest::newRow("emoji") << QString::fromUtf8("обещ\U0001F600нный") << "обещанный" << wrong;
    QTest::newRow("half an emoji") << QString(QChar(0xD83D)) << "обещанный" << wrong;
    QTest::newRow("a megabyte of letters") << QString(1 << 20, u'а') << "обещанный" << wrong;
    QTest::newRow("the word in a megabyte of spaces")
        << QString(1 << 19, u' ') + QStringLiteral("обеща нный") + QString(1 << 19, u' ') << "обещанный"
        << right;
}

void GappedWordCheckTest::oneAnswer()
{
    QFETCH(QString, answer);
    QFETCH(QString, word);
    QFETCH(Verdict, verdict);

    const CheckResult result = checkGappedWords({answer}, {word});
    QCOMPARE(result.verdicts, std::vector<Verdict>{verdict});
    QCOMPARE(result.errors, verdict == Verdict::Wrong ? 1 : 0);
}

void GappedWordCheckTest::verdictsFollowTheAnswers()
{
    // The third answer has no word to go with: it is not checked.
    const CheckResult result =
        checkGappedWords({QStringLiteral("брош н"), QStringLiteral("брошен"), QStringLiteral("закончен")},
                         {QStringLiteral("брошен"), QStringLiteral("брошен")});
    QCOMPARE(result.verdicts, (std::vector<Verdict>{Verdict::Wrong, Verdict::Right}));
    QCOMPARE(result.errors, 1);
}

QTEST_APPLESS_MAIN(GappedWordCheckTest)
#include "tst_gappedwordcheck.moc"
