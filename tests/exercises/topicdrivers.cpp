#include "shell/shell.h"
#include "support/topicdriver.h"

#include <QLineEdit>
#include <QPalette>
#include <QTest>
#include <QWidget>

#include <array>
#include <utility>

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

// Gapped words (the vowel window and both vocabulary windows): each box shows
// its word with one space for the missing letters; the pupil types the whole
// word, or leaves the gap open.
class GappedWordsDriver : public TopicDriver {
public:
    // The answer sheet of a variant: its words in the order of the check, the
    // missing letters of each in brackets. "обещ[а]нный" is loaded as
    // "обещ нный" and wants "обещанный".
    using Sheet = std::array<const char *, 2>;

    GappedWordsDriver(QString name_, int number_, QList<int> boxes_, Sheet sheet_)
        : title(std::move(name_)), number(number_), boxes(std::move(boxes_)), sheet(sheet_)
    {
    }

    QString name() const override { return title; }
    int variants() const override { return 2; }
    int items(int) const override { return static_cast<int>(boxes.size()); }

    QWidget *open(Shell &shell, int variant) override { return loadInWindow(shell, number, variant); }

    void answer(QWidget *window, int variant, int index, bool byTheKey) override
    {
        const QString entry = words(variant).at(index);
        auto *shown = window->findChild<QLineEdit *>(box(index));
        QVERIFY(shown);
        // The pupil finds the word with its gap, as the sheet has it.
        const qsizetype open = entry.indexOf(u'['), close = entry.indexOf(u']');
        QCOMPARE(shown->text(), entry.left(open) + u' ' + entry.mid(close + 1));
        if (byTheKey)
            shown->setText(entry.left(open) + entry.mid(open + 1, close - open - 1) + entry.mid(close + 1));
    }

    bool isMarkedWrong(QWidget *window, int, int index) const override
    {
        return colourOf(window, box(index), QPalette::Text) == red;
    }

private:
    QStringList words(int variant) const
    {
        return QString::fromUtf8(sheet[static_cast<std::size_t>(variant - 1)]).split(u' ');
    }
    QString box(int index) const { return QStringLiteral("Text1(%1)").arg(boxes.at(index)); }

    QString title;
    int number;
    QList<int> boxes; // in the order of the check
    Sheet sheet;
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
    // The vowel window checks its boxes column by column.
    drivers.push_back(std::make_unique<GappedWordsDriver>(
        QStringLiteral("vowels before н"), 21,
        QList<int>{0, 5, 11, 14, 8, 17, 1, 4, 7, 10, 13, 16, 2, 3, 6, 9, 12, 15},
        GappedWordsDriver::Sheet{
            "обещ[а]нный уравновеш[е]н закле[е]нный законч[е]н засе[я]нный брош[е]н "
            "взвеш[е]нный потер[я]нный связ[а]н исправл[е]н сорв[а]нный выращ[е]нный "
            "вяз[а]нный посе[я]н отрез[а]нный увид[е]нный невид[е]нный обиж[е]н",
            "наполн[е]н нескош[е]нный завяз[а]нный подков[а]н раскраш[е]нный созд[а]н "
            "услыш[а]нный постро[е]нный приглаш[е]н потуш[е]н вспах[а]нное сдерж[а]нный "
            "выточ[е]нный намыл[е]нный скош[е]нное рассе[я]н подстрел[е]н взволнов[а]нный"}));
    const QList<int> byIndex = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
    drivers.push_back(std::make_unique<GappedWordsDriver>(
        QStringLiteral("vocabulary, grade 7"), 25, byIndex,
        GappedWordsDriver::Sheet{"г[и]рлянда к[а]литка коло[нн]а движ[и]мый свет[о]фор "
                                 "р[е]альный ф[а]нтазия д[и]станция пр[е]тензия пр[е]кратить "
                                 "с[и]луэт пр[и]сутствовать г[и]мнастика к[о]нверт кв[и]танция",
                                 "п[о]чтальон гал[е]рея св[я]щенный с[и]туация ч[е]мпион "
                                 "п[е]риод п[а]кет авт[о]р акв[а]рель недос[я]гаемый "
                                 "н[и]мало фу[т]бол чемп[и]он пор[а]жение тр[о]пинка"}));
    drivers.push_back(std::make_unique<GappedWordsDriver>(
        QStringLiteral("vocabulary, grade 8"), 26, byIndex,
        GappedWordsDriver::Sheet{"тр[а]мвай к[о]митет к[а]рнавал р[е]жиссёр к[а]никулы "
                                 "д[е]легат ст[и]пендия д[и]ректор исти[нн]ый р[о]весник "
                                 "к[о]мпозитор вп[е]чатление к[о]нцерт м[о]нтаж л[е]генда",
                                 "к[о]нгресс к[а]валерия прив[и]легия с[е]кретарь м[о]нолог "
                                 "ф[е]стиваль ид[е]ал д[е]путат б[а]йдарка г[а]раж "
                                 "м[е]ридиан мин[и]атюра ар[о]мат пр[е]мьера пр[и]оритет"}));
    drivers.push_back(std::make_unique<NegationDriver>());
    drivers.push_back(std::make_unique<OneMemberSentencesDriver>());
    drivers.push_back(std::make_unique<LinguisticsBranchesDriver>());
    drivers.push_back(std::make_unique<PredicateDashDriver>());
    drivers.push_back(std::make_unique<ParticipialCommasDriver>());
    return drivers;
}

} // namespace parta::test
