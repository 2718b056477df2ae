#include "shell/shell.h"
#include "support/topicdriver.h"

#include <QLineEdit>
#include <QPalette>
#include <QTest>
#include <QWidget>

#include <array>

namespace parta::test {

void clickControl(QWidget *window, const QString &name)
{
    auto *target = window->findChild<QWidget *>(name);
    QVERIFY2(target, qPrintable(window->objectName() + QStringLiteral(" has no ") + name));
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->rect().center());
}

namespace {

// The colour every check marks a wrong item with.
const QColor red(255, 0, 0);

QColor colourOf(QWidget *window, const QString &name, QPalette::ColorRole role)
{
    auto *item = window->findChild<QWidget *>(name);
    return item ? item->palette().color(role) : QColor();
}

void setBoxText(QWidget *window, const QString &name, const QString &text)
{
    if (auto *box = window->findChild<QLineEdit *>(name))
        box->setText(text);
    else
        QTest::qFail(qPrintable(window->objectName() + QStringLiteral(" has no box ") + name), __FILE__,
                     __LINE__);
}

// Opens an in-window exercise and loads variant k through its field and "Задание".
QWidget *loadInWindow(Shell &shell, int number, int variant)
{
    shell.move(1, number);
    QWidget *window = shell.window(number);
    setBoxText(window, QStringLiteral("Text2"), QString::number(variant));
    clickControl(window, QStringLiteral("Command2(0)"));
    return window;
}

// The answer boxes of the typing exercises by item, from 0: Text1, then Text3
// onwards (Text2 is the variant field).
QString answerBox(int index)
{
    return index == 0 ? QStringLiteral("Text1") : QStringLiteral("Text%1").arg(index + 2);
}

// Word connection: the phrases l1 … l16; the key phrases of each variant are
// selected, the others left.
class WordConnectionDriver : public TopicDriver {
public:
    QString name() const override { return QStringLiteral("word connection"); }
    int variants() const override { return 3; }
    int items(int) const override { return 16; }

    QWidget *open(Shell &shell, int variant) override
    {
        shell.move(1, 8 + variant);
        return shell.window(8 + variant);
    }

    void answer(QWidget *window, int variant, int index, bool byTheKey) override
    {
        if (isKey(variant, index) == byTheKey)
            clickControl(window, phrase(index));
    }

    bool isMarkedWrong(QWidget *window, int, int index) const override
    {
        return colourOf(window, phrase(index), QPalette::WindowText) == red;
    }

private:
    // The key phrases by label number: agreement, government, adjacency.
    static bool isKey(int variant, int index)
    {
        static const std::array<QList<int>, 3> sheet = {{
            {1, 4, 5, 7, 10, 11, 13, 16},
            {1, 2, 5, 7, 10, 11, 15, 16},
            {3, 4, 6, 8, 9, 12, 13, 14},
        }};
        return sheet[static_cast<std::size_t>(variant - 1)].contains(index + 1);
    }
    static QString phrase(int index) { return QStringLiteral("l%1").arg(index + 1); }
};

// Predicate kinds: the digit of each sentence's predicate, typed into its box.
class PredicateKindsDriver : public TopicDriver {
public:
    QString name() const override { return QStringLiteral("predicate kinds"); }
    int variants() const override { return 3; }
    int items(int) const override { return 10; }

    QWidget *open(Shell &shell, int variant) override { return loadInWindow(shell, 14, variant); }

    void answer(QWidget *window, int variant, int index, bool byTheKey) override
    {
        static const std::array<const char *, 3> sheet = {"1331231221", "3221321132", "2132133123"};
        const int key = sheet[static_cast<std::size_t>(variant - 1)][index] - '0';
        setBoxText(window, answerBox(index), QString::number(byTheKey ? key : key % 3 + 1));
    }

    bool isMarkedWrong(QWidget *window, int, int index) const override
    {
        return colourOf(window, answerBox(index), QPalette::Base) == red;
    }
};

// Branches of linguistics: the name of each definition's branch, typed into its
// box; a name that belongs to another row is wrong.
class LinguisticsBranchesDriver : public TopicDriver {
public:
    QString name() const override { return QStringLiteral("branches of linguistics"); }
    int variants() const override { return 2; }
    int items(int) const override { return 5; }
    QString errorCounter() const override { return QStringLiteral("Lbl"); }

    QWidget *open(Shell &shell, int variant) override
    {
        shell.move(1, 6 + variant);
        return shell.window(6 + variant);
    }

    void answer(QWidget *window, int variant, int index, bool byTheKey) override
    {
        static const std::array<QStringList, 2> sheet = {{
            {QStringLiteral("Фонетика"), QStringLiteral("Словообразование"), QStringLiteral("Фразеология"),
             QStringLiteral("Графика"), QStringLiteral("Пунктуация")},
            {QStringLiteral("Лексикология"), QStringLiteral("Орфография"), QStringLiteral("Морфология"),
             QStringLiteral("Синтаксис"), QStringLiteral("Фонетика")},
        }};
        const QStringList &names = sheet[static_cast<std::size_t>(variant - 1)];
        // Both spellings are right: a capital in the odd rows, a small letter in the even ones.
        const QString right = index % 2 == 0 ? names[index] : names[index].toLower();
        setBoxText(window, answerBox(index), byTheKey ? right : names[(index + 1) % 5]);
    }

    bool isMarkedWrong(QWidget *window, int, int index) const override
    {
        return colourOf(window, answerBox(index), QPalette::Base) == red;
    }
};

// The dash between subject and predicate: each sentence as loaded, with the
// space after word n replaced by a dash where the sheet says n, doubled where it
// says -n, and left where it says 0; the dash takes its three accepted spacings
// in turn. Answered otherwise, a sentence that needs a dash stays as loaded, and
// any other gets one after its first word.
class PredicateDashDriver : public TopicDriver {
public:
    QString name() const override { return QStringLiteral("dash between subject and predicate"); }
    int variants() const override { return 2; }
    int items(int) const override { return 12; }
    QString errorCounter() const override { return QStringLiteral("Lbl"); }

    QWidget *open(Shell &shell, int variant) override { return loadInWindow(shell, 23, variant); }

    void answer(QWidget *window, int variant, int index, bool byTheKey) override
    {
        static const std::array<std::array<int, 12>, 2> sheet = {{
            {1, -1, -1, 1, 2, 0, 1, 1, 2, 2, -1, 1},
            {2, -2, 1, 2, 1, 1, 0, -2, 1, 0, 1, -2},
        }};
        static const QStringList dashes = {QStringLiteral(" -"), QStringLiteral("- "), QStringLiteral(" - ")};
        const int word = sheet[static_cast<std::size_t>(variant - 1)][static_cast<std::size_t>(index)];
        auto *box = window->findChild<QLineEdit *>(answerBox(index));
        QVERIFY(box);
        const QString loaded = box->text();
        if (byTheKey && word > 0)
            box->setText(replaceSpaceAfter(loaded, word, dashes[index % 3]));
        else if (byTheKey && word < 0)
            box->setText(replaceSpaceAfter(loaded, -word, QStringLiteral("  ")));
        else if (!byTheKey && word <= 0)
            box->setText(replaceSpaceAfter(loaded, 1, QStringLiteral(" - ")));
    }

    bool isMarkedWrong(QWidget *window, int, int index) const override
    {
        return colourOf(window, answerBox(index), QPalette::Text) == red;
    }

private:
    static QString replaceSpaceAfter(const QString &sentence, int word, const QString &with)
    {
        const QStringList words = sentence.split(QLatin1Char(' '));
        return words.mid(0, word).join(QLatin1Char(' ')) + with + words.mid(word).join(QLatin1Char(' '));
    }
};

} // namespace

std::vector<std::unique_ptr<TopicDriver>> topicDrivers()
{
    std::vector<std::unique_ptr<TopicDriver>> drivers;
    drivers.push_back(std::make_unique<WordConnectionDriver>());
    drivers.push_back(std::make_unique<PredicateKindsDriver>());
    drivers.push_back(std::make_unique<LinguisticsBranchesDriver>());
    drivers.push_back(std::make_unique<PredicateDashDriver>());
    return drivers;
}

} // namespace parta::test
