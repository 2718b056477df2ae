#pragma once

#include "core/palette.h"

#include <QObject>

#include <vector>

namespace parta {

class Label;

// The two backgrounds of a label the pupil selects by clicking it. A label is
// selected exactly when its background is the selected colour: the colours are
// the whole state, whatever else (a mark) they were painted with before.
struct SelectionColours {
    Rgb unselected;
    Rgb selected;
};

// Labels that the pupil selects and deselects by clicking. Each label belongs
// to a group; at most one label of a group is selected:
// - a click on a selected label deselects it;
// - a click on an unselected label selects it, unless another label of its
//   group is selected, in which case nothing changes.
// A label added on its own is a group of one, and simply toggles. A click only
// changes the label's background; its text colour (a mark) stays.
class SelectableLabels : public QObject {
    Q_OBJECT
public:
    explicit SelectableLabels(SelectionColours colours);

    // A label that toggles on its own.
    void add(Label *label);
    // Options of one question: at most one of them is selected.
    void addGroup(const std::vector<Label *> &options);

    // Every label, group after group, in the order added.
    const std::vector<QWidget *> &labels() const { return all; }
    // Whether each label is selected, in the order of labels().
    std::vector<bool> selection() const;
    // The same, group by group.
    std::vector<std::vector<bool>> selectionByGroup() const;
    bool isSelected(const QWidget *label) const;

    // Every label unselected.
    void deselectAll();
    // What a click on the label does.
    void click(Label *label);

private:
    std::size_t groupOf(const QWidget *label) const;

    SelectionColours colours;
    std::vector<std::vector<Label *>> groups;
    std::vector<QWidget *> all;
};

} // namespace parta
