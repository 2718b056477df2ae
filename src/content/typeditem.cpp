#include "typeditem.h"

namespace parta::content {

std::vector<QStringList> acceptedForms(std::span<const TypedItem> items)
{
    std::vector<QStringList> forms;
    forms.reserve(items.size());
    for (const TypedItem &item : items) {
        QStringList &itemForms = forms.emplace_back();
        for (const char *form : item.accepted)
            itemForms.append(QString::fromUtf8(form));
    }
    return forms;
}

} // namespace parta::content
