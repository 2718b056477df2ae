#include "window.h"

#include "build.h"

#include <QIcon>

namespace parta {

namespace {

QIcon iconFor(WindowIcon icon)
{
    switch (icon) {
    case WindowIcon::None:
        return {};
    case WindowIcon::Main:
        return QIcon(QStringLiteral(":/icons/main.svg"));
    case WindowIcon::Menu:
        return QIcon(QStringLiteral(":/icons/menu.svg"));
    case WindowIcon::Exercise:
        return QIcon(QStringLiteral(":/icons/exercise.svg"));
    case WindowIcon::Information:
        return QIcon(QStringLiteral(":/icons/info.svg"));
    }
    return {};
}

} // namespace

QString windowName(int number)
{
    return QStringLiteral("Form%1").arg(number);
}

Window::Window(const WindowSpec &spec) : QWidget(nullptr), windowNumber(spec.number)
{
    setObjectName(windowName(spec.number));
    setWindowTitle(QString::fromUtf8(spec.caption));
    setAutoFillBackground(true);
    setBackground(this, spec.background.toColor());

    Qt::WindowFlags flags =
        Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    switch (spec.titleBar) {
    case TitleBar::Fixed:
        flags |= Qt::WindowMinimizeButtonHint;
        setFixedSize(spec.client.toPixels());
        break;
    case TitleBar::Resizable:
        flags |= Qt::WindowMinMaxButtonsHint;
        resize(spec.client.toPixels());
        break;
    case TitleBar::Tool:
        flags = Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
        setFixedSize(spec.client.toPixels());
        break;
    }
    setWindowFlags(flags);
    setWindowIcon(iconFor(spec.icon));
}

} // namespace parta
