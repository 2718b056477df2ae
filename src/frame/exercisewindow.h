#pragma once

#include "exercisewindowdata.h"
#include "window.h"

#include <memory>

namespace parta {

class Button;
class Label;
class Shell;
class TextBox;
class Topic;

// An exercise window: a topic's items inside the frame that every exercise
// shares (variant field, "Задание", "Проверить", error counter, "Следующее
// задание", "Главное окно", "Справка", "Правило") and its protocol of new task,
// check and leave.
class ExerciseWindow : public Window {
    Q_OBJECT
public:
    ExerciseWindow(Shell &shell, const ExerciseWindowData &table, std::unique_ptr<Topic> topic);
    ~ExerciseWindow() override;

    void newTask();
    void check();
    void leaveTo(int target);

private:
    void applyFocusOrder(const ExerciseWindowData &table);
    void resetFrame(bool checkEnabled);
    bool correctRange();
    std::optional<double> selectionValue() const;
    int variantOnScreen() const;
    void rewriteField(const char *text);

    Shell &shell;
    FrameRules rules;
    std::unique_ptr<Topic> topic;

    Label *loadedVariant = nullptr;
    Button *newTaskButton = nullptr;
    TextBox *variantField = nullptr;
    Button *checkButton = nullptr;
    Label *errorCounter = nullptr;
};

} // namespace parta
