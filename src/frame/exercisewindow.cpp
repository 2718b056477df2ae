#include "exercisewindow.h"

#include "build.h"
#include "button.h"
#include "core/numberfield.h"
#include "focuschain.h"
#include "items.h"
#include "label.h"
#include "navigation.h"
#include "textbox.h"
#include "topic.h"

#include <QAccessible>

#include <algorithm>

namespace parta {

ExerciseWindow::ExerciseWindow(Navigation &navigation_, const ExerciseWindowData &table,
                               std::unique_ptr<Topic> topic_)
    : Window(table.window), navigation(navigation_), rules(table.rules), topic(std::move(topic_))
{
    topic->build(this);

    const FrameLayout &layout = table.layout;
    if (layout.loadedVariant)
        loadedVariant = addLabel(this, *layout.loadedVariant);
    newTaskButton = addButton(this, layout.newTask);
    if (layout.variantCaption)
        addLabel(this, *layout.variantCaption);
    if (layout.variantField)
        variantField = addTextBox(this, *layout.variantField);
    if (layout.check)
        checkButton = addButton(this, *layout.check);
    if (layout.errorsCaption)
        addLabel(this, *layout.errorsCaption);
    if (layout.errorCounter)
        errorCounter = addLabel(this, *layout.errorCounter);
    auto *nextButton = addButton(this, layout.next);
    auto *mainWindowButton = addButton(this, layout.mainWindow);
    auto *help = addLabel(this, layout.help);
    Button *ruleButton = layout.rule ? addButton(this, *layout.rule) : nullptr;

    if (checkButton)
        checkButton->setEnabled(rules.checkEnabledFirst);
    if (variantField)
        variantField->setAccessibleName(QStringLiteral("Вариант"));
    if (errorCounter)
        errorCounter->setAccessibleName(QStringLiteral("Ошибки:"));
    applyFocusOrder(table);

    connect(newTaskButton, &Button::clicked, this, &ExerciseWindow::newTask);
    if (checkButton)
        connect(checkButton, &Button::clicked, this, &ExerciseWindow::check);
    connect(nextButton, &Button::clicked, this, [this] {
        if (rules.nextWindow == 0)
            navigation.end();
        else
            leaveTo(rules.nextWindow);
    });
    connect(mainWindowButton, &Button::clicked, this, [this] { leaveTo(mainWindowNumber); });
    connect(help, &Label::clicked, this, [this] { navigation.popUp(rules.helpWindow); });
    if (ruleButton)
        connect(ruleButton, &Button::clicked, this, [this] { navigation.popUp(rules.ruleWindow); });
}

ExerciseWindow::~ExerciseWindow() = default;

void ExerciseWindow::applyFocusOrder(const ExerciseWindowData &table)
{
    QList<QWidget *> order;
    for (const char *name : table.focusOrder) {
        if (auto *control = findChild<QWidget *>(QString::fromUtf8(name)))
            order.append(control);
    }
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    appendClickableLabels(this, order.isEmpty() ? nullptr : order.last());

    QWidget *first = table.firstFocus ? findChild<QWidget *>(QString::fromUtf8(table.firstFocus)) : nullptr;
    if (!first) {
        const auto enabled =
            std::find_if(order.begin(), order.end(), [](QWidget *w) { return w->isEnabled(); });
        first = enabled != order.end() ? *enabled : nullptr;
    }
    if (first)
        first->setFocus();
}

void ExerciseWindow::resetFrame(bool checkEnabled)
{
    if (checkButton)
        checkButton->setEnabled(checkEnabled);
    if (errorCounter) {
        errorCounter->clear();
        errorCounter->setAccessibleName(QStringLiteral("Ошибки:"));
    }
}

void ExerciseWindow::startTopicTask()
{
    topic->startNewTask();
    forgetVerdicts(markedItems);
    markedItems.clear();
}

void ExerciseWindow::showErrors(int errors)
{
    errorCounter->setText(QString::number(errors));
    errorCounter->setAccessibleName(QStringLiteral("Ошибки: %1").arg(errors));
    QAccessibleEvent nameChanged(errorCounter, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&nameChanged);
    QAccessibleEvent alert(errorCounter, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

bool ExerciseWindow::correctRange()
{
    if (!variantField)
        return false;
    const double value = leadingNumberValue(variantField->text());
    if (value >= 1 && value <= rules.variants)
        return false;
    variantField->setText(QStringLiteral("1"));
    if (loadedVariant)
        loadedVariant->setText(QStringLiteral("1"));
    return true;
}

std::optional<int> ExerciseWindow::chosenVariant() const
{
    const QString text = variantField->text();
    const std::optional<double> value =
        rules.selection == Reading::LeadingNumber ? leadingNumberValue(text) : wholeTextValue(text);
    for (int k = 1; k <= rules.variants; ++k) {
        if (value == k)
            return k;
    }
    return std::nullopt;
}

int ExerciseWindow::variantOnScreen() const
{
    switch (rules.kind) {
    case ExerciseKind::WindowSwitching:
        return rules.ownVariant;
    case ExerciseKind::InWindow:
        // The hidden label only ever holds "1" to "3".
        return loadedVariant ? loadedVariant->text().toInt() : 1;
    case ExerciseKind::SingleTask:
    case ExerciseKind::VariantChooser:
        return 1;
    }
    return 1;
}

void ExerciseWindow::rewriteField(const char *text)
{
    if (text && variantField)
        variantField->setText(QString::fromUtf8(text));
}

int ExerciseWindow::variantWindow(int variant) const
{
    return rules.variantWindows[static_cast<std::size_t>(variant - 1)];
}

void ExerciseWindow::newTask()
{
    switch (rules.kind) {
    case ExerciseKind::VariantChooser:
        correctRange();
        if (const std::optional<int> variant = chosenVariant())
            navigation.move(number(), variantWindow(*variant));
        break;
    case ExerciseKind::WindowSwitching:
        startTopicTask();
        resetFrame(true);
        correctRange();
        if (const std::optional<int> variant = chosenVariant()) {
            if (*variant == rules.ownVariant)
                navigation.popUp(number()); // hidden and shown again: it stays on screen
            else
                navigation.move(number(), variantWindow(*variant));
        }
        rewriteField(rules.field.onNewTask);
        break;
    case ExerciseKind::SingleTask:
        startTopicTask();
        resetFrame(true);
        break;
    case ExerciseKind::InWindow:
        startTopicTask();
        resetFrame(true);
        correctRange();
        if (const std::optional<int> variant = chosenVariant()) {
            topic->load(*variant);
            loadedVariant->setText(QString::number(*variant));
        }
        rewriteField(rules.field.onNewTask);
        break;
    }
}

void ExerciseWindow::check()
{
    if (!checkButton || !checkButton->isEnabled())
        return;
    const ItemMarks marks = topic->check(variantOnScreen());
    paintVerdicts(marks.items, marks.result.verdicts, rules.marks);
    markedItems = marks.items;
    showErrors(marks.result.errors);
    checkButton->setEnabled(false);
    rewriteField(rules.field.onCheck);
    if (marks.result.errors == 0)
        navigation.popUp(praiseWindowNumber);
}

void ExerciseWindow::leaveTo(int target)
{
    navigation.move(number(), target);
    if (rules.kind == ExerciseKind::VariantChooser)
        return;
    topic->leave();
    forgetVerdicts(markedItems);
    markedItems.clear();
    // Only an in-window exercise waits for "Задание" when it comes back.
    resetFrame(rules.kind != ExerciseKind::InWindow);
    rewriteField(target == mainWindowNumber ? rules.field.onMainWindow : rules.field.onNextTask);
}

} // namespace parta
