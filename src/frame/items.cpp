#include "items.h"

#include "build.h"
#include "core/checks.h"

#include <QLabel>
#include <QLineEdit>
#include <QVariant>

#include <algorithm>

namespace parta {

namespace {

void paint(QWidget *item, const QColor &color, ItemColour part)
{
    if (part == ItemColour::Background)
        setBackground(item, color);
    else
        setForeground(item, color);
}

// Where an item keeps its own description while it tells its verdict.
constexpr char ownDescription[] = "parta-own-description";

void describeVerdict(QWidget *item, Verdict verdict)
{
    if (!item->property(ownDescription).isValid())
        item->setProperty(ownDescription, item->accessibleDescription());
    item->setAccessibleDescription(verdict == Verdict::Right ? QStringLiteral("верно")
                                                             : QStringLiteral("ошибка"));
}

} // namespace

void paintVerdicts(const std::vector<QWidget *> &items, const std::vector<Verdict> &verdicts, ItemColour part)
{
    const std::size_t count = std::min(items.size(), verdicts.size());
    for (std::size_t i = 0; i < count; ++i) {
        if (const std::optional<QColor> mark = markColor(verdicts[i])) {
            paint(items[i], *mark, part);
            describeVerdict(items[i], verdicts[i]);
        }
    }
}

void forgetVerdicts(const std::vector<QWidget *> &items)
{
    for (QWidget *item : items) {
        const QVariant own = item->property(ownDescription);
        if (!own.isValid())
            continue;
        item->setAccessibleDescription(own.toString());
        item->setProperty(ownDescription, QVariant());
    }
}

void paintAll(const std::vector<QWidget *> &items, const QColor &color, ItemColour part)
{
    for (QWidget *item : items)
        paint(item, color, part);
}

QString textOf(const QWidget *item)
{
    if (const auto *label = qobject_cast<const QLabel *>(item))
        return label->text();
    if (const auto *box = qobject_cast<const QLineEdit *>(item))
        return box->text();
    return {};
}

QStringList textsOf(const std::vector<QWidget *> &items)
{
    QStringList texts;
    for (const QWidget *item : items)
        texts.append(textOf(item));
    return texts;
}

void setText(QWidget *item, const QString &text)
{
    if (auto *label = qobject_cast<QLabel *>(item))
        label->setText(text);
    else if (auto *box = qobject_cast<QLineEdit *>(item))
        box->setText(text);
}

void clearTexts(const std::vector<QWidget *> &items)
{
    for (QWidget *item : items)
        setText(item, QString());
}

void nameItems(const std::vector<QWidget *> &items, const QString &pattern)
{
    for (std::size_t i = 0; i < items.size(); ++i)
        items[i]->setAccessibleName(pattern.arg(i + 1));
}

void describeItems(const std::vector<QWidget *> &items, const std::vector<QWidget *> &besides)
{
    const std::size_t count = std::min(items.size(), besides.size());
    for (std::size_t i = 0; i < count; ++i)
        items[i]->setAccessibleDescription(textOf(besides[i]).trimmed());
}

QStringList deleteSpacesIn(const std::vector<QWidget *> &items)
{
    QStringList texts;
    for (QWidget *item : items) {
        const QString text = textOf(item);
        const QString spaceless = deleteSpaces(text);
        // Setting a box's text anew lays it out again: spare a long text that had no space.
        if (spaceless.size() != text.size())
            setText(item, spaceless);
        texts.append(spaceless);
    }
    return texts;
}

} // namespace parta
