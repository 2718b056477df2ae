#include "content/predicatekinds.h"
#include "content/wordconnection.h"
#include "core/palette.h"
#include "shell/shell.h"
#include "support/topicdriver.h"

#include <QLineEdit>
#include <QPalette>
#include <QTest>
#include <QWidget>

namespace parta::test {

void clickControl(QWidget *window, const QString &name)
{
    auto *target = window->findChild<QWidget *>(name);
    QVERIFY2(target, qPrintable(window->objectName() + QStringLiteral(" has no ") + name));
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->rect().center());
}

namespace {

QWidget *item(QWidget *window, const QString &name)
{
    return window->findChild<QWidget *>(name);
}

// Word connection: a phrase is answered by selecting it or leaving it.
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
        const bool key = content::wordConnectionVariant(variant).phrases[static_cast<std::size_t>(index)].key;
        if (key == byTheKey)
            clickControl(window, phrase(index));
    }

    bool isMarkedWrong(QWidget *window, int, int index) const override
    {
        return item(window, phrase(index))->palette().color(QPalette::WindowText) ==
               palette::color(palette::Red);
    }

private:
    static QString phrase(int index) { return QStringLiteral("l%1").arg(index + 1); }
};

// Predicate kinds: each sentence is answered by typing a digit into its box.
class PredicateKindsDriver : public TopicDriver {
public:
    QString name() const override { return QStringLiteral("predicate kinds"); }
    int variants() const override { return content::predicateKindsVariants; }
    int items(int) const override { return 10; }

    QWidget *open(Shell &shell, int variant) override
    {
        shell.move(1, 14);
        QWidget *window = shell.window(14);
        window->findChild<QLineEdit *>(QStringLiteral("Text2"))->setText(QString::number(variant));
        clickControl(window, QStringLiteral("Command2(0)"));
        return window;
    }

    void answer(QWidget *window, int variant, int index, bool byTheKey) override
    {
        const int key = content::predicateKindsVariant(variant)[static_cast<std::size_t>(index)].key;
        const int typed = byTheKey ? key : key % 3 + 1;
        window->findChild<QLineEdit *>(box(index))->setText(QString::number(typed));
    }

    bool isMarkedWrong(QWidget *window, int, int index) const override
    {
        return item(window, box(index))->palette().color(QPalette::Base) == palette::color(palette::Red);
    }

private:
    static QString box(int index)
    {
        static const char *const names[] = {"Text1", "Text3", "Text4", "Text5",  "Text6",
                                            "Text7", "Text8", "Text9", "Text10", "Text11"};
        return QString::fromUtf8(names[index]);
    }
};

} // namespace

std::vector<std::unique_ptr<TopicDriver>> topicDrivers()
{
    std::vector<std::unique_ptr<TopicDriver>> drivers;
    drivers.push_back(std::make_unique<WordConnectionDriver>());
    drivers.push_back(std::make_unique<PredicateKindsDriver>());
    return drivers;
}

} // namespace parta::test
