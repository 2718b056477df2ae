#include "content/wordconnection.h"
#include "core/palette.h"
#include "shell/shell.h"
#include "support/topicdriver.h"

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

} // namespace

std::vector<std::unique_ptr<TopicDriver>> topicDrivers()
{
    std::vector<std::unique_ptr<TopicDriver>> drivers;
    drivers.push_back(std::make_unique<WordConnectionDriver>());
    return drivers;
}

} // namespace parta::test
