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

// Participial commas: one task of 27 boxes; a comma in each comma place, the
// others left empty. Answered otherwise, a comma place stays empty and another
// place gets a comma.
class ParticipialCommasDriver : public TopicDriver {
public:
    QString name() const override { return QStringLiteral("participial commas"); }
    int variants() const override { return 1; }
    int items(int) const override { return static_cast<int>(sheet.size()); }
    QString errorCounter() const override { return QStringLiteral("Lbl"); }

    QWidget *open(Shell &shell, int) override
    {
        shell.move(1, 13);
        return shell.window(13);
    }

    void answer(QWidget *window, int, int index, bool byTheKey) override
    {
        const Place &place = sheet[static_cast<std::size_t>(index)];
        setBoxText(window, box(index), place.comma == byTheKey ? QStringLiteral(",") : QString());
    }

    bool isMarkedWrong(QWidget *window, int, int index) const override
    {
        return colourOf(window, box(index), QPalette::Base) == red;
    }

private:
    struct Place {
        const char *box;
        bool comma;
    };
    // In reading order, sentence by sentence.
    static constexpr std::array<Place, 27> sheet = {{
        {"Text3", false},  {"Text1", false},  {"Text4", false},  {"Text6", false},  {"Text8", false},
        {"Text7", true},   {"Text10", true},  {"Text14", false}, {"Text9", true},   {"Text15", false},
        {"Text21", false}, {"Text16", false}, {"Text19", false}, {"Text18", true},  {"Text20", false},
        {"Text13", false}, {"Text17", true},  {"Text22", false}, {"Text23", false}, {"Text11", false},
        {"Text5", true},   {"Text24", true},  {"Text12", true},  {"Text25", false}, {"Text26", false},
        {"Text27", true},  {"Text28", true},
    }};
    static QString box(int index) { return QString::fromUtf8(sheet[static_cast<std::size_t>(index)].box); }
};

} // namespace

std::vector<std::unique_ptr<TopicDriver>> topicDrivers()
{
    std::vector<std::unique_ptr<TopicDriver>> drivers;
    drivers.push_back(std::make_unique<WordConnectionDriver>());
    drivers.push_back(std::make_unique<PredicateKindsDriver>());
    drivers.push_back(std::make_unique<ParticipialCommasDriver>());
    return drivers;
}

} // namespace parta::test
