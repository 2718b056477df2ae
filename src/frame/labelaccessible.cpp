#include "labelaccessible.h"

#include "label.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace parta {

namespace {

class LabelAccessible : public QAccessibleWidget {
public:
    explicit LabelAccessible(Label *label) : QAccessibleWidget(label) {}

    QAccessible::Role role() const override
    {
        switch (label()->role()) {
        case LabelRole::Text:
            break;
        case LabelRole::Button:
            return QAccessible::Button;
        case LabelRole::CheckBox:
            return QAccessible::CheckBox;
        case LabelRole::RadioButton:
            return QAccessible::RadioButton;
        }
        return QAccessible::StaticText;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        const LabelRole role = label()->role();
        if (role == LabelRole::CheckBox || role == LabelRole::RadioButton) {
            state.checkable = true;
            state.checked = label()->isChecked();
        }
        return state;
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && label()->accessibleName().isEmpty())
            return label()->text().trimmed();
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override
    {
        switch (label()->role()) {
        case LabelRole::Text:
            return {};
        case LabelRole::Button:
            return {pressAction()};
        case LabelRole::CheckBox:
        case LabelRole::RadioButton:
            return {toggleAction()};
        }
        return {};
    }

    void doAction(const QString &action) override
    {
        if (actionNames().contains(action))
            Q_EMIT label()->clicked();
    }

    QStringList keyBindingsForAction(const QString &action) const override
    {
        if (actionNames().contains(action))
            return {QStringLiteral("Space")};
        return {};
    }

private:
    Label *label() const { return static_cast<Label *>(widget()); }
};

QAccessibleInterface *labelInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String(Label::staticMetaObject.className()) && object->isWidgetType())
        return new LabelAccessible(static_cast<Label *>(object));
    return nullptr;
}

} // namespace

void registerLabelAccessibility()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    QAccessible::installFactory(labelInterface);
}

} // namespace parta
