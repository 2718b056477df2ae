#pragma once

class QWidget;

namespace parta {

// The items of an exercise window: what a topic supplies to the frame around it.
class Topic {
public:
    virtual ~Topic() = default;

    // Creates the topic's controls in the window, in their initial state.
    virtual void build(QWidget *window) = 0;
    // A new task: every item back to its unanswered look.
    virtual void reset() {}
    // Leaving an in-window exercise: the items are also emptied.
    virtual void clear() { reset(); }
    // Puts the items of variant k (1 to N) into the window.
    virtual void load(int /*variant*/) {}
    // Compares every item with the key of the variant, marks it, returns the errors.
    virtual int check(int /*variant*/) { return 0; }
};

} // namespace parta

namespace parta {

// A window whose items are not there yet: it shows its frame alone.
class FrameOnly : public Topic {
public:
    void build(QWidget *) override {}
};

} // namespace parta
