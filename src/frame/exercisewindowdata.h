#pragma once

#include "controlrows.h"
#include "items.h"
#include "window.h"

#include <array>
#include <optional>
#include <vector>

namespace parta {

enum class ExerciseKind {
    VariantChooser,  // Form5: "Задание" only picks the window of a variant
    WindowSwitching, // each variant is a window of its own; "Задание" moves among them
    SingleTask,      // one task; "Выполнить заново" resets it
    InWindow,        // "Задание" loads the variant into the window itself
};

// Which reading of the variant field selects the variant.
enum class Reading { WholeText, LeadingNumber };

// What the variant field is set to at each step; null where the step leaves it.
struct FieldRewrites {
    const char *onNewTask = nullptr;
    const char *onCheck = nullptr;
    const char *onMainWindow = nullptr;
    const char *onNextTask = nullptr;
};

// How one exercise window departs from the others: the rows of the windows'
// comparison table.
struct FrameRules {
    ExerciseKind kind = ExerciseKind::InWindow;
    int variants = 1;
    std::array<int, 3> variantWindows = {}; // the window of each variant, where they are windows
    int ownVariant = 0;                     // the variant this window shows, for window-switching
    Reading selection = Reading::WholeText;
    FieldRewrites field;
    bool checkEnabledFirst = true;             // "Проверить" when the window is first shown
    ItemColour marks = ItemColour::Background; // what a check colours in the items
    int nextWindow = 0;                        // 0: the button is "Выход" and ends the program
    int helpWindow = 0;
    int ruleWindow = 0; // 0: the window has no "Правило"
};

// The footer and the other frame controls of one window, as its table places them.
struct FrameLayout {
    std::optional<LabelRow> loadedVariant; // hidden behind another control
    ButtonRow newTask;                     // "Задание" or "Выполнить заново"
    std::optional<LabelRow> variantCaption;
    std::optional<TextBoxRow> variantField;
    std::optional<ButtonRow> check;
    std::optional<LabelRow> errorsCaption;
    std::optional<LabelRow> errorCounter;
    ButtonRow next; // "Следующее задание" or "Выход"
    ButtonRow mainWindow;
    LabelRow help;
    std::optional<ButtonRow> rule;
};

struct ExerciseWindowData {
    WindowLook window;
    FrameLayout layout;
    FrameRules rules;
    const char *firstFocus = nullptr; // the control that has the focus when first shown
    // The keyboard focus order, where it is not the order the controls are built
    // in; without firstFocus the first enabled control of it has the focus.
    std::vector<const char *> focusOrder = {};
};

// The help label of every exercise window looks the same.
inline constexpr FontLook helpLabelFont = {Face::Georgia, 14.25, Weight::Bold, true};

constexpr LabelRow helpLabel(const char *name, TwipsRect rect)
{
    return {.name = name,
            .rect = rect,
            .caption = "Справка",
            .font = helpLabelFont,
            .border = true,
            .alignment = Align::Centre,
            .helpCursor = true};
}

// The other rows every exercise window's table repeats, each in the look it
// always has; only what varies from window to window is left to the caller.

// The hidden label that keeps the number of the loaded variant.
constexpr LabelRow loadedVariantLabel(const char *name, TwipsRect rect, FontLook font = {})
{
    return {.name = name, .rect = rect, .caption = "1", .font = font, .alignment = Align::Centre};
}

// "Вариант" above the variant field.
constexpr LabelRow variantCaption(TwipsRect rect, Rgb background)
{
    return {.name = "Label5",
            .rect = rect,
            .caption = "Вариант",
            .font = {Face::MsSansSerif, 9.75},
            .background = background,
            .alignment = Align::Centre};
}

// The variant field, Text2.
constexpr TextBoxRow variantField(TwipsRect rect, const char *text, Rgb background,
                                  const char *toolTip = nullptr)
{
    return {.name = "Text2",
            .rect = rect,
            .text = text,
            .font = {Face::MsSansSerif, 18},
            .background = background,
            .alignment = Align::Centre,
            .toolTip = toolTip};
}

// "Ошибки:" before the error counter.
constexpr LabelRow errorsCaption(const char *name, TwipsRect rect, FontLook font, Rgb background)
{
    return {.name = name,
            .rect = rect,
            .caption = "Ошибки:",
            .font = font,
            .background = background,
            .alignment = Align::Centre};
}

// The bordered label that shows the number of errors; empty until a check.
constexpr LabelRow errorCounter(const char *name, TwipsRect rect, Rgb background)
{
    return {.name = name,
            .rect = rect,
            .font = {Face::MsSansSerif, 18},
            .background = background,
            .border = true,
            .alignment = Align::Centre};
}

// The footer buttons, by what they say.
constexpr ButtonRow newTaskButton(const char *name, TwipsRect rect, FontLook font, Rgb face)
{
    return {name, rect, "Задание", font, face};
}

constexpr ButtonRow checkButton(TwipsRect rect, FontLook font, Rgb face)
{
    return {"Command4", rect, "Проверить", font, face};
}

constexpr ButtonRow nextTaskButton(TwipsRect rect, FontLook font, Rgb face)
{
    return {"Command3", rect, "Следующее задание", font, face};
}

constexpr ButtonRow exitButton(TwipsRect rect, FontLook font, Rgb face)
{
    return {"Command3", rect, "Выход", font, face};
}

constexpr ButtonRow mainWindowButton(const char *name, TwipsRect rect, FontLook font, Rgb face)
{
    return {name, rect, "Главное окно", font, face};
}

// "Правило" shows the help cursor, as "Справка" does.
constexpr ButtonRow ruleButton(TwipsRect rect, FontLook font, Rgb face)
{
    return {"Command5", rect, "Правило", font, face, true};
}

} // namespace parta
