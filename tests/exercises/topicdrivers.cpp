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
        setBoxText(window, box(index), QString::number(byTheKey ? key : key % 3 + 1));
    }

    bool isMarkedWrong(QWidget *window, int, int index) const override
    {
        return colourOf(window, box(index), QPalette::Base) == red;
    }

private:
    static QString box(int index)
    {
        static const char *const names[] = {"Text1", "Text3", "Text4", "Text5",  "Text6",
                                            "Text7", "Text8", "Text9", "Text10", "Text11"};
        return QString::fromUtf8(names[index]);
    }
};

// НЕ with participles and gerunds: twelve items, pair after pair, left member
// first; the correctly written member of each pair is selected, the other left.
class NegationDriver : public TopicDriver {
public:
    QString name() const override { return QStringLiteral("negation"); }
    int variants() const override { return 3; }
    int items(int) const override { return 12; }
    QString errorCounter() const override { return QStringLiteral("Lbl"); }

    QWidget *open(Shell &shell, int variant) override { return loadInWindow(shell, 16, variant); }

    void answer(QWidget *window, int variant, int index, bool byTheKey) override
    {
        if (isKey(variant, index) == byTheKey)
            clickControl(window, item(index));
    }

    bool isMarkedWrong(QWidget *window, int, int index) const override
    {
        return colourOf(window, item(index), QPalette::Window) == red;
    }

private:
    // The correctly written member of pairs 1 to 6: L left, R right.
    static bool isKey(int variant, int index)
    {
        static const std::array<const char *, 3> sheet = {"RLLRRL", "LRLRRR", "RLRLRL"};
        const char member = sheet[static_cast<std::size_t>(variant - 1)][index / 2];
        return member == (index % 2 == 0 ? 'L' : 'R');
    }
    static QString item(int index)
    {
        static const char *const names[] = {"Label2",  "Label7",  "Label8",  "Label9",  "Label10", "Label11",
                                            "Label12", "Label13", "Label14", "Label15", "Label16", "Label17"};
        return QString::fromUtf8(names[index]);
    }
};

// One-member sentences: four questions, each answered by clicking one of its
// options а) to г); a question answered otherwise gets the option after the right one.
class OneMemberSentencesDriver : public TopicDriver {
public:
    QString name() const override { return QStringLiteral("one-member sentences"); }
    int variants() const override { return 3; }
    int items(int) const override { return 4; }

    QWidget *open(Shell &shell, int variant) override { return loadInWindow(shell, 18, variant); }

    void answer(QWidget *window, int variant, int question, bool byTheKey) override
    {
        const int right = rightOption(variant, question);
        clickControl(window, option(question, byTheKey ? right : (right + 1) % 4));
    }

    bool isMarkedWrong(QWidget *window, int, int question) const override
    {
        for (int i = 0; i < 4; ++i) {
            if (colourOf(window, option(question, i), QPalette::WindowText) == red)
                return true;
        }
        return false;
    }

private:
    // The right letter of questions 1 to 4.
    static int rightOption(int variant, int question)
    {
        static const std::array<QString, 3> sheet = {QStringLiteral("агвб"), QStringLiteral("вбвг"),
                                                     QStringLiteral("габг")};
        return static_cast<int>(
            QStringLiteral("абвг").indexOf(sheet[static_cast<std::size_t>(variant - 1)].at(question)));
    }
    // Question q (from 0) has the label Label(7 + 5q) and its options the four after it.
    static QString option(int question, int index)
    {
        return QStringLiteral("Label%1").arg(8 + 5 * question + index);
    }
};

} // namespace

std::vector<std::unique_ptr<TopicDriver>> topicDrivers()
{
    std::vector<std::unique_ptr<TopicDriver>> drivers;
    drivers.push_back(std::make_unique<WordConnectionDriver>());
    drivers.push_back(std::make_unique<PredicateKindsDriver>());
    drivers.push_back(std::make_unique<NegationDriver>());
    drivers.push_back(std::make_unique<OneMemberSentencesDriver>());
    return drivers;
}

} // namespace parta::test
