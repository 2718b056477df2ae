#pragma once

#include <QStringList>

#include <span>
#include <vector>

namespace parta::content {

// An item the pupil answers by typing: the text the window shows for it, and
// every form of the answer that is right, each written out in full. A typed
// answer is right only when it equals one of them exactly.
struct TypedItem {
    const char *shown;
    std::vector<const char *> accepted;
};

// The accepted forms of each item, in the items' order, as the check of typed
// answers takes them.
std::vector<QStringList> acceptedForms(std::span<const TypedItem> items);

} // namespace parta::content
