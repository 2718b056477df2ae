#include "core/fonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QTest>

#include <algorithm>

using namespace parta;

// Every face the windows name must come out in its substitute family, and that
// family must be installed and write Cyrillic; otherwise the windows would fall
// back to whatever face the system picks.
// fontconfig may name a family with its foundry, "URW Bookman [urw]".
static QString withoutFoundry(const QString &family)
{
    const qsizetype bracket = family.indexOf(QStringLiteral(" ["));
    return bracket < 0 ? family : family.left(bracket);
}

static bool isInstalled(const QString &family)
{
    const QStringList families = QFontDatabase::families();
    return std::any_of(families.begin(), families.end(),
                       [&family](const QString &installed) { return withoutFoundry(installed) == family; });
}

class FontsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { registerFontSubstitutions(); }
    void faceComesOutInItsFamily_data();
    void faceComesOutInItsFamily();
    void faceNameResolvesThroughSubstitution_data() { faceComesOutInItsFamily_data(); }
    void faceNameResolvesThroughSubstitution();
    void boldGaramondKeepsCyrillic();
};

void FontsTest::faceComesOutInItsFamily_data()
{
    QTest::addColumn<int>("face");
    for (const FaceSubstitute &row : fontTable())
        QTest::newRow(row.faceName) << static_cast<int>(row.face);
}

void FontsTest::faceComesOutInItsFamily()
{
    QFETCH(int, face);
    const FaceSubstitute &row = substituteFor(static_cast<Face>(face));
    const QString family = QString::fromUtf8(row.family);
    QVERIFY2(isInstalled(family), qPrintable(family + QStringLiteral(" is not installed")));
    QVERIFY(QFontDatabase::writingSystems(family).contains(QFontDatabase::Cyrillic));
    const QFontInfo info(makeFont({static_cast<Face>(face), 12}));
    QCOMPARE(withoutFoundry(info.family()), family);
    if (row.alwaysBold)
        QVERIFY(info.bold());
}

void FontsTest::faceNameResolvesThroughSubstitution()
{
    QFETCH(int, face);
    const FaceSubstitute &row = substituteFor(static_cast<Face>(face));
    const QFontInfo info(QFont(QString::fromUtf8(row.faceName), 12));
    QCOMPARE(withoutFoundry(info.family()), QString::fromUtf8(row.family));
}

void FontsTest::boldGaramondKeepsCyrillic()
{
    const QFontInfo info(makeFont({Face::Garamond, 20.25, Weight::Bold}));
    QCOMPARE(info.family(), QStringLiteral("PT Serif"));
    QVERIFY(info.bold());
}

QTEST_MAIN(FontsTest)
#include "tst_fonts.moc"
