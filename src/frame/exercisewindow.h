#pragma once

#include "exercisewindowdata.h"
#include "window.h"

#include <memory>

namespace parta {

class Button;
class Label;
class Navigation;
class TextBox;
class Topic;

// An exercise window: a topic's items inside the frame that every exercise
// shares (variant field, "Задание", "Проверить", error counter, "Следующее
// задание", "Главное окно", "Справка", "Правило") and its protocol of new task,
// check and leave.
class ExerciseWindow : public Window {
    Q_OBJECT
public:
    ExerciseWindow(Navigation &navigation, const ExerciseWindowData &table, std::unique_ptr<Topic> topic);
    ~ExerciseWindow() override;

    void newTask();
    void check();
    void leaveTo(int target);

private:
    void applyFocusOrder(const ExerciseWindowData &table);
    // "Проверить" enabled or not, and the error counter empty.
    void resetFrame(bool checkEnabled);
    // The topic's "Задание" step; the items no longer tell the last verdicts.
    void startTopicTask();
    // The error counter shows the count and tells a screen reader.
    void showErrors(int errors);
    bool correctRange();
    // The variant the field chooses by the window's reading, if any.
    std::optional<int> chosenVariant() const;
    int variantWindow(int variant) const;
    int variantOnScreen() const;
    void rewriteField(const char *text);

    Navigation &navigation;
    FrameRules rules;
    std::unique_ptr<Topic> topic;

    Label *loadedVariant = nullptr;
    Button *newTaskButton = nullptr;
    TextBox *variantField = nullptr;
    Button *checkButton = nullptr;
    Label *errorCounter = nullptr;
    std::vector<QWidget *> markedItems; // by the last check
};

} // namespace parta
