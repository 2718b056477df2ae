#include "exercisewindow.h"

#include "build.h"
#include "button.h"
#include "core/numberfield.h"
#include "label.h"
#include "shell/shell.h"
#include "textbox.h"
#include "topic.h"

#include <algorithm>

namespace parta {

ExerciseWindow::ExerciseWindow(Shell &shell_, const ExerciseWindowData &table, std::unique_ptr<Topic> topic_)
    : Window(table.window), shell(shell_), rules(table.rules), topic(std::move(topic_))
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
    applyFocusOrder(table);

    connect(newTaskButton, &Button::clicked, this, &ExerciseWindow::newTask);
    if (checkButton)
        connect(checkButton, &Button::clicked, this, &ExerciseWindow::check);
    connect(nextButton, &Button::clicked, this, [this] {
        if (rules.nextWindow == 0)
            shell.end();
        else
            leaveTo(rules.nextWindow);
    });
    connect(mainWindowButton, &Button::clicked, this, [this] { leaveTo(1); });
    connect(help, &Label::clicked, this, [this] { shell.popUp(rules.helpWindow); });
    if (ruleButton)
        connect(ruleButton, &Button::clicked, this, [this] { shell.popUp(rules.ruleWindow); });
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
    topic->reset();
    if (checkButton)
        checkButton->setEnabled(checkEnabled);
    if (errorCounter)
        errorCounter->clear();
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

std::optional<double> ExerciseWindow::selectionValue() const
{
    const QString text = variantField->text();
    if (rules.selection == Reading::LeadingNumber)
        return leadingNumberValue(text);
    return wholeTextValue(text);
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

void ExerciseWindow::newTask()
{
    switch (rules.kind) {
    case ExerciseKind::VariantChooser: {
        correctRange();
        const std::optional<double> value = selectionValue();
        for (int k = 1; k <= rules.variants; ++k) {
            if (value == k) {
                shell.move(number(), rules.variantWindows[static_cast<std::size_t>(k - 1)]);
                break;
            }
        }
        break;
    }
    case ExerciseKind::WindowSwitching: {
        resetFrame(true);
        correctRange();
        const std::optional<double> value = selectionValue();
        for (int k = 1; k <= rules.variants; ++k) {
            if (value != k)
                continue;
            if (k == rules.ownVariant) {
                shell.hide(number());
                shell.show(number());
            } else {
                shell.move(number(), rules.variantWindows[static_cast<std::size_t>(k - 1)]);
            }
            break;
        }
        rewriteField(rules.field.onNewTask);
        break;
    }
    case ExerciseKind::SingleTask:
        resetFrame(true);
        break;
    case ExerciseKind::InWindow: {
        resetFrame(true);
        correctRange();
        const std::optional<double> value = selectionValue();
        for (int k = 1; k <= rules.variants; ++k) {
            if (value == k) {
                topic->load(k);
                loadedVariant->setText(QString::number(k));
                break;
            }
        }
        rewriteField(rules.field.onNewTask);
        break;
    }
    }
}

void ExerciseWindow::check()
{
    if (!checkButton || !checkButton->isEnabled())
        return;
    const int errors = topic->check(variantOnScreen());
    errorCounter->setText(QString::number(errors));
    checkButton->setEnabled(false);
    rewriteField(rules.field.onCheck);
    if (errors == 0)
        shell.popUp(20);
}

void ExerciseWindow::leaveTo(int target)
{
    shell.move(number(), target);
    switch (rules.kind) {
    case ExerciseKind::VariantChooser:
        return;
    case ExerciseKind::WindowSwitching:
    case ExerciseKind::SingleTask:
        resetFrame(true);
        break;
    case ExerciseKind::InWindow:
        topic->clear();
        if (checkButton)
            checkButton->setEnabled(false);
        if (errorCounter)
            errorCounter->clear();
        break;
    }
    rewriteField(target == 1 ? rules.field.onMainWindow : rules.field.onNextTask);
}

} // namespace parta
