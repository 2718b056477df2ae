#pragma once

#include "core/verdict.h"

#include <vector>

class QWidget;

namespace parta {

// What a check found: the items it looked at and a verdict for each, in the
// same order. The frame paints the verdicts and shows the number of errors.
struct ItemMarks {
    std::vector<QWidget *> items;
    CheckResult result;
};

// The items of an exercise window: what a topic supplies to the frame around
// it. The frame calls the hooks at the steps of its protocol; README.md beside
// this file says when, and who paints what.
class Topic {
public:
    virtual ~Topic() = default;

    // Creates the topic's controls in the window, in their first-shown state.
    virtual void build(QWidget *window) = 0;
    // "Задание" (or "Выполнить заново") was pressed. Called first, before the
    // variant field is read: the items go back to their unanswered look.
    virtual void startNewTask() = 0;
    // In-window exercises only: the variant field chose variant k (1 to N);
    // the topic puts that variant's items into the window.
    virtual void load(int /*variant*/) {}
    // "Проверить": reads the answers and checks them against variant k, the
    // one on screen. The topic paints nothing here.
    virtual ItemMarks check(int variant) = 0;
    // The window has been left and is already hidden: the items go back to
    // their unanswered look; in-window exercises also empty them.
    virtual void leave() = 0;
};

} // namespace parta
