#pragma once

#include "controlspecs.h"
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
    bool checkEnabledFirst = true; // "Проверить" when the window is first shown
    int nextWindow = 0;            // 0: the button is "Выход" and ends the program
    int helpWindow = 0;
    int ruleWindow = 0; // 0: the window has no "Правило"
};

// The footer and the other frame controls of one window, as its table places them.
struct FrameLayout {
    std::optional<LabelSpec> loadedVariant; // hidden behind another control
    ButtonSpec newTask;                     // "Задание" or "Выполнить заново"
    std::optional<LabelSpec> variantCaption;
    std::optional<TextBoxSpec> variantField;
    std::optional<ButtonSpec> check;
    std::optional<LabelSpec> errorsCaption;
    std::optional<LabelSpec> errorCounter;
    ButtonSpec next; // "Следующее задание" or "Выход"
    ButtonSpec mainWindow;
    LabelSpec help;
    std::optional<ButtonSpec> rule;
};

struct ExerciseSpec {
    WindowSpec window;
    FrameLayout layout;
    FrameRules rules;
    const char *firstFocus = nullptr; // the control that has the focus when first shown
    // The keyboard focus order, where it is not the order the controls are built
    // in; without firstFocus the first enabled control of it has the focus.
    std::vector<const char *> focusOrder = {};
};

// The help label of every exercise window looks the same.
inline constexpr FontSpec helpLabelFont = {Face::Georgia, 14.25, Weight::Bold, true};

constexpr LabelSpec helpLabel(const char *name, TwipsRect rect)
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
constexpr LabelSpec loadedVariantLabel(const char *name, TwipsRect rect, FontSpec font = {})
{
    return {.name = name, .rect = rect, .caption = "1", .font = font, .alignment = Align::Centre};
}

// "Вариант" above the variant field.
constexpr LabelSpec variantCaption(TwipsRect rect, Rgb background)
{
    return {.name = "Label5",
            .rect = rect,
            .caption = "Вариант",
            .font = {Face::MsSansSerif, 9.75},
            .background = background,
            .alignment = Align::Centre};
}

// The variant field, Text2.
constexpr TextBoxSpec variantField(TwipsRect rect, const char *text, Rgb background,
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
constexpr LabelSpec errorsCaption(const char *name, TwipsRect rect, FontSpec font, Rgb background)
{
    return {.name = name,
            .rect = rect,
            .caption = "Ошибки:",
            .font = font,
            .background = background,
            .alignment = Align::Centre};
}

// The bordered label that shows the number of errors; empty until a check.
constexpr LabelSpec errorCounter(const char *name, TwipsRect rect, Rgb background)
{
    return {.name = name,
            .rect = rect,
            .font = {Face::MsSansSerif, 18},
            .background = background,
            .border = true,
            .alignment = Align::Centre};
}

// The footer buttons, by what they say.
constexpr ButtonSpec newTaskButton(const char *name, TwipsRect rect, FontSpec font, Rgb face)
{
    return {name, rect, "Задание", font, face};
}

constexpr ButtonSpec checkButton(TwipsRect rect, FontSpec font, Rgb face)
{
    return {"Command4", rect, "Проверить", font, face};
}

constexpr ButtonSpec nextTaskButton(TwipsRect rect, FontSpec font, Rgb face)
{
    return {"Command3", rect, "Следующее задание", font, face};
}

constexpr ButtonSpec exitButton(TwipsRect rect, FontSpec font, Rgb face)
{
    return {"Command3", rect, "Выход", font, face};
}

constexpr ButtonSpec mainWindowButton(const char *name, TwipsRect rect, FontSpec font, Rgb face)
{
    return {name, rect, "Главное окно", font, face};
}

// "Правило" shows the help cursor, as "Справка" does.
constexpr ButtonSpec ruleButton(TwipsRect rect, FontSpec font, Rgb face)
{
    return {"Command5", rect, "Правило", font, face, true};
}

} // namespace parta
