#include "selectablelabels.h"

#include "build.h"
#include "label.h"

#include <algorithm>

namespace parta {

SelectableLabels::SelectableLabels(SelectionColours colours_) : colours(colours_) {}

void SelectableLabels::add(Label *label)
{
    addGroup({label});
}

void SelectableLabels::addGroup(const std::vector<Label *> &options)
{
    groups.push_back(options);
    const LabelRole role = options.size() > 1 ? LabelRole::RadioButton : LabelRole::CheckBox;
    for (Label *label : options) {
        all.push_back(label);
        label->makeClickable(role, [this, label] { return isSelected(label); });
        connect(label, &Label::clicked, this, [this, label] { click(label); });
    }
}

bool SelectableLabels::isSelected(const QWidget *label) const
{
    return label->palette().color(QPalette::Window) == colours.selected.toColor();
}

std::vector<bool> SelectableLabels::selection() const
{
    std::vector<bool> selected;
    for (const QWidget *label : all)
        selected.push_back(isSelected(label));
    return selected;
}

std::vector<std::vector<bool>> SelectableLabels::selectionByGroup() const
{
    std::vector<std::vector<bool>> selected;
    for (const std::vector<Label *> &group : groups) {
        std::vector<bool> &options = selected.emplace_back();
        for (const Label *label : group)
            options.push_back(isSelected(label));
    }
    return selected;
}

void SelectableLabels::deselectAll()
{
    for (QWidget *label : all)
        setBackground(label, colours.unselected.toColor());
}

std::size_t SelectableLabels::groupOf(const QWidget *label) const
{
    for (std::size_t g = 0; g < groups.size(); ++g) {
        if (std::find(groups[g].begin(), groups[g].end(), label) != groups[g].end())
            return g;
    }
    return groups.size();
}

void SelectableLabels::click(Label *label)
{
    if (isSelected(label)) {
        setBackground(label, colours.unselected.toColor());
        return;
    }
    const std::size_t g = groupOf(label);
    if (g == groups.size())
        return;
    const bool otherSelected =
        std::any_of(groups[g].begin(), groups[g].end(),
                    [this, label](const Label *other) { return other != label && isSelected(other); });
    if (!otherSelected)
        setBackground(label, colours.selected.toColor());
}

} // namespace parta
