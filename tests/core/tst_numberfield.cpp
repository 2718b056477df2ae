#include "core/numberfield.h"

#include <QLocale>
#include <QTest>

#include <cmath>
#include <limits>

using parta::leadingNumberValue;
using parta::wholeTextValue;

class NumberFieldTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void leadingNumber_data();
    void leadingNumber();
    void wholeText_data();
    void wholeText();
    void hostileTextStaysFinite_data();
    void hostileTextStaysFinite();
    void readingIgnoresTheLocale();
};

void NumberFieldTest::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("plain digit") << "2" << 2.0;
    QTest::newRow("blanks around") << " 2 " << 2.0;
    QTest::newRow("letters after") << "2abc" << 2.0;
    QTest::newRow("blank inside joins digits") << "1 2" << 12.0;
    QTest::newRow("comma stops") << "1,5" << 1.0;
    QTest::newRow("point and digits") << "1.5" << 1.5;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("letters only") << "abc" << 0.0;
    QTest::newRow("tabs and line feeds dropped") << "\t1\n2" << 12.0;
    QTest::newRow("carriage return stops") << "1\r2" << 1.0;
    QTest::newRow("negative") << "-1" << -1.0;
    QTest::newRow("plus sign") << "+3" << 3.0;
    QTest::newRow("sign alone") << "+" << 0.0;
    QTest::newRow("minus zero") << "-0" << 0.0;
    QTest::newRow("point alone") << "." << 0.0;
    QTest::newRow("point then digits") << ".5" << 0.5;
    QTest::newRow("digits then point") << "2." << 2.0;
    QTest::newRow("carriage return first") << "\r2" << 0.0;
    QTest::newRow("second point stops") << "1.2.3" << 1.2;
    QTest::newRow("exponent not read") << "1e999" << 1.0;
    QTest::newRow("hexadecimal not read") << "0x10" << 0.0;
    QTest::newRow("sign after digits stops") << "3-1" << 3.0;
    QTest::newRow("two signs") << "--1" << 0.0;
    QTest::newRow("leading zeros") << "002" << 2.0;
    QTest::newRow("Arabic-Indic digit is no digit") << QString::fromUtf8("\u0662") << 0.0;
    QTest::newRow("full-width digit is no digit") << QString::fromUtf8("\uFF12") << 0.0;
    QTest::newRow("non-breaking space stops") << QString::fromUtf8("\u00A02") << 0.0;
    QTest::newRow("NUL stops") << QString(QChar(0)) + QStringLiteral("2") << 0.0;
    QTest::newRow("digits after NUL ignored") << QStringLiteral("3") + QChar(0) + QStringLiteral("4") << 3.0;
}

void NumberFieldTest::leadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(leadingNumberValue(text), value);
}

void NumberFieldTest::wholeText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<double>("value");

    QTest::newRow("plain") << "2" << true << 2.0;
    QTest::newRow("leading blank") << " 2" << true << 2.0;
    QTest::newRow("blanks around") << " 3 " << true << 3.0;
    QTest::newRow("plus sign") << "+2" << true << 2.0;
    QTest::newRow("leading zero") << "02" << true << 2.0;
    QTest::newRow("decimal") << "2.5" << true << 2.5;
    QTest::newRow("negative") << "-1" << true << -1.0;
    QTest::newRow("tabs and line breaks around") << "\t2\r\n" << true << 2.0;
    QTest::newRow("carriage return first") << "\r2" << true << 2.0;
    QTest::newRow("point then digits") << ".5" << true << 0.5;
    QTest::newRow("digits then point") << "2." << true << 2.0;
    QTest::newRow("signed point then digits") << "-.5" << true << -0.5;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("blanks only") << "   " << false << 0.0;
    QTest::newRow("letters after") << "2abc" << false << 0.0;
    QTest::newRow("blank inside") << "1 2" << false << 0.0;
    QTest::newRow("tab inside") << "1\t2" << false << 0.0;
    QTest::newRow("blank after the sign") << "- 2" << false << 0.0;
    QTest::newRow("sign and point alone") << "+." << false << 0.0;
    QTest::newRow("comma") << "2,5" << false << 0.0;
    QTest::newRow("sign alone") << "-" << false << 0.0;
    QTest::newRow("point alone") << "." << false << 0.0;
    QTest::newRow("exponent") << "1e2" << false << 0.0;
    QTest::newRow("Arabic-Indic digit") << QString::fromUtf8("\u0662") << false << 0.0;
}

void NumberFieldTest::wholeText()
{
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(double, value);
    const std::optional<double> read = wholeTextValue(text);
    QCOMPARE(read.has_value(), isNumber);
    if (isNumber)
        QCOMPARE(*read, value);
}

void NumberFieldTest::hostileTextStaysFinite_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("leading");

    const double largest = std::numeric_limits<double>::max();
    QTest::newRow("a pasted megabyte of digits") << QString(1 << 20, u'9') << largest;
    QTest::newRow("a megabyte of letters") << QString(1 << 20, u'x') << 0.0;
    QTest::newRow("a megabyte of blanks then 2") << QString(1 << 20, u' ') + QStringLiteral("2") << 2.0;
    QTest::newRow("too long for a double") << QString(400, u'1') << largest;
    QTest::newRow("too long and negative") << QStringLiteral("-") + QString(400, u'7') << -largest;
    QTest::newRow("tiny beyond a double")
        << QStringLiteral("0.") + QString(400, u'0') + QStringLiteral("1") << 0.0;
    QTest::newRow("long fraction") << QStringLiteral("2.") + QString(5000, u'0') << 2.0;
    QTest::newRow("control characters") << QStringLiteral("\x01\x02\x1b[2J") << 0.0;
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << 0.0;
}

void NumberFieldTest::hostileTextStaysFinite()
{
    QFETCH(QString, text);
    QFETCH(double, leading);
    const double value = leadingNumberValue(text);
    QVERIFY(std::isfinite(value));
    QCOMPARE(value, leading);
    const std::optional<double> whole = wholeTextValue(text);
    if (whole)
        QVERIFY(std::isfinite(*whole));
}

void NumberFieldTest::readingIgnoresTheLocale()
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    std::setlocale(LC_ALL, "ru_RU.UTF-8");
    QCOMPARE(leadingNumberValue(u"1.5"), 1.5);
    QCOMPARE(leadingNumberValue(u"1,5"), 1.0);
    QCOMPARE(wholeTextValue(u"2.5"), std::optional<double>(2.5));
    std::setlocale(LC_ALL, "C");
    QLocale::setDefault(before);
}

QTEST_APPLESS_MAIN(NumberFieldTest)
#include "tst_numberfield.moc"
